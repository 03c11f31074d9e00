#include "model/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFileName = QStringLiteral("setting.ini");

} // namespace

QString settingsFileFor(const QString& programFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(kFileName);
    const QFileInfo file(besideProgram);
    const bool writable = file.exists() ? file.isWritable() : QFileInfo(programFolder).isWritable();
    if (writable)
        return besideProgram;
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return config.filePath(QStringLiteral("Marlune/") + kFileName);
}

QString programSettingsFile()
{
    return settingsFileFor(QCoreApplication::applicationDirPath());
}

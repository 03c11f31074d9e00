#include "files/RecentFiles.h"

#include "files/FileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSection = QStringLiteral("RecentOpenFile");
const QString kFileName = QStringLiteral("setting.ini");

QString keyOf(int position)
{
    return kSection + QStringLiteral("/file") + QString::number(position);
}

} // namespace

RecentFiles::RecentFiles(QString iniPath)
    : m_iniPath(std::move(iniPath))
{
}

QString RecentFiles::defaultLocation(const QString& programFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(kFileName);
    const QFileInfo file(besideProgram);
    const bool writable = file.exists() ? file.isWritable() : QFileInfo(programFolder).isWritable();
    if (writable)
        return besideProgram;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(kFileName);
}

RecentFiles RecentFiles::forProgram()
{
    return RecentFiles(defaultLocation(QCoreApplication::applicationDirPath()));
}

QStringList RecentFiles::entries() const
{
    const QSettings ini(m_iniPath, QSettings::IniFormat);
    QStringList list;
    for (int position = 1; position <= kCount; ++position)
        list.append(ini.value(keyOf(position)).toString());
    return list;
}

void RecentFiles::add(const QString& path)
{
    QStringList list = entries();
    const qsizetype found = list.indexOf(path);
    if (found == 0)
        return;
    list.removeAt(found >= 0 ? found : kCount - 1);
    list.prepend(path);

    QDir().mkpath(QFileInfo(m_iniPath).absolutePath());
    QSettings ini(m_iniPath, QSettings::IniFormat);
    for (int position = 1; position <= kCount; ++position)
        ini.setValue(keyOf(position), list.at(position - 1));
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw FileError(QStringLiteral("Cannot write the recent-file list to %1").arg(m_iniPath));
}

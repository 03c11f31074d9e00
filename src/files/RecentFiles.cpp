#include "files/RecentFiles.h"

#include "files/FileError.h"
#include "files/FileText.h"
#include "model/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("RecentOpenFile");

QString keyOf(int position)
{
    return kSection + QStringLiteral("/file") + QString::number(position);
}

} // namespace

RecentFiles::RecentFiles(QString iniPath)
    : m_iniPath(std::move(iniPath))
{
}

RecentFiles RecentFiles::forProgram()
{
    return RecentFiles(programSettingsFile());
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
        throw FileError(FileText::tr("无法把最近文件列表写入 %1").arg(m_iniPath));
}

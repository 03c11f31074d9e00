#pragma once

#include <QString>
#include <QStringList>

// The list of the eight label files opened last, kept in "setting.ini", section
// "RecentOpenFile", keys "file1" (the most recent) to "file8".
class RecentFiles {
public:
    static constexpr int kCount = 8;

    explicit RecentFiles(QString iniPath);

    // The list in the running program's settings file (see SettingsFile.h).
    static RecentFiles forProgram();

    const QString& iniPath() const { return m_iniPath; }

    // The eight entries in order; missing keys (or a missing file) read as empty texts.
    QStringList entries() const;

    // Moves path to the front: an entry equal to it (exact comparison) leaves its place and
    // the entries before it move down one; a new path pushes the eighth entry out. Nothing is
    // written when path already is the first entry. Raises FileError when the file cannot be
    // written.
    void add(const QString& path);

private:
    QString m_iniPath;
};

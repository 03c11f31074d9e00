#include "LabelTestData.h"

#include "files/FileError.h"
#include "files/RecentFiles.h"
#include "model/SettingsFile.h"
#include "support/TestApp.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeEntries(const QString& iniPath, const QStringList& entries)
{
    QSettings ini(iniPath, QSettings::IniFormat);
    for (int i = 0; i < entries.size(); ++i)
        ini.setValue(QStringLiteral("RecentOpenFile/file%1").arg(i + 1), entries[i]);
}

QStringList numbered(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(QStringLiteral("/labels/%1.xml").arg(i));
    return list;
}

TEST(RecentFiles, AddingMovesThePathToTheFront)
{
    const QStringList eight = numbered(8);
    const struct {
        const char* description;
        QStringList before;
        QString added;
        QStringList after;
    } rows[] = {
        {"entry 3 moves up, 1 and 2 shift, 4 to 8 stay", eight, eight[2],
         {eight[2], eight[0], eight[1], eight[3], eight[4], eight[5], eight[6], eight[7]}},
        {"entry 8 moves up", eight, eight[7],
         {eight[7], eight[0], eight[1], eight[2], eight[3], eight[4], eight[5], eight[6]}},
        {"a new path pushes entry 8 out", eight, QStringLiteral("/new.xml"),
         {QStringLiteral("/new.xml"), eight[0], eight[1], eight[2], eight[3], eight[4], eight[5], eight[6]}},
        {"a new path on a short list", numbered(2), QStringLiteral("/new.xml"),
         {QStringLiteral("/new.xml"), eight[0], eight[1], "", "", "", "", ""}},
        {"the comparison is exact", numbered(2), QStringLiteral("/LABELS/2.xml"),
         {QStringLiteral("/LABELS/2.xml"), eight[0], eight[1], "", "", "", "", ""}},
        {"an empty list", {}, QStringLiteral("/a b,c;d=e.xml"),
         {QStringLiteral("/a b,c;d=e.xml"), "", "", "", "", "", "", ""}},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("setting.ini"));
        writeEntries(ini, row.before);
        RecentFiles recent(ini);
        recent.add(row.added);
        EXPECT_EQ(recent.entries(), row.after) << row.description;
        EXPECT_EQ(RecentFiles(ini).entries(), row.after) << row.description;
    }
}

TEST(RecentFiles, ThePathAlreadyFirstWritesNothing)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("setting.ini"));
    const QByteArray content = "[RecentOpenFile]\r\nfile1=/labels/1.xml\r\n";
    ASSERT_TRUE(writeFile(ini, content));
    RecentFiles(ini).add(QStringLiteral("/labels/1.xml"));
    EXPECT_EQ(testing_support::fileContent(ini), content);
}

TEST(RecentFiles, AMissingFileIsAnEmptyListAndAnUnwritableOneAnError)
{
    QTemporaryDir dir;
    EXPECT_EQ(RecentFiles(dir.filePath(QStringLiteral("none.ini"))).entries(), QStringList(8, QString()));

    const QString blocker = dir.filePath(QStringLiteral("file"));
    ASSERT_TRUE(writeFile(blocker, QByteArray()));
    RecentFiles recent(blocker + QStringLiteral("/setting.ini"));
    EXPECT_THROW(recent.add(QStringLiteral("/a.xml")), FileError);
}

// An installed program (in /usr/bin) cannot write beside itself: its settings go to one
// folder in the user's configuration that the desktop program and the tools share.
TEST(RecentFiles, TheListLivesBesideTheProgramWhenThatFolderIsWritable)
{
    QTemporaryDir dir;
    EXPECT_EQ(settingsFileFor(dir.path()), dir.filePath(QStringLiteral("setting.ini")));
    const QString elsewhere = settingsFileFor(QStringLiteral("/nonexistent/bin"));
    EXPECT_FALSE(elsewhere.startsWith(u"/nonexistent"));
    EXPECT_TRUE(elsewhere.endsWith(u"/Marlune/setting.ini")) << qPrintable(elsewhere);
}

} // namespace

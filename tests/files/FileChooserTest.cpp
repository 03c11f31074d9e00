#include "files/FileChooser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FileChooser, DialogFiltersComeFromDescriptionPatternPairs)
{
    const struct {
        QString filter;
        QStringList expected;
    } rows[] = {
        {"XML files (*.xml)|*.xml|All files (*.*)|*.*", {"XML files (*.xml)", "All files (*.*)"}},
        {"xml files (*.xml)|*.xml", {"xml files (*.xml)"}},
        // A description that does not show its patterns gets them, so the dialog can filter.
        {"Pictures|*.bmp;*.jpg", {"Pictures (*.bmp *.jpg)"}},
        {"Drawings|*.dxf|", {"Drawings (*.dxf)"}},
        {"", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(nameFilters(row.filter), row.expected) << qPrintable(row.filter);
}

TEST(FileChooser, WithoutAChooserEveryDialogIsCancelled)
{
    EXPECT_TRUE(fileChooser().choose({FileChoice::Mode::Open, "*.xml", "xml", {}}).isEmpty());
    {
        RecordingFileChooser recording;
        recording.answers = {QStringLiteral("/labels/a.xml")};
        EXPECT_EQ(fileChooser().choose({}), QStringLiteral("/labels/a.xml"));
        EXPECT_TRUE(fileChooser().choose({}).isEmpty()) << "answers run out as cancel";
        EXPECT_EQ(recording.asked.size(), 2);
    }
    EXPECT_TRUE(fileChooser().choose({}).isEmpty()) << "the recording chooser uninstalls itself";
}

// A dialog given no folder opens in the working folder, which for a program started from the
// desktop is often the file-system root.
TEST(FileChooser, DialogsWithoutALabelFolderStartAmongTheDocuments)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    const struct {
        const char* name;
        bool documentsExist;
        QString folder;
    } rows[] = {
        {"no documents folder yet: home", false, home.path()},
        {"documents folder", true, home.filePath(QStringLiteral("Documents"))},
    };
    for (const auto& row : rows) {
        if (row.documentsExist) {
            ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        }
        EXPECT_EQ(documentsFolder(), row.folder) << row.name;
    }
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
}

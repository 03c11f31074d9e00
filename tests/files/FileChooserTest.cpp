#include "files/FileChooser.h"

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

#include "LabelTestData.h"

#include "files/FileError.h"
#include "files/RecentFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray entityBomb()
{
    QByteArray dtd = "<!ENTITY a0 \"lollollollollollollollollollol\">";
    for (int i = 1; i < 12; ++i) {
        dtd += "<!ENTITY a" + QByteArray::number(i) + " \"";
        for (int k = 0; k < 10; ++k)
            dtd += "&a" + QByteArray::number(i - 1) + ";";
        dtd += "\">";
    }
    return "<?xml version=\"1.0\"?><!DOCTYPE Object [" + dtd + "]><Object><Label><Width>&a11;</Width></Label></Object>";
}

TEST(LabelHostileFiles, ErrorsLeaveTheDocumentAndSettingsAsTheyWere)
{
    QTemporaryDir dir;
    const QString secret = dir.filePath(QStringLiteral("secret.txt"));
    ASSERT_TRUE(writeFile(secret, "1234"));

    const QByteArray valid = everyKindLabel().bytes();
    const struct {
        const char* description;
        QByteArray bytes;
    } rows[] = {
        {"empty file", QByteArray()},
        {"not XML", QByteArray("Width=1300\nHeight=900\n")},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)},
        {"truncated", valid.left(valid.size() / 2)},
        {"empty root", QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?><Object/>")},
        {"root with only blanks", QByteArray("<Object>\n  <!-- nothing -->\n</Object>")},
        {"entity expansion bomb", entityBomb()},
        {"external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE Object [<!ENTITY s SYSTEM \"file://" + secret.toUtf8() +
             "\">]><Object><Label><Width>&s;</Width></Label></Object>"},
        {"external DTD", QByteArray("<?xml version=\"1.0\"?><!DOCTYPE Object SYSTEM \"http://example.invalid/x.dtd\">"
                                    "<Object><Label/></Object>")},
        {"bytes that are not GBK", QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?><Object><Label>"
                                              "<Width>\xff\xff</Width></Label></Object>")},
        {"deep nesting", QByteArray(100000, '<').replace('<', "<a>")},
    };
    for (const auto& row : rows) {
        LabelState state = everyKindLabel();
        setDistinctSettings(state);
        state.document.modified = true;
        const LabelState before = state;
        EXPECT_THROW(readLabel(row.bytes, QStringLiteral("hostile.xml"), state.target()), FileError)
            << row.description;
        EXPECT_EQ(state.document.objects, before.document.objects) << row.description;
        EXPECT_EQ(state.label, before.label) << row.description;
        EXPECT_EQ(state.job, before.job) << row.description;
        EXPECT_TRUE(state.document.modified) << row.description;
    }
}

TEST(LabelHostileFiles, TheMessageNamesTheFileAndTheProblem)
{
    LabelState state;
    try {
        readLabel("<Object><Label>", QStringLiteral("broken.xml"), state.target());
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().startsWith(u"broken.xml: 不是可读的 XML 文件（第 1 行"))
            << error.message().toStdString();
    }
}

TEST(LabelHostileFiles, AnUnreadableFileIsAnErrorAfterTheRecentListIsUpdated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.xml"));
    ASSERT_TRUE(writeFile(path, "<Object>"));
    RecentFiles recent(dir.filePath(QStringLiteral("setting.ini")));
    LabelState state;
    EXPECT_THROW(LoadLabel(path, state.target(), &recent), FileError);
    EXPECT_EQ(recent.entries().first(), path);
}

} // namespace

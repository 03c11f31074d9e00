#include "LabelTestData.h"

#include "model/TextCodec.h"

#include <gtest/gtest.h>

namespace {

QString roundTrip(const QString& text, QByteArray* written = nullptr)
{
    LabelState state;
    Tshape shape = makeShape(ShapeKind::PrintString);
    shape.str = text;
    state.document.objects.append(shape);
    const QByteArray bytes = state.bytes();
    if (written)
        *written = bytes;
    LabelState loaded;
    readLabel(bytes, QStringLiteral("test.xml"), loaded.target());
    return loaded.document.objects.value(0).str;
}

TEST(LabelEncoding, TextsSurviveTheFile)
{
    const struct {
        const char* description;
        QString text;
        QByteArray inFile; // how the text appears between <str> and </str>
    } rows[] = {
        {"GB2312", QStringLiteral("批号"), gbk::encode(QStringLiteral("批号"))},
        {"GBK only", QStringLiteral("镕喆堃"), gbk::encode(QStringLiteral("镕喆堃"))},
        {"not in GBK", QStringLiteral("한😀"), QByteArray("&#54620;&#128512;")},
        {"markup characters", QStringLiteral("a<b>&\"c'"), QByteArray("a&lt;b&gt;&amp;\"c'")},
        {"blanks only", QStringLiteral("   "), QByteArray("   ")},
        {"line breaks", QStringLiteral("a\r\nb\tc"), QByteArray("a&#13;\nb\tc")},
    };
    for (const auto& row : rows) {
        QByteArray written;
        EXPECT_EQ(roundTrip(row.text, &written), row.text) << row.description;
        EXPECT_TRUE(written.contains("<str>" + row.inFile + "</str>")) << row.description << ": " << written.toStdString();
    }
}

TEST(LabelEncoding, CharactersXmlCannotHoldAreLeftOutSoTheFileStaysReadable)
{
    EXPECT_EQ(roundTrip(QStringLiteral("A\x01" "B\x1F" "C")), u"ABC");
    EXPECT_EQ(roundTrip(QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y")), u"xy");
}

TEST(LabelEncoding, FilesFromTheFieldHoldGbkBytesUnderAGb2312Declaration)
{
    const QByteArray bytes = "<?xml version=\"1.0\" encoding=\"GB2312\"?><Object><Label/><cutImage>"
                             "<printLeft>1</printLeft><printTop>1</printTop><printRight>1</printRight>"
                             "<printBottom>1</printBottom><Left>1</Left><Top>1</Top><Right>1</Right>"
                             "<Bottom>1</Bottom><Selected>0</Selected><Stretch>1</Stretch><fileName>" +
                             gbk::encode(QStringLiteral("D:\\标签\\镕.bmp")) + "</fileName></cutImage></Object>";
    LabelState state;
    const LabelLoadResult result = readLabel(bytes, QStringLiteral("field.xml"), state.target());
    EXPECT_TRUE(result.complete);
    ASSERT_EQ(state.document.objects.size(), 1);
    EXPECT_EQ(state.document.objects[0].fileName, u"D:\\标签\\镕.bmp");
    EXPECT_FALSE(result.settingsComplete) << "an empty Label element has no Width";
}

} // namespace

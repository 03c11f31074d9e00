#include "model/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, EncodesAsciiAndChineseAsGbk)
{
    EXPECT_EQ(gbk::encode(QStringLiteral("AB1")), QByteArray("AB1"));
    EXPECT_EQ(gbk::encode(QStringLiteral("中")), QByteArray("\xD6\xD0"));
    EXPECT_EQ(gbk::byteLength(QStringLiteral("中文ab")), 6);
}

TEST(TextCodec, RoundTripsCharactersOutsideGb2312)
{
    // "镕" and "堃" are in GBK but not in GB2312: label files from the field hold them.
    const QString text = QStringLiteral("朱镕基 堃 €");
    ASSERT_TRUE(gbk::canEncode(text));
    bool ok = false;
    EXPECT_EQ(gbk::decode(gbk::encode(text), &ok), text);
    EXPECT_TRUE(ok);
}

TEST(TextCodec, CharactersGbkCannotHoldBecomeQuestionMarks)
{
    const QString text = QStringLiteral("a\u0E01b\U0001F600c"); // Thai letter, emoji
    EXPECT_FALSE(gbk::canEncode(text));
    EXPECT_EQ(gbk::encode(text), QByteArray("a?b?c"));
}

TEST(TextCodec, InvalidBytesAreReported)
{
    bool ok = true;
    EXPECT_TRUE(gbk::decode(QByteArray("\xD6", 1), &ok).isEmpty()); // truncated pair
    EXPECT_FALSE(ok);
    ok = true;
    gbk::decode(QByteArray("\x81\x20", 2), &ok);
    EXPECT_FALSE(ok);
}

TEST(TextCodec, WellFormedGbk)
{
    // Decoded texts checked with iconv's GBK table.
    struct Row {
        QByteArray bytes;
        bool wellFormed;
        const char* text; // what decode gives; empty when malformed
    };
    const Row rows[] = {
        {QByteArray("abc"), true, "abc"},
        {QByteArray("\x80", 1), true, "€"},               // the euro sign of code page 936
        {QByteArray("\xD6\xD0", 2), true, "中"},
        {QByteArray("\x81\x40", 2), true, "丂"},          // 0x40 is the lowest trail byte
        {QByteArray("\xB0\x40", 2), true, "癅"},
        {QByteArray("\x81\x3F", 2), false, ""},
        {QByteArray("\xFF", 1), false, ""},               // never a GBK byte
        {QByteArray("\xA1\x7F", 2), false, ""},
        {QByteArray("\xD6\xD0\xD6", 3), false, ""},      // cut in the middle of a character
    };
    for (const Row& row : rows) {
        EXPECT_EQ(gbk::isWellFormed(row.bytes), row.wellFormed) << row.bytes.toHex().constData();
        bool ok = !row.wellFormed;
        EXPECT_EQ(gbk::decode(row.bytes, &ok), QString::fromUtf8(row.text)) << row.bytes.toHex().constData();
        EXPECT_EQ(ok, row.wellFormed) << row.bytes.toHex().constData();
    }
}

#include "view/BarcodeSymbol.h"
#include "view/SymbolRequests.h"

#include <gtest/gtest.h>

namespace {

const QString kCode128 = QStringLiteral("CODE128(with auto code)");

} // namespace

// "ABC123" in Code 128 is 101 modules wide (start, six characters, check, stop); the size of
// a symbol is 2 x scale pixels per module, whatever the library does with small scales.
TEST(BarcodeSymbol, SizeFollowsTheScaleTablesBelowTheLibrarysMinimum)
{
    const struct {
        int barWidth;
        int width;
    } rows[] = {
        {1, 33},  // 202 x 0.165: the library alone would clamp this to one pixel per module (101)
        {2, 63},  // 202 x 0.315
        {3, 95},  // 202 x 0.475
        {4, 128}, // from here on the same as the library's own scaled bitmap
        {5, 159},
        {7, 222},
        {15, 478},
        {0, 202}, // default scale 1
    };
    for (const auto& row : rows) {
        const BarcodeSymbol symbol = encodeSymbol(linearRequest(kCode128, row.barWidth, QStringLiteral("ABC123")));
        EXPECT_EQ(symbol.width, row.width) << row.barWidth;
        EXPECT_EQ(symbol.image.width(), 101) << "one pixel per module";
    }
}

TEST(BarcodeSymbol, ValuesTheSymbologyCannotEncodeGiveAnEmptySymbol)
{
    const struct {
        const char* barType;
        QString value;
    } rows[] = {
        {"EAN13", QStringLiteral("ABCDEFGHIJKL")},
        {"EAN13", QStringLiteral("12345678901234567")}, // too long
        {"CODE128(with auto code)", QString()},
        {"EAN128", QStringLiteral("123")},               // no application identifier
        {"ITF25", QStringLiteral("12A4")},
        {"CODE128(with auto code)", QString(9000, u'1')}, // far beyond any symbol
    };
    for (const auto& row : rows) {
        const BarcodeSymbol symbol = encodeSymbol(linearRequest(QString::fromLatin1(row.barType), 2, row.value));
        EXPECT_TRUE(symbol.isEmpty()) << row.barType << " " << qPrintable(row.value.left(20));
        EXPECT_EQ(symbol.width, 0);
        EXPECT_EQ(symbol.height, 0);
    }
}

TEST(BarcodeSymbol, WhiteIsTransparentAndDarkModulesAreOpaque)
{
    // A QR code's top-left corner is a finder pattern: seven dark modules, then a light separator.
    const BarcodeSymbol symbol = encodeSymbol(qrRequest(QStringLiteral("HELLO"), 7, 0));
    ASSERT_FALSE(symbol.isEmpty());
    EXPECT_EQ(symbol.image.width(), 21);
    EXPECT_EQ(symbol.width, 42);
    EXPECT_EQ(qAlpha(symbol.image.pixel(0, 0)), 255);
    EXPECT_EQ(qGray(symbol.image.pixel(0, 0)), 0);
    EXPECT_EQ(symbol.image.pixel(7, 0), 0u) << "the separator must let the label show through";
}

TEST(BarcodeSymbol, TheLibraryTurnsTheSymbol)
{
    const BarcodeSymbol upright = encodeSymbol(pdf417Request(QStringLiteral("HELLO WORLD"), 7, 2));
    const BarcodeSymbol turned = encodeSymbol(pdf417Request(QStringLiteral("HELLO WORLD"), 7, 2, 90));
    ASSERT_FALSE(upright.isEmpty());
    EXPECT_GT(upright.width, upright.height);
    EXPECT_EQ(turned.width, upright.height);
    EXPECT_EQ(turned.height, upright.width);
}

TEST(BarcodeSymbol, QrLevelsZeroToThreeAreLMQH)
{
    // Checked with the library directly: this text needs 25 modules at L, M and Q, 29 at H.
    const QString value = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const struct {
        int level;
        int modules;
    } rows[] = {{0, 25}, {1, 25}, {2, 25}, {3, 29}, {9, 25}};
    for (const auto& row : rows)
        EXPECT_EQ(encodeSymbol(qrRequest(value, 7, row.level)).image.width(), row.modules) << row.level;
}

TEST(BarcodeSymbol, DataMatrixIsAlwaysSquare)
{
    // Left to itself the library would choose an 8 x 32 rectangle for this text.
    const BarcodeSymbol symbol = encodeSymbol(dataMatrixRequest(QStringLiteral("HELLO WORLD"), 7));
    ASSERT_FALSE(symbol.isEmpty());
    EXPECT_EQ(symbol.width, symbol.height);
    EXPECT_EQ(symbol.image.width(), 16);
}

TEST(BarcodeSymbol, ValuesAreHandedOverAsGbkBytes)
{
    const QByteArray gbk("\xb2\xe2\xca\xd4"); // "测试"
    EXPECT_EQ(qrRequest(QStringLiteral("测试"), 4, 0).data, gbk);
    EXPECT_EQ(linearRequest(QStringLiteral("CODE128(without auto code)"), 2, QStringLiteral("测试")).data, gbk);
    EXPECT_FALSE(encodeSymbol(qrRequest(QStringLiteral("测试"), 4, 0)).isEmpty());
}

#include "view/BarcodeTables.h"

#include <gtest/gtest.h>

TEST(BarcodeTables, TypeNamesAreComparedInUpperCase)
{
    const struct {
        const char* barType;
        int symbology;
    } rows[] = {
        {"EAN13", symbology::Ean},
        {"ean13", symbology::Ean}, // the dialog's names in any case select the same symbology
        {"EAN8", symbology::Ean},  // the library tells EAN-8 from EAN-13 by the value's length
        {"CODE128(with auto code)", symbology::Code128},
        {"CODE128(without auto code)", symbology::Code128B},
        {"code93", symbology::Code93},
        {"EAN128", symbology::Ean128},
        {"UPC-A", symbology::UpcA},
        {"upc-e", symbology::UpcE},
        {"CODE39(standard)", symbology::Code39},
        {"CODE39(full ASCII)", symbology::ExtendedCode39},
        {"ITF25", symbology::Interleaved2of5},
        {"", symbology::Code128},       // unknown names draw Code 128
        {"EAN 13", symbology::Code128},
        {"QRCODE", symbology::Code128},
    };
    for (const auto& row : rows)
        EXPECT_EQ(barSymbology(QString::fromLatin1(row.barType)), row.symbology) << row.barType;
}

TEST(BarcodeTables, OnlyTheCode39TypesAreCode39)
{
    EXPECT_TRUE(isCode39(QStringLiteral("CODE39(standard)")));
    EXPECT_TRUE(isCode39(QStringLiteral("code39(full ascii)")));
    EXPECT_FALSE(isCode39(QStringLiteral("CODE93")));
    EXPECT_FALSE(isCode39(QStringLiteral("CODE39")));
}

TEST(BarcodeTables, NarrowBarWidthSelectsTheScale)
{
    const struct {
        int barWidth;
        float scale;
    } rows[] = {
        {1, 0.165f}, {2, 0.315f}, {3, 0.475f}, {8, 1.25f}, {14, 2.21f}, {15, 2.37f},
        {0, 1.0f}, {16, 1.0f}, {-2, 1.0f}, // outside 1..15: the library's default
    };
    for (const auto& row : rows)
        EXPECT_FLOAT_EQ(barScale(row.barWidth), row.scale) << row.barWidth;
}

TEST(BarcodeTables, ModuleSizeOfTwoDimensionalCodesSelectsTheScale)
{
    const struct {
        int barWidth;
        float scale;
    } rows[] = {{1, 0.19f}, {7, 1.0f}, {15, 2.08f}, {0, 0.055f}, {52, 7.075f}};
    for (const auto& row : rows)
        EXPECT_NEAR(matrixScale(row.barWidth), row.scale, 1e-6) << row.barWidth;
}

TEST(BarcodeTables, RotationAngleDependsOnTheKind)
{
    const struct {
        ShapeKind kind;
        int direction;
        int angle;
    } rows[] = {
        {ShapeKind::PrintBar, 0, 0},        {ShapeKind::PrintBar, 1, 270},
        {ShapeKind::PrintBar, 2, 180},      {ShapeKind::PrintBar, 3, 90},
        {ShapeKind::PrintQRBar, 1, 270},    {ShapeKind::PrintQRBar, 3, 90},
        {ShapeKind::PrintDataMatrix, 1, 90}, {ShapeKind::PrintDataMatrix, 3, 270},
        {ShapeKind::PrintPdf417Bar, 1, 90}, {ShapeKind::PrintPdf417Bar, 2, 180},
        {ShapeKind::PrintQRBar, 7, 0}, // a damaged file's rotation draws upright
        {ShapeKind::PrintBar, -1, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(symbolRotation(row.kind, row.direction), row.angle) << static_cast<int>(row.kind) << " " << row.direction;
}

#include "model/Tobject.h"
#include "view/SymbolMeasure.h"
#include "view/TextObjects.h"
#include "view/TobjectAnchoredAdd.h"

#include "ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

const QString kFace = QStringLiteral("DejaVu Sans");

void addTexts(Tobject& document, const QImage& surface, int rows, int columns, float size = 12)
{
    AddPrintStrings(document, QStringLiteral("批号"), 50, 80, rows, columns, 100, 300, QStringLiteral("Lot 7"),
                    0, kFace, size, 1, 0, 0, 0, 2, surface, 1, 1.2f, 0.8f, QStringLiteral("Col"),
                    QStringLiteral("文本"), 3);
}

void addQr(Tobject& document, int direction, const QString& value = QStringLiteral("HELLO"))
{
    AddPrintQRBar(document, QStringLiteral("qr"), 1000, 1000, direction, 1, 4, value, QString());
}

void addCode128(Tobject& document, int direction, const QString& value)
{
    AddPrintBar(document, QStringLiteral("bar"), 1000, 1000, direction, QStringLiteral("code128(with auto code)"),
                2, 4, 100, 1, value, 2, QString(), kFace, 9, 0, 0, 0, 0, 0.5f, 1.0f, 1.0f, 3, 0, 0.5f, 1.0f,
                QStringLiteral("<"), QStringLiteral(">"));
}

} // namespace

TEST(TobjectAnchoredAdd, TextGridStepsByPitchRowByRow)
{
    const QImage surface = view_test::whiteSurface(10, 10);
    Tobject document;
    addQr(document, 0);
    addTexts(document, surface, 2, 3);
    ASSERT_EQ(document.objects.size(), 7);
    EXPECT_FALSE(document.objects[0].Selected);
    const int anchors[6][2] = {{50, 80}, {350, 80}, {650, 80}, {50, 180}, {350, 180}, {650, 180}};
    const QSize extent = measureTextExtent(QStringLiteral("Lot 7"), kFace, 12, 2, surface);
    for (int k = 0; k < 6; ++k) {
        const Tshape& text = document.objects[k + 1];
        EXPECT_EQ(text.Type, QStringLiteral("printString"));
        EXPECT_TRUE(text.Selected);
        EXPECT_FALSE(text.Stretch);
        EXPECT_EQ(text.printLeft, anchors[k][0]) << k;
        EXPECT_EQ(text.printTop, anchors[k][1]) << k;
        EXPECT_EQ(text.printRight, 0);
        EXPECT_EQ(text.printBottom, 0);
        // Pixel anchors step in whole pixels: ToPixels(300) = 113, ToPixels(100) = 38.
        EXPECT_EQ(text.Left, 19 + 113 * (k % 3)) << k;
        EXPECT_EQ(text.Top, 30 + 38 * (k / 3)) << k;
        EXPECT_EQ(text.Right - text.Left, static_cast<int>(extent.width() * 1.2f)) << k;
        EXPECT_EQ(text.Bottom - text.Top, static_cast<int>(extent.height() * 0.8f)) << k;
    }
    const Tshape& first = document.objects[1];
    EXPECT_EQ(first.name, QStringLiteral("批号"));
    EXPECT_EQ(first.str, QStringLiteral("Lot 7"));
    EXPECT_EQ(first.strGap, 2.0f);
    EXPECT_EQ(first.bold, 1);
    EXPECT_EQ(first.serialNo, 1);
    EXPECT_EQ(first.DBField, QStringLiteral("Col"));
    EXPECT_EQ(first.DBType, QStringLiteral("文本"));
    EXPECT_EQ(first.DBDateStyle, 3);
    EXPECT_TRUE(document.modified);
    EXPECT_TRUE(document.undoAvailable);
    EXPECT_EQ(document.undoList.size(), 1);
}

TEST(TobjectAnchoredAdd, TextSizeIsKeptForPrintingAndScaledForTheScreen)
{
    const QImage surface = view_test::whiteSurface(10, 10);
    const struct {
        float zoom;
        float size;
        int printSize;
        float fontSize;
    } rows[] = {{2.0f, 12, 12, 24}, {1.0f, 12, 12, 12}, {1.5f, 10.5f, 10, 15.75f}, {0.5f, 9, 9, 4.5f}};
    for (const auto& row : rows) {
        Tobject document;
        document.zoom = row.zoom;
        addTexts(document, surface, 1, 1, row.size);
        ASSERT_EQ(document.objects.size(), 1);
        EXPECT_EQ(document.objects[0].printSize, row.printSize) << row.zoom;
        EXPECT_FLOAT_EQ(document.objects[0].fontSize, row.fontSize) << row.zoom;
    }
}

TEST(TobjectAnchoredAdd, AnEmptyTextGridStillSnapshotsDeselectsAndMarksModified)
{
    const QImage surface = view_test::whiteSurface(10, 10);
    for (const auto& [rows, columns] : {std::pair{0, 3}, std::pair{2, 0}, std::pair{-1, -1}}) {
        Tobject document;
        addQr(document, 0);
        document.modified = false;
        document.undoAvailable = false;
        addTexts(document, surface, rows, columns);
        EXPECT_EQ(document.objects.size(), 1);
        EXPECT_FALSE(document.objects[0].Selected);
        EXPECT_TRUE(document.modified);
        EXPECT_TRUE(document.undoAvailable);
    }
}

TEST(TobjectAnchoredAdd, SymbolBoxesTurnAroundTheAnchor)
{
    // Anchor 1000, 1000 is pixel 378; the QR code (21 modules at size 4) is 24 pixels.
    const int p = 378;
    const PixelBox expected[] = {
        {p, p, p + 24, p + 24},
        {p, p - 24, p + 24, p}, // direction 1: the box lies above the anchor
        {p - 24, p - 24, p, p},
        {p - 24, p, p, p + 24},
    };
    for (int direction = 0; direction < 4; ++direction) {
        Tobject document;
        addQr(document, direction);
        EXPECT_EQ(pixelBoxOf(document.objects[0]), expected[direction]) << direction;
    }
}

TEST(TobjectAnchoredAdd, BarcodeBoxIsItsLengthByItsBarHeight)
{
    for (int direction = 0; direction < 4; ++direction) {
        Tobject document;
        addCode128(document, direction, QStringLiteral("ABC123"));
        const Tshape& bar = document.objects[0];
        const int length = MeasureBar(document, QStringLiteral("ABC123"), 2, bar.barType); // value alone
        const bool alongY = direction % 2 == 1;
        // barHeight 100 at 100 % on a 96-dpi screen: trunc(37.8 + 0.5) = 38 pixels.
        EXPECT_EQ(alongY ? bar.Right - bar.Left : bar.Bottom - bar.Top, 38) << direction;
        EXPECT_EQ(alongY ? bar.Bottom - bar.Top : bar.Right - bar.Left, length) << direction;
    }
}

TEST(TobjectAnchoredAdd, BarcodeKeepsEveryFieldItIsGiven)
{
    Tobject document;
    addCode128(document, 1, QStringLiteral("ABC123"));
    const Tshape& bar = document.objects[0];
    EXPECT_EQ(bar.Type, QStringLiteral("printBar"));
    EXPECT_EQ(bar.name, QStringLiteral("bar"));
    EXPECT_EQ(bar.printLeft, 1000);
    EXPECT_EQ(bar.printTop, 1000);
    EXPECT_EQ(bar.printRight, 0);
    EXPECT_FALSE(bar.Stretch);
    EXPECT_TRUE(bar.Selected);
    EXPECT_EQ(bar.barType, QStringLiteral("code128(with auto code)"));
    EXPECT_EQ(bar.barWidth, 2);
    EXPECT_EQ(bar.wideBarWidth, 4);
    EXPECT_EQ(bar.barHeight, 100);
    EXPECT_EQ(bar.selfAdd, 1);
    EXPECT_EQ(bar.displayCode, 2);
    EXPECT_EQ(bar.fontSize, 9.0f);
    EXPECT_EQ(bar.strGap, 0.5f);
    EXPECT_EQ(bar.alignMode, 3);
    EXPECT_EQ(bar.xOffset, 0.5f);
    EXPECT_EQ(bar.yOffset, 1.0f);
    EXPECT_EQ(bar.beginStr, QStringLiteral("<"));
    EXPECT_EQ(bar.endStr, QStringLiteral(">"));
}

TEST(TobjectAnchoredAdd, AnUnencodableValueAddsAZeroLengthSymbol)
{
    Tobject document;
    addCode128(document, 0, QString());
    addQr(document, 0, QString());
    AddPrintDataMatrix(document, QStringLiteral("dm"), 0, 0, 0, 4, QString(), QString());
    for (const Tshape& shape : document.objects)
        EXPECT_EQ(shape.Right, shape.Left) << qPrintable(shape.Type);
    EXPECT_EQ(document.objects.size(), 3);
}

TEST(TobjectAnchoredAdd, TwoDimensionalCodesAreMeasuredByTheLibrary)
{
    Tobject document;
    AddPrintDataMatrix(document, QStringLiteral("dm"), 100, 200, 0, 7, QStringLiteral("HELLO WORLD"),
                       QStringLiteral("C"));
    AddPrintPdf417Bar(document, QStringLiteral("pdf"), 100, 200, 0, 2, 7, QStringLiteral("HELLO WORLD"), 3, 4,
                      QString());
    const Tshape& matrix = document.objects[0];
    EXPECT_EQ(matrix.barLevel, 0);
    EXPECT_EQ(matrix.DBField, QStringLiteral("C"));
    EXPECT_EQ(pixelBoxOf(matrix), (PixelBox{38, 76, 38 + 32, 76 + 32})); // square, 16 modules
    const Tshape& pdf = document.objects[1];
    EXPECT_EQ(pdf.barHeight, 3);
    EXPECT_EQ(pdf.barColumn, 4);
    EXPECT_FALSE(pdf.Stretch);
    EXPECT_EQ(pixelBoxOf(pdf), (PixelBox{38, 76, 38 + 206, 76 + 48}));
    EXPECT_FALSE(document.objects[0].Selected);
}

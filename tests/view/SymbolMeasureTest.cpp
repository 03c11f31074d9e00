#include "view/SymbolMeasure.h"
#include "view/SymbolRequests.h"

#include "ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

Tobject documentAt(float zoom)
{
    Tobject document;
    document.zoom = zoom;
    return document;
}

} // namespace

TEST(SymbolMeasure, SizesAreScaledByTheZoomAndTruncated)
{
    const QString code128 = QStringLiteral("CODE128(with auto code)");
    const struct {
        float zoom;
        int bar;    // 101 modules at narrow width 2: 63 pixels at 100 %
        int qr;     // 21 modules at module size 4 (0.595): 24 pixels at 100 %
    } rows[] = {{1.0f, 63, 24}, {2.0f, 126, 48}, {0.5f, 31, 12}, {1.5f, 94, 36}};
    for (const auto& row : rows) {
        const Tobject document = documentAt(row.zoom);
        EXPECT_EQ(MeasureBar(document, QStringLiteral("ABC123"), 2, code128), row.bar) << row.zoom;
        EXPECT_EQ(MeasureQR(document, QStringLiteral("HELLO"), 4, 0), row.qr) << row.zoom;
    }
}

TEST(SymbolMeasure, EmptyOrUnencodableValuesMeasureZero)
{
    const Tobject document;
    EXPECT_EQ(MeasureBar(document, QString(), 2, QStringLiteral("CODE93")), 0);
    EXPECT_EQ(MeasureBar(document, QStringLiteral("12AB"), 2, QStringLiteral("EAN13")), 0);
    EXPECT_EQ(MeasureQR(document, QString(), 4, 0), 0);
    EXPECT_EQ(MeasureDataMatrix(document, QString(), 4), 0);
    EXPECT_EQ(MeasurePdf417Width(document, QString(), 2, 2), 0);
    EXPECT_EQ(MeasurePdf417Height(document, QString(), 2, 2), 0);
}

TEST(SymbolMeasure, Ean8AndEan13AreToldApartByTheValue)
{
    const Tobject document;
    const int ean13 = MeasureBar(document, QStringLiteral("123456789012"), 7, QStringLiteral("ean13"));
    const int ean8 = MeasureBar(document, QStringLiteral("1234567"), 7, QStringLiteral("EAN13"));
    EXPECT_EQ(MeasureBar(document, QStringLiteral("1234567"), 7, QStringLiteral("EAN8")), ean8);
    EXPECT_GT(ean13, ean8);
    EXPECT_GT(ean8, 0);
}

TEST(SymbolMeasure, Pdf417WidthAndHeightComeFromOneSymbol)
{
    const Tobject document;
    // "HELLO WORLD" at level 2: 103 modules by 24 rows of pixels at one pixel per module.
    EXPECT_EQ(MeasurePdf417Width(document, QStringLiteral("HELLO WORLD"), 7, 2), 206);
    EXPECT_EQ(MeasurePdf417Height(document, QStringLiteral("HELLO WORLD"), 7, 2), 48);
}

TEST(SymbolMeasure, BarSymbolWidthMeasuresTheWholeTextOfBarcodesAndQrCodesOnly)
{
    Tobject document;
    Tshape bar = view_test::codeBar(QStringLiteral("123"), 0, 0, 0);
    bar.beginStr = QStringLiteral("A");
    bar.endStr = QStringLiteral("Z");
    document.objects.append(bar);
    document.objects.append(view_test::matrixCode(ShapeKind::PrintQRBar, QStringLiteral("HELLO"), 0, 0, 1));
    document.objects.append(view_test::matrixCode(ShapeKind::PrintDataMatrix, QStringLiteral("HELLO"), 0, 0, 0));
    document.objects.append(makeShape(ShapeKind::PrintString));

    EXPECT_EQ(BarSymbolWidth(document, 0), MeasureBar(document, QStringLiteral("A123Z"), 4, bar.barType));
    EXPECT_NE(BarSymbolWidth(document, 0), MeasureBar(document, QStringLiteral("123"), 4, bar.barType));
    EXPECT_EQ(BarSymbolWidth(document, 1), 42);
    EXPECT_EQ(BarSymbolWidth(document, 2), 0);
    EXPECT_EQ(BarSymbolWidth(document, 3), 0);
    EXPECT_EQ(BarSymbolWidth(document, 4), 0);
    EXPECT_EQ(BarSymbolWidth(document, -1), 0);
}

TEST(SymbolMeasure, Pdf417ColumnsAndHeightDoNotChangeThePreview)
{
    Tshape narrow = view_test::matrixCode(ShapeKind::PrintPdf417Bar, QStringLiteral("HELLO"), 0, 0, 0);
    Tshape wide = narrow;
    wide.barColumn = 6;
    wide.barHeight = 9;
    EXPECT_EQ(matrixDrawRequest(narrow), matrixDrawRequest(wide));
}

TEST(SymbolMeasure, CodesAreTurnedByTheirOwnRotationTables)
{
    EXPECT_EQ(matrixDrawRequest(view_test::matrixCode(ShapeKind::PrintQRBar, QStringLiteral("A"), 0, 0, 1)).rotation, 270);
    EXPECT_EQ(matrixDrawRequest(view_test::matrixCode(ShapeKind::PrintDataMatrix, QStringLiteral("A"), 0, 0, 1)).rotation, 90);
    EXPECT_EQ(matrixDrawRequest(view_test::matrixCode(ShapeKind::PrintPdf417Bar, QStringLiteral("A"), 0, 0, 3)).rotation, 270);
    EXPECT_TRUE(matrixDrawRequest(makeShape(ShapeKind::PrintBar)).data.isEmpty());
}

#include "view/SymbolDrawing.h"

#include "view/SymbolCache.h"
#include "view/SymbolMeasure.h"
#include "view/SymbolRequests.h"

#include "ViewTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

using view_test::hasInk;
using view_test::inkBox;

namespace {

// Model anchor 1000, 1000 is pixel 378, 378 at 96 dpi and 100 %.
constexpr int kAnchor = 1000;
constexpr int kPixelAnchor = 378;

QImage drawn(Tshape& shape, const Tobject& document = Tobject())
{
    QImage surface = view_test::whiteSurface();
    QPainter painter(&surface);
    if (shape.kind() == ShapeKind::PrintBar)
        drawBarcode(painter, shape, document);
    else
        drawMatrixSymbol(painter, shape, document);
    return surface;
}

} // namespace

TEST(SymbolDrawing, BarcodeBoxAndLineFollowTheRotation)
{
    const Tobject document;
    const int o = document.ToPixels(100); // bar height: 38 pixels
    const int p = kPixelAnchor;
    for (int direction = 0; direction < 4; ++direction) {
        Tshape bar = view_test::codeBar(QStringLiteral("ABC123"), kAnchor, kAnchor, direction);
        const int m = symbolLength(bar, document.zoom);
        ASSERT_GT(m, 0);
        const PixelBox expected[] = {
            {p, p, p + m, p + o},
            {p, p - m, p + o, p}, // runs upward from the anchor, its bottom-left corner
            {p - m, p - o, p, p},
            {p - o, p, p, p + m},
        };
        // The readable line lies below the upright bars: to the right of them at 90 degrees.
        const PixelBox textSide[] = {
            {p, p + o, p + m, p + o + 40},
            {p + o, p - m, p + o + 40, p},
            {p - m, p - o - 40, p, p - o},
            {p - o - 40, p, p - o, p + m},
        };
        const QImage surface = drawn(bar, document);
        EXPECT_EQ(pixelBoxOf(bar), expected[direction]) << "direction " << direction;
        EXPECT_TRUE(hasInk(surface, expected[direction])) << "bars, direction " << direction;
        EXPECT_TRUE(hasInk(surface, textSide[direction])) << "text, direction " << direction;
        bar.displayCode = 0;
        EXPECT_EQ(inkBox(drawn(bar, document)), expected[direction]) << "bars only, direction " << direction;
    }
}

TEST(SymbolDrawing, BarsAreScaledByTheZoomAlongTheirRun)
{
    Tobject document;
    document.zoom = 2;
    Tshape bar = view_test::codeBar(QStringLiteral("ABC123"), 100, 100, 0);
    bar.displayCode = 0;
    const QImage surface = drawn(bar, document);
    // 128 pixels at 100 %, 256 at 200 %; 76 pixels of bar height.
    EXPECT_EQ(inkBox(surface), (PixelBox{bar.Left, bar.Top, bar.Left + 256, bar.Top + 76}));
}

TEST(SymbolDrawing, AnUnencodableValueDrawsNoBarsAndHasNoLength)
{
    for (int direction = 0; direction < 4; ++direction) {
        Tshape bar = view_test::codeBar(QStringLiteral("NOT DIGITS"), kAnchor, kAnchor, direction);
        bar.barType = QStringLiteral("EAN13");
        bar.displayCode = 0;
        const QImage surface = drawn(bar);
        EXPECT_EQ(inkBox(surface), PixelBox()) << direction;
        const bool alongY = direction % 2 == 1;
        EXPECT_EQ(alongY ? bar.Bottom - bar.Top : bar.Right - bar.Left, 0) << direction;
    }
}

TEST(SymbolDrawing, Code39StarsAppearInTheTextButAreNotEncoded)
{
    Tshape bar = view_test::codeBar(QStringLiteral("AB12"), 0, 0, 0);
    bar.barType = QStringLiteral("CODE39(standard)");
    bar.if39Star = 1;
    EXPECT_EQ(barDrawRequest(bar).data, QByteArray("AB12"));
    EXPECT_EQ(barLengthRequest(bar).data, QByteArray("AB12"));
}

TEST(SymbolDrawing, WhiteModulesLetTheLabelShowThrough)
{
    QImage surface(200, 200, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::red);
    Tshape code = view_test::matrixCode(ShapeKind::PrintQRBar, QStringLiteral("HELLO"), 10, 10, 0);
    QPainter painter(&surface);
    drawMatrixSymbol(painter, code, Tobject());
    painter.end();
    // Two pixels per module: the finder's corner is dark, its separator (module 7) shows red.
    EXPECT_EQ(surface.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(surface.pixel(10 + 14, 10), qRgb(255, 0, 0));
    EXPECT_EQ(inkBox(surface, qRgb(255, 0, 0)), (PixelBox{10, 10, 52, 52}));
}

TEST(SymbolDrawing, TwoDimensionalCodesStartAtTheirBoxAndFollowTheZoom)
{
    Tobject document;
    document.zoom = 1.5f;
    const struct {
        ShapeKind kind;
        int width;
        int height;
    } rows[] = {
        {ShapeKind::PrintQRBar, 63, 63},     // 21 modules, 42 pixels at 100 %
        {ShapeKind::PrintDataMatrix, 30, 30}, // 10 x 10 modules
        {ShapeKind::PrintPdf417Bar, 0, 0},    // sizes from the library, below
    };
    for (const auto& row : rows) {
        Tshape code = view_test::matrixCode(row.kind, QStringLiteral("12345"), 50, 60, 0);
        const PixelBox ink = inkBox(drawn(code, document));
        EXPECT_EQ(ink.left, 50);
        EXPECT_EQ(ink.top, 60);
        if (row.width > 0) {
            EXPECT_EQ(ink.right - ink.left, row.width) << static_cast<int>(row.kind);
            EXPECT_EQ(ink.bottom - ink.top, row.height) << static_cast<int>(row.kind);
        }
    }
}

TEST(SymbolDrawing, AnUnchangedLabelRedrawsWithoutEncodingAgain)
{
    Tobject document;
    document.objects = {view_test::codeBar(QStringLiteral("A1"), 100, 100, 0),
                        view_test::matrixCode(ShapeKind::PrintQRBar, QStringLiteral("Q"), 10, 10, 0),
                        view_test::matrixCode(ShapeKind::PrintPdf417Bar, QStringLiteral("P"), 10, 10, 0)};
    symbolCache().clear();
    const auto redraw = [&] {
        QImage surface = view_test::whiteSurface(300, 300);
        QPainter painter(&surface);
        drawBarcode(painter, document.objects[0], document);
        drawMatrixSymbol(painter, document.objects[1], document);
        drawMatrixSymbol(painter, document.objects[2], document);
    };
    redraw();
    const int first = symbolCache().encodeCount();
    EXPECT_GT(first, 0);
    redraw();
    EXPECT_EQ(symbolCache().encodeCount(), first);
    document.objects[0].barValue = QStringLiteral("A2");
    redraw();
    EXPECT_GT(symbolCache().encodeCount(), first);
}

TEST(SymbolDrawing, HostileFieldsDrawSafely)
{
    Tshape bar = view_test::codeBar(QStringLiteral("1"), 2147483647, -2147483647, 9);
    bar.barHeight = 2147483647;
    bar.barWidth = -5;
    bar.fontSize = 1e30f;
    Tshape code = view_test::matrixCode(ShapeKind::PrintQRBar, QStringLiteral("1"), 2147483600, 5, 2);
    code.barWidth = 2000000000;
    code.barLevel = -7;
    drawn(bar);
    drawn(code);
    EXPECT_EQ(bar.Left, Tobject().ToPixels(2147483647));
}

#include "PrinterTestSupport.h"

#include "model/ConversionError.h"
#include "printer/TextRaster.h"

#include <QTransform>

#include <gtest/gtest.h>

namespace {

TextGraphic textAt(int x, int y, const QString& text, int rotation = 0)
{
    TextGraphic request;
    request.x = x;
    request.y = y;
    request.text = text;
    request.fontName = QStringLiteral("DejaVu Sans");
    request.sizeText = QStringLiteral("24");
    request.styleText = QStringLiteral("常规");
    request.rotation = rotation;
    request.dpi = 305;
    return request;
}

// The picture of the text as it reads on the label, whatever way it was turned for sending.
QImage upright(const RasterGraphic& graphic, int rotation)
{
    return decodedRaster(graphic).transformed(QTransform().rotate(90.0 * rotation));
}

TEST(TextRaster, SizeTextsAreNamedSizesOrWholeNumbers)
{
    struct Case {
        const char* text;
        int points;
    } const cases[] = {
        {"初号", 42}, {"小初", 36}, {"一号", 26}, {"小一", 24}, {"二号", 22}, {"小二", 18},
        {"三号", 16}, {"小三", 15}, {"四号", 14}, {"小四", 12}, {"五号", 11}, {"小五", 9},
        {"六号", 8},  {"小六", 7},  {"七号", 6},  {"八号", 5},  {"10", 10}, {" 72 ", 72},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pointSizeOf(QString::fromUtf8(c.text)), c.points) << c.text;
    for (const char* bad : {"五", "10.5", "", "大号"})
        EXPECT_THROW(pointSizeOf(QString::fromUtf8(bad)), ConversionError) << bad;
}

TEST(TextRaster, DotsAreTheGlyphsOwnPixelsReadingUpright)
{
    const std::optional<RasterGraphic> graphic = textGraphic(textAt(100, 200, QStringLiteral("L")));
    ASSERT_TRUE(graphic);
    EXPECT_EQ(graphic->x, 100);
    EXPECT_EQ(graphic->y, 200);
    EXPECT_EQ(graphic->width % 8, 0);
    const QImage dots = decodedRaster(*graphic);
    const QRect box = dotBounds(dots);
    ASSERT_FALSE(box.isNull());
    // A 24-point glyph at 305 dpi is about 100 dots high: its cap is most of that.
    EXPECT_GT(box.height(), 60);
    EXPECT_LT(box.height(), graphic->height);
    // "L": the stem runs the full height at the left, the foot reaches further right than
    // the top of the stem. A mirrored or flipped raster fails one of these.
    int topRight = -1;
    int bottomRight = -1;
    for (int x = box.left(); x <= box.right(); ++x) {
        if (dots.pixel(x, box.top()) == qRgb(0, 0, 0))
            topRight = x;
        if (dots.pixel(x, box.bottom()) == qRgb(0, 0, 0))
            bottomRight = x;
    }
    EXPECT_GT(bottomRight, topRight + 20);
    EXPECT_EQ(dots.pixel(box.left(), box.top()), qRgb(0, 0, 0));
    // At least the 8 columns the surface adds after the text stay blank.
    EXPECT_LE(box.right(), graphic->width - 9);
}

TEST(TextRaster, EveryRotationSendsTheSameDotsTurnedAndMovesTheAnchorToItsCorner)
{
    const TextGraphic base = textAt(1000, 1000, QStringLiteral("Lq"));
    const std::optional<RasterGraphic> upright0 = textGraphic(base);
    ASSERT_TRUE(upright0);
    const QRect reference = dotBounds(decodedRaster(*upright0));
    const int p = upright0->width; // already a multiple of 8 at rotation 0
    const int q = upright0->height;
    // Anchor moves, in tenths of a millimetre: the text's length p or thickness q at 305 dpi.
    struct Case {
        int rotation;
        int dx, dy;
    } const cases[] = {
        {1, 0, -1},
        {2, -1, -2},
        {3, -2, 0},
    };
    for (const Case& c : cases) {
        TextGraphic request = base;
        request.rotation = c.rotation;
        const std::optional<RasterGraphic> turned = textGraphic(request);
        ASSERT_TRUE(turned);
        const bool across = c.rotation % 2 == 1;
        const int sentP = across ? turned->height : turned->width;
        const int sentQ = across ? turned->width : turned->height;
        EXPECT_EQ(turned->width % 8, 0);
        const auto moved = [&](int code) { return code == -1 ? -sentP * 254 / 305 : code == -2 ? -sentQ * 254 / 305 : 0; };
        EXPECT_EQ(turned->x, 1000 + moved(c.dx)) << c.rotation;
        EXPECT_EQ(turned->y, 1000 + moved(c.dy)) << c.rotation;
        // Turned back upright, the dots are those of rotation 0 (padding aside).
        const QImage back = upright(*turned, c.rotation);
        const QRect bounds = dotBounds(back);
        EXPECT_EQ(bounds.size(), reference.size()) << c.rotation;
        EXPECT_EQ(back.copy(bounds), decodedRaster(*upright0).copy(reference)) << c.rotation;
        EXPECT_LE(qAbs(sentP - p), 7);
        EXPECT_LE(qAbs(sentQ - q), 7);
    }
}

TEST(TextRaster, RowDimensionIsRaisedWithBlankDotsNotStretched)
{
    // Rotation 1 sends the text's length unraised: it tells the scaled width exactly.
    TextGraphic request = textAt(0, 500, QStringLiteral("Ab"), 1);
    const std::optional<RasterGraphic> measured = textGraphic(request);
    ASSERT_TRUE(measured);
    request.widthFactor = 100.25 / measured->height; // scaled width: trunc(100.25) = 100 dots
    const std::optional<RasterGraphic> across = textGraphic(request);
    ASSERT_TRUE(across);
    EXPECT_EQ(across->height, 100);
    EXPECT_EQ(across->y, 500 - 100 * 254 / 305); // moved up by the text's length
    EXPECT_EQ(across->width % 8, 0);

    request.rotation = 0;
    const std::optional<RasterGraphic> along = textGraphic(request);
    ASSERT_TRUE(along);
    EXPECT_EQ(along->width, 104);
    EXPECT_EQ(along->y, 500);
    EXPECT_LT(dotBounds(decodedRaster(*along)).right(), 100);
}

TEST(TextRaster, GapWidensTheSurfaceByWholeDotsPerCharacter)
{
    TextGraphic packed = textAt(0, 0, QStringLiteral("ABCD"));
    TextGraphic spaced = packed;
    spaced.gap = 1.0; // ceil(305 / 25.4) = 13 dots after each character
    const std::optional<RasterGraphic> a = textGraphic(packed);
    const std::optional<RasterGraphic> b = textGraphic(spaced);
    ASSERT_TRUE(a && b);
    const QRect packedDots = dotBounds(decodedRaster(*a));
    const QRect spacedDots = dotBounds(decodedRaster(*b));
    // Three gaps lie between the first and the last character.
    EXPECT_EQ(spacedDots.width() - packedDots.width(), 3 * 13);
}

TEST(TextRaster, TextsThatPrintNoDotAreaSendNothing)
{
    struct Case {
        const char* text;
        double widthFactor;
        double heightFactor;
        const char* size;
    } const cases[] = {
        {"", 1, 1, "12"},
        {"A", 0, 1, "12"},  // would divide the gap by zero
        {"A", 1, 0, "12"},
        {"A", 1, 1, "0"},
    };
    for (const Case& c : cases) {
        TextGraphic request = textAt(0, 0, QString::fromUtf8(c.text));
        request.widthFactor = c.widthFactor;
        request.heightFactor = c.heightFactor;
        request.sizeText = QString::fromUtf8(c.size);
        EXPECT_FALSE(textGraphic(request)) << c.text << c.widthFactor << c.heightFactor << c.size;
    }
}

TEST(TextRaster, TextTooLargeForTheHeadIsRefused)
{
    TextGraphic request = textAt(0, 0, QStringLiteral("WWWWWWWWWW"));
    request.sizeText = QStringLiteral("初号");
    request.widthFactor = 20;
    EXPECT_THROW(textGraphic(request), GraphicRangeError);
}

TEST(TextRaster, ChineseCharactersAreDrawnTwoBytesAtATime)
{
    const std::optional<RasterGraphic> one = textGraphic(textAt(0, 0, QStringLiteral("中")));
    const std::optional<RasterGraphic> two = textGraphic(textAt(0, 0, QStringLiteral("中中")));
    ASSERT_TRUE(one && two);
    const QRect first = dotBounds(decodedRaster(*one));
    const QRect both = dotBounds(decodedRaster(*two));
    ASSERT_FALSE(first.isNull());
    // The second character repeats the first one advance further on, not a pair of half glyphs.
    EXPECT_GT(both.width(), first.width() * 2 - 4);
    EXPECT_EQ(both.height(), first.height());
}

} // namespace

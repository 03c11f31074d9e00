#include "view/TextObjects.h"

#include "ViewTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

using view_test::inkBox;

namespace {

const QString kFace = QStringLiteral("DejaVu Sans");

Tshape textObject(const QString& str, int direction, float widthFactor, float heightFactor)
{
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = str;
    text.fontName = kFace;
    text.fontSize = 20;
    text.direction = direction;
    text.widthFactor = widthFactor;
    text.heightFactor = heightFactor;
    text.printLeft = 1000; // pixel 378 at 96 dpi and 100 %
    text.printTop = 1000;
    return text;
}

QImage drawn(Tshape& text)
{
    QImage surface = view_test::whiteSurface();
    QPainter painter(&surface);
    drawPrintString(painter, text, Tobject());
    return surface;
}

bool contains(const PixelBox& outer, const PixelBox& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom;
}

} // namespace

TEST(TextObjects, CharacterExtraWidensEveryCharacter)
{
    const QImage surface = view_test::whiteSurface(10, 10);
    const QString text = QStringLiteral("Label 12");
    const QSize plain = measureTextExtent(text, kFace, 12, 0, surface);
    const QSize spaced = measureTextExtent(text, kFace, 12, 3, surface);
    EXPECT_GT(plain.width(), 0);
    EXPECT_EQ(spaced.width() - plain.width(), 3 * text.size());
    EXPECT_EQ(spaced.height(), plain.height());
}

TEST(TextObjects, PointsAreConvertedAtTheSurfacesResolution)
{
    QImage screen = view_test::whiteSurface(10, 10);
    QImage fine = screen;
    fine.setDotsPerMeterX(screen.dotsPerMeterX() * 2);
    fine.setDotsPerMeterY(screen.dotsPerMeterY() * 2);
    const QString text = QStringLiteral("1234567890");
    const QSize atScreen = measureTextExtent(text, kFace, 12, 0, screen);
    const QSize atFine = measureTextExtent(text, kFace, 12, 0, fine);
    EXPECT_NEAR(atFine.width(), 2 * atScreen.width(), 3);
    EXPECT_EQ(measureTextExtent(text, kFace, 24, 0, screen), atFine);
    EXPECT_EQ(measureTextExtent(text, kFace, 0, 0, screen), QSize());
}

TEST(TextObjects, TextIsTurnedAroundItsAnchorAndStretchedByItsFactors)
{
    Tshape upright = textObject(QStringLiteral("Marlune 42"), 0, 1.0f, 1.0f);
    drawn(upright);
    const int width = upright.Right - upright.Left;
    const int height = upright.Bottom - upright.Top;
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);

    // Each edge is truncated as a whole: 378 - 12.6 gives 365, not 378 - 12.
    const double p = 378;
    const double along = 1.5 * width;
    const double across = 0.7f * height;
    const auto at = [](double edge) { return static_cast<int>(edge); };
    const PixelBox expected[] = {
        {at(p), at(p), at(p + along), at(p + across)},
        {at(p), at(p - along), at(p + across), at(p)}, // reads upward from the anchor
        {at(p - along), at(p - across), at(p), at(p)},
        {at(p - across), at(p), at(p), at(p + along)},
    };
    for (int direction = 0; direction < 4; ++direction) {
        Tshape text = textObject(QStringLiteral("Marlune 42"), direction, 1.5f, 0.7f);
        const QImage surface = drawn(text);
        EXPECT_EQ(pixelBoxOf(text), expected[direction]) << "direction " << direction;
        const PixelBox ink = inkBox(surface);
        EXPECT_TRUE(contains(expected[direction], ink)) << "direction " << direction;
        const bool alongY = direction % 2 == 1;
        EXPECT_GT(alongY ? ink.bottom - ink.top : ink.right - ink.left, at(along * 3 / 4)) << "direction " << direction;
    }
}

TEST(TextObjects, TextsTheJobsSkipAreGrey)
{
    Tshape text = textObject(QStringLiteral("I"), 0, 1.0f, 1.0f);
    text.ifPrint = false;
    const QImage surface = drawn(text);
    const PixelBox ink = inkBox(surface);
    ASSERT_FALSE(ink == PixelBox());
    int darkest = 255;
    for (int y = ink.top; y < ink.bottom; ++y) {
        for (int x = ink.left; x < ink.right; ++x)
            darkest = std::min(darkest, qGray(surface.pixel(x, y)));
    }
    EXPECT_EQ(darkest, 128);
}

TEST(TextObjects, ATextWithoutSizeDrawsNothingAndHasAnEmptyBox)
{
    Tshape text = textObject(QStringLiteral("X"), 0, 1.0f, 1.0f);
    text.fontSize = 0;
    EXPECT_EQ(inkBox(drawn(text)), PixelBox());
    EXPECT_EQ(pixelBoxOf(text), (PixelBox{378, 378, 378, 378}));
}

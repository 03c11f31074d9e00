#include "PrinterTestSupport.h"

#include "printer/RasterGraphic.h"

#include <gtest/gtest.h>

namespace {

// A 3 × 2 mask with its dots at (0, 0) and (2, 1): turning it shows which corner goes where.
DotMask cornerMask()
{
    DotMask mask{3, 2, {1, 0, 0, 0, 0, 1}};
    return mask;
}

TEST(RasterGraphic, HeadIsAlwaysTwentySixCharacters)
{
    struct Case {
        int x, y, width, height;
        const char* head;
    } const cases[] = {
        {100, 200, 104, 40, "{SG;0100,0200,0104,0040,1,"},
        {-999, 9999, 0, 9999, "{SG;-999,9999,0000,9999,1,"},
        {-5, 0, 8, 1, "{SG;-005,0000,0008,0001,1,"}, // the sign takes one of the four places
    };
    for (const Case& c : cases) {
        const RasterGraphic graphic{c.x, c.y, c.width, c.height, {}};
        EXPECT_EQ(graphic.head(), QByteArray(c.head));
        EXPECT_EQ(graphic.head().size(), 26);
    }
}

TEST(RasterGraphic, PositionOrSizeBeyondTheFieldsIsRefusedInsteadOfSentMisaligned)
{
    const RasterGraphic cases[] = {
        {-1000, 0, 8, 8, {}},
        {0, 10000, 8, 8, {}},
        {0, 0, 10000, 8, {}},
        {0, 0, 8, -1, {}},
    };
    for (const RasterGraphic& graphic : cases)
        EXPECT_THROW(graphic.head(), GraphicRangeError) << graphic.x << "," << graphic.y;
}

TEST(RasterGraphic, TurnedRasterFollowsTheMappingTableAndPadsRowsToWholeBytes)
{
    // Expected dots of the decoded raster, as (column, row), and its size.
    struct Case {
        int rotation;
        int width, height;
        QPoint first, second;
    } const cases[] = {
        {0, 8, 2, {0, 0}, {2, 1}}, // width 3 raised to 8, blank on the right
        {1, 8, 3, {0, 2}, {1, 0}}, // row r is column 2 - r; height 2 raised to 8
        {2, 8, 2, {7, 1}, {5, 0}}, // turned half-way: the padding ends up on the left
        {3, 8, 3, {7, 0}, {6, 2}}, // row r is column r, dot c is mask row 7 - c
    };
    for (const Case& c : cases) {
        const RasterGraphic graphic = turnedRaster(cornerMask(), c.rotation);
        ASSERT_EQ(graphic.width, c.width) << c.rotation;
        ASSERT_EQ(graphic.height, c.height) << c.rotation;
        ASSERT_EQ(graphic.raster.size(), c.width / 8 * c.height);
        const QImage dots = decodedRaster(graphic);
        int count = 0;
        for (int y = 0; y < dots.height(); ++y)
            for (int x = 0; x < dots.width(); ++x)
                count += dots.pixel(x, y) == qRgb(0, 0, 0);
        EXPECT_EQ(count, 2) << c.rotation;
        EXPECT_EQ(dots.pixel(c.first), qRgb(0, 0, 0)) << c.rotation;
        EXPECT_EQ(dots.pixel(c.second), qRgb(0, 0, 0)) << c.rotation;
    }
}

TEST(RasterGraphic, LeftmostDotIsTheMostSignificantBit)
{
    DotMask mask{10, 1, {1, 0, 0, 0, 0, 0, 0, 1, 1, 0}};
    const RasterGraphic graphic = turnedRaster(mask, 0);
    EXPECT_EQ(graphic.raster, QByteArray::fromHex("8180"));
}

} // namespace

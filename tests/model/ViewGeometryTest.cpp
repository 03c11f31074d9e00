#include "model/ViewGeometry.h"

#include <gtest/gtest.h>

TEST(ViewGeometry, FitZoomTakesTheSmallerRatio)
{
    struct Row {
        int width, height, dpi;
        QSize area;
        float expected;
    };
    const Row rows[] = {
        // 1300 x 900 at 96 dpi: w = 491, h = 340. Height limits: (430 - 30) / 340.
        {1300, 900, 96, {1000, 430}, 400.0f / 340},
        // Width limits: (530 - 30) / 491.
        {1300, 900, 96, {530, 1000}, 500.0f / 491},
        // A degenerate label cannot divide by zero.
        {0, 0, 96, {230, 130}, 100.0f},
    };
    for (const Row& row : rows)
        EXPECT_FLOAT_EQ(fitZoom(row.width, row.height, row.dpi, row.area), row.expected);
}

TEST(ViewGeometry, LabelImageSizeTruncates)
{
    EXPECT_EQ(labelImageSize(1300, 900, 96, 1.0f), QSize(491, 340));
    EXPECT_EQ(labelImageSize(254, 254, 96, 2.0f), QSize(192, 192));
    EXPECT_EQ(labelImageSize(1300, 900, 96, 0.5f), QSize(245, 170));
}

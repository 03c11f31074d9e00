#include "view/ZoomList.h"

#include <gtest/gtest.h>

TEST(ZoomList, EntriesReadAsTheToolBarShowsThem)
{
    EXPECT_EQ(zoomEntryTexts(), (QStringList{"全屏幕", "50%", "75%", "100%", "125%", "150%", "175%",
                                             "200%", "300%", "400%", "500%"}));
}

TEST(ZoomList, EntryGivesItsZoom)
{
    const struct {
        int index;
        std::optional<float> zoom;
    } cases[] = {
        {0, 0.8f}, // the fitting zoom passed in
        {1, 0.5f}, {2, 0.75f}, {3, 1.0f}, {7, 2.0f}, {10, 5.0f},
        {-1, std::nullopt}, // no entry chosen: the caller keeps its zoom
        {11, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zoomOfEntry(c.index, 0.8f), c.zoom) << "entry " << c.index;
}

TEST(ZoomList, StepsStopAtTheEndsAndZoomOutLeavesTheFittedEntry)
{
    const struct {
        int from;
        int in;
        int out;
    } cases[] = {
        {0, 1, 1},   // from "全屏幕" zooming out goes to "50%"
        {1, 2, 1},   // "50%" stays when zooming out
        {5, 6, 4},
        {9, 10, 8},
        {10, 10, 9}, // "500%" stays when zooming in
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zoomInEntry(c.from), c.in) << "in from " << c.from;
        EXPECT_EQ(zoomOutEntry(c.from), c.out) << "out from " << c.from;
    }
}

TEST(ZoomList, SurfaceSizeTruncatesWholePixelsBeforeScaling)
{
    const struct {
        int width;
        int height;
        int dpi;
        float zoom;
        QSize size;
    } cases[] = {
        {1300, 900, 96, 1.0f, {491, 340}},  // 491.33 and 340.16 pixels at 100 %
        {1300, 900, 96, 2.0f, {982, 680}},  // whole pixels first: 491 x 2, not 982.67
        {10, 10, 96, 3.0f, {9, 9}},         // 3.78 pixels become 3 before scaling
        {254, 254, 120, 0.5f, {60, 60}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zoomedSurfaceSize(c.width, c.height, c.dpi, c.zoom), c.size)
            << c.width << " x " << c.height << " at " << c.zoom;
}

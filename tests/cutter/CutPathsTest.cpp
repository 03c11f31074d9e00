#include "TracingSupport.h"
#include "cutter/CutPaths.h"

#include <gtest/gtest.h>

#include <limits>

using cut_testing::pathPoints;
using Point = std::pair<long long, long long>;

namespace {

CutContext unitPulses()
{
    CutContext context;
    context.kx = 1;
    context.ky = 1;
    return context;
}

CutContext pulsesPerMillimetre(double x, double y)
{
    CutContext context;
    context.kx = CutContext::pulseFactor(x);
    context.ky = CutContext::pulseFactor(y);
    return context;
}

} // namespace

TEST(CutPulses, RoundHalfUpInExtendedPrecisionFromAFloat)
{
    struct Row {
        float value;
        float factor;
        int pulses;
        const char* why;
    };
    const float typed = CutContext::pulseFactor(66.667);
    const Row rows[] = {
        {100, typed, 667, "66.667 pulses per mm: 100 tenths"},
        {50, typed, 333, "333.335 rounds down"},
        {300, typed, 2000, "2000.01"},
        {200, typed, 1333, "1333.34"},
        {20, typed, 133, "133.334"},
        {3, 0.5f, 2, "exactly half rounds up"},
        {5, 0.7f, 3, "3.49999994 stays below the half: a float sum would round it up to 4"},
        {float(16777217), 1.0f, 16777216, "the value is taken as a float first"},
        {-1, 1.0f, 0, "-0.5 truncates toward zero"},
        {1e30f, 1.0f, std::numeric_limits<int>::max(), "out of range clamps instead of overflowing"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ToPulses(row.value, row.factor), row.pulses) << row.why;
    EXPECT_EQ(typed, 6.6667f);
}

TEST(CutPulses, WholeDegreesHitTheExactValues)
{
    struct Row {
        long long degrees;
        long double sine;
        long double cosine;
    };
    const Row rows[] = {
        {0, 0, 1}, {30, 0.5L, 0}, {90, 1, 0}, {150, 0.5L, 0}, {180, 0, -1}, {210, -0.5L, 0},
        {270, -1, 0}, {360, 0, 1}, {-90, -1, 0}, {-30, -0.5L, 0}, {450, 1, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(sinDegrees(row.degrees), row.sine) << row.degrees;
        if (row.degrees % 90 == 0) {
            EXPECT_EQ(cosDegrees(row.degrees), row.cosine) << row.degrees;
        }
    }
    EXPECT_EQ(cosDegrees(60), 0.5L);
    EXPECT_EQ(cosDegrees(300), 0.5L);
}

TEST(CutPaths, PathTextWritesVerticalFirstWithTravelThenCut)
{
    PathText path;
    path.add(12, 40);
    path.add(30, 40);
    path.add(31, 41);
    EXPECT_EQ(path.text(), QStringLiteral(" U12,40 D30,40,31,41"));
    EXPECT_EQ(path.pointCount(), 3);
}

TEST(CutPaths, RoundRectangleAtTheTypedPulseFactors)
{
    const auto points = pathPoints(RoundRectPath(pulsesPerMillimetre(66.667, 66.667), 100, 50, 300, 200, 20));
    ASSERT_EQ(points.size(), 370u);
    struct Row {
        size_t index;
        Point point;
        const char* what;
    };
    // q = 667, s = 333, W = 2000, Hh = 1333, r' = 133, m = 666.
    const Row rows[] = {
        {0, {999, 667}, "travel point, middle of the left edge"},
        {1, {466, 667}, "first cut point"},
        {2, {466, 667}, "top-left corner at 270 repeats it"},
        {92, {333, 800}, "top-left corner at 180"},
        {93, {333, 2534}, "end of the top edge"},
        {185, {1533, 2667}, "end of the right edge"},
        {277, {1666, 800}, "end of the bottom edge"},
        {368, {1533, 667}, "bottom-left corner at 270"},
        {369, {979, 667}, "closing point, 20 pulses past the start"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(points[row.index], row.point) << row.what;
    for (const Point& point : points) {
        EXPECT_TRUE(point.first >= 333 && point.first <= 1666 && point.second >= 667 && point.second <= 2667)
            << point.first << "," << point.second << " leaves the box";
    }
}

TEST(CutPaths, RoundRectangleOfRadiusZeroRepeatsEachCorner)
{
    const auto points = pathPoints(RoundRectPath(unitPulses(), 10, 20, 30, 40, 0));
    ASSERT_EQ(points.size(), 370u);
    const Point corners[4] = {{20, 10}, {20, 40}, {60, 40}, {60, 10}};
    for (int corner = 0; corner < 4; ++corner) {
        for (size_t i = 0; i < 91; ++i)
            EXPECT_EQ(points[2 + corner * 92 + i], corners[corner]) << "corner " << corner << " point " << i;
    }
    EXPECT_EQ(points[0], Point(40, 10));
    EXPECT_EQ(points[369], Point(20, 10));
}

TEST(CutPaths, HalfCircleCutsTheTopEdgeThenHalfAnEllipse)
{
    const auto points = pathPoints(HalfCirclePath(unitPulses(), 0, 0, 300, 200, 20));
    ASSERT_EQ(points.size(), 62u);
    struct Row {
        size_t index;
        Point point;
        const char* what;
    };
    const Row rows[] = {
        {0, {0, 150}, "travel point, middle of the top edge"},
        {1, {0, 280}, "first cut point"},
        {2, {0, 280}, "top-right corner at 180"},
        {17, {20, 300}, "top-right corner at 90"},
        {18, {34, 297}, "half ellipse at 80: 200 cos 80 = 34.7, 150 sin 80 = 147.7"},
        {31, {199, 155}, "half ellipse at 2, near its lowest point"},
        {44, {48, 5}, "half ellipse at -76: 150 sin(-76) = -145.5 truncates toward zero"},
        {45, {20, 0}, "top-left corner at 270"},
        {60, {0, 20}, "top-left corner at 180"},
        {61, {0, 190}, "closing point, 40 pulses past the start"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(points[row.index], row.point) << row.what;
}

TEST(CutPaths, EllipseRunsClockwiseFromItsLeftEndAndCloses)
{
    const auto points = pathPoints(EllipsePath(unitPulses(), 100, 50, 200, 100));
    ASSERT_EQ(points.size(), 63u);
    EXPECT_EQ(points[0], Point(100, 100)) << "travel to the left end";
    EXPECT_EQ(points[1], points[0]);
    EXPECT_EQ(points[17], Point(50, 200)) << "top at 180";
    EXPECT_EQ(points[32], Point(100, 300)) << "right end at 90";
    EXPECT_EQ(points[47], Point(150, 200)) << "bottom at 0";
    EXPECT_EQ(points[62], points[0]) << "the last point meets the first";
}

TEST(CutPaths, ArcRunsFromStartToEndInIncreasingAngle)
{
    struct Row {
        long long a1;
        long long a2;
        size_t count;
        Point first;
        Point last;
        const char* what;
    };
    // Centre (v, h) = (300, 500), radius 100.
    const Row rows[] = {
        {0, 90, 93, {300, 600}, {200, 500}, "rightmost to topmost through 91 points"},
        {90, 0, 2, {200, 500}, {200, 500}, "end before start: the start point only, twice"},
        {0, -90, 273, {300, 600}, {400, 500}, "an end of -90 stands for 270"},
        {-90, -90, 363, {400, 500}, {400, 500}, "-90 to -90 is the whole circle"},
        {-45, 45, 93, {370, 570}, {230, 570}, "angles below zero"},
    };
    for (const Row& row : rows) {
        const std::optional<QString> text = ArcPath(unitPulses(), 500, 300, 100, row.a1, row.a2);
        ASSERT_TRUE(text.has_value()) << row.what;
        const auto points = pathPoints(*text);
        ASSERT_EQ(points.size(), row.count) << row.what;
        EXPECT_EQ(points.front(), row.first) << row.what;
        EXPECT_EQ(points[1], row.first) << row.what;
        EXPECT_EQ(points.back(), row.last) << row.what;
    }
}

TEST(CutPaths, ArcAtThirtyDegreesLandsOnTheWholePulse)
{
    // 2 × sin 30° is exactly 1; a sine a hair below 0.5 would cut it to 0.
    EXPECT_EQ(ArcPath(unitPulses(), 0, 0, 2, -60, -60), QStringLiteral(" U1,1 D1,1,1,1"));
}

TEST(CutPaths, ArcSweepingEndlesslyIsRefused)
{
    EXPECT_TRUE(ArcPath(unitPulses(), 0, 0, 10, 0, kMaxArcSweep).has_value());
    EXPECT_FALSE(ArcPath(unitPulses(), 0, 0, 10, 0, kMaxArcSweep + 1).has_value());
    EXPECT_FALSE(ArcPath(unitPulses(), 0, 0, 10, std::numeric_limits<int>::min(),
                         std::numeric_limits<int>::max())
                     .has_value());
}

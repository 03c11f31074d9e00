#include "cutter/SegmentedRect.h"

#include "model/Tobject.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

CutPiece line(float x1, float y1, float x2, float y2, int startDown = 0, int endUp = 0)
{
    return CutLinePiece{x1, y1, x2, y2, startDown, endUp, 0};
}

CutPiece arc(float cx, float cy, float r, float from, float to, int direction)
{
    return CutArcPiece{cx, cy, r, from, to, 0, 0, direction};
}

struct Point {
    double x = 0;
    double y = 0;
};

// Where the knife enters and leaves a piece, in cutting order.
std::pair<Point, Point> ends(const CutPiece& piece)
{
    if (const auto* l = std::get_if<CutLinePiece>(&piece))
        return {{l->startX, l->startY}, {l->endX, l->endY}};
    const auto& a = std::get<CutArcPiece>(piece);
    const auto at = [&](double degrees) {
        const double radians = (360 - degrees) * std::numbers::pi / 180;
        return Point{a.centerX + a.radius * std::cos(radians),
                     a.centerY + a.radius * std::sin(radians)};
    };
    return a.direction == 0 ? std::pair{at(a.startAngle), at(a.endAngle)}
                            : std::pair{at(a.endAngle), at(a.startAngle)};
}

TEST(SegmentedRect, CounterClockwiseFromTheRightSide)
{
    const SegmentedRect rect{.left = 100, .top = 50, .width = 300, .height = 300, .radius = 20,
                             .jointLength = 20, .side = RectSide::Right, .distance = 150};
    const QList<CutPiece> expected{
        line(400, 200, 400, 70, 1, 0),   arc(380, 70, 20, 0, 90, 0),
        line(380, 50, 120, 50),          arc(120, 70, 20, 90, 180, 0),
        line(100, 70, 100, 330),         arc(120, 330, 20, 180, 270, 0),
        line(120, 350, 380, 350),        arc(380, 330, 20, 270, 360, 0),
        line(400, 330, 400, 180, 0, 1),
    };
    EXPECT_EQ(segmentedRectChain(rect), expected);
}

TEST(SegmentedRect, SpecialSizes)
{
    const struct {
        const char* name;
        SegmentedRect rect;
        QList<CutPiece> expected;
    } cases[] = {
        {"square corners: five lines, no arcs",
         {.left = 0, .top = 0, .width = 100, .height = 50, .radius = 0, .jointLength = 10,
          .side = RectSide::Left, .distance = 20},
         {line(0, 20, 0, 50, 1, 0), line(0, 50, 100, 50), line(100, 50, 100, 0),
          line(100, 0, 0, 0), line(0, 0, 0, 30, 0, 1)}},
        // Distance equal to the radius with the travel towards that corner: the first line
        // has no length and is still cut; a joint of 0 ends the last line on the start.
        {"distance equal to the radius, joint 0",
         {.left = 0, .top = 0, .width = 100, .height = 50, .radius = 10, .jointLength = 0,
          .side = RectSide::Right, .distance = 10},
         {line(100, 10, 100, 10, 1, 0), arc(90, 10, 10, 0, 90, 0), line(90, 0, 10, 0),
          arc(10, 10, 10, 90, 180, 0), line(0, 10, 0, 40), arc(10, 40, 10, 180, 270, 0),
          line(10, 50, 90, 50), arc(90, 40, 10, 270, 360, 0), line(100, 40, 100, 10, 0, 1)}},
        {"clockwise from the top side",
         {.left = 10, .top = 20, .width = 100, .height = 60, .radius = 5, .jointLength = 15,
          .side = RectSide::Top, .distance = 40, .clockwise = true},
         {line(50, 20, 105, 20, 1, 0), arc(105, 25, 5, 0, 90, 1), line(110, 25, 110, 75),
          arc(105, 75, 5, 270, 360, 1), line(105, 80, 15, 80), arc(15, 75, 5, 180, 270, 1),
          line(10, 75, 10, 25), arc(15, 25, 5, 90, 180, 1), line(15, 20, 65, 20, 0, 1)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(segmentedRectChain(c.rect), c.expected) << c.name;
}

TEST(SegmentedRect, EveryStartIsOneContinuousCutEndingAJointPastTheStart)
{
    const struct {
        RectSide side;
        Point start;
    } sides[] = {
        {RectSide::Left, {0, 30}},
        {RectSide::Bottom, {30, 80}},
        {RectSide::Right, {120, 30}},
        {RectSide::Top, {30, 0}},
    };
    for (const bool clockwise : {false, true}) {
        for (const auto& s : sides) {
            for (const float radius : {0.0f, 12.0f}) {
                const SegmentedRect rect{.width = 120, .height = 80, .radius = radius,
                                         .jointLength = 0, .side = s.side, .distance = 30,
                                         .clockwise = clockwise};
                const QList<CutPiece> chain = segmentedRectChain(rect);
                const std::string name = "side " + std::to_string(int(s.side)) + " clockwise "
                                         + std::to_string(clockwise) + " radius "
                                         + std::to_string(radius);
                ASSERT_EQ(chain.size(), radius == 0 ? 5 : 9) << name;
                const auto [first, ignored] = ends(chain.first());
                EXPECT_NEAR(first.x, s.start.x, 1e-4) << name;
                EXPECT_NEAR(first.y, s.start.y, 1e-4) << name;
                for (qsizetype i = 1; i < chain.size(); ++i) {
                    const Point left = ends(chain[i - 1]).second;
                    const Point entered = ends(chain[i]).first;
                    EXPECT_NEAR(left.x, entered.x, 1e-4) << name << " piece " << i;
                    EXPECT_NEAR(left.y, entered.y, 1e-4) << name << " piece " << i;
                }
                // With a joint of 0 the cut closes exactly on its start.
                const Point last = ends(chain.last()).second;
                EXPECT_NEAR(last.x, s.start.x, 1e-4) << name;
                EXPECT_NEAR(last.y, s.start.y, 1e-4) << name;
            }
        }
    }
}

TEST(SegmentedRect, AddedInCuttingOrderAfterOneSnapshot)
{
    Tobject document;
    document.AddCutLine(0, 0, 5, 5, 1, 1, 0);
    const ShapeList before = document.objects;
    addSegmentedRect(document, {.left = 100, .top = 50, .width = 300, .height = 300,
                                .radius = 20, .jointLength = 20, .side = RectSide::Right,
                                .distance = 150});
    ASSERT_EQ(document.objects.size(), 10);
    const Tshape& first = document.objects[1];
    EXPECT_EQ(first.Type, "cutLine");
    // Drawn upwards, so the start-corner code records a start at the bottom-left.
    EXPECT_EQ(first.direction, 3);
    EXPECT_EQ(first.startDown, 1);
    EXPECT_EQ(document.objects[2].Type, "cutArc");
    EXPECT_EQ(document.objects[9].endUp, 1);
    EXPECT_TRUE(document.objects[9].Selected);
    document.Undo();
    EXPECT_EQ(document.objects, before);
}

} // namespace

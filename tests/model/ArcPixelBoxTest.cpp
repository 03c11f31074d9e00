#include "model/Tobject.h"

#include <QRandomGenerator>

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

// The box by its definition: the two end points, then every whole degree from trunc(SAngle)
// to trunc(EAngle), one turn at most.
QList<int> boxVisitingEveryDegree(const Tobject& document, const Tshape& arc)
{
    const auto pointAt = [&](double degrees) {
        const double radians = (360 - degrees) * std::numbers::pi / 180;
        return std::pair{document.ToPixels(arc.CenterX + arc.Radiu * std::cos(radians)),
                         document.ToPixels(arc.CenterY + arc.Radiu * std::sin(radians))};
    };
    auto [left, top] = pointAt(arc.EAngle);
    int right = left;
    int bottom = top;
    const auto widen = [&](std::pair<int, int> point) {
        left = std::min(left, point.first);
        right = std::max(right, point.first);
        top = std::min(top, point.second);
        bottom = std::max(bottom, point.second);
    };
    widen(pointAt(arc.SAngle));
    const long long first = static_cast<long long>(arc.SAngle);
    const long long last = std::min(static_cast<long long>(arc.EAngle), first + 359);
    for (long long degree = first; degree <= last; ++degree)
        widen(pointAt(static_cast<double>(degree)));
    return {left, top, right, bottom};
}

TEST(ArcPixelBox, MatchesVisitingEveryWholeDegree)
{
    QRandomGenerator random(7);
    for (int round = 0; round < 3000; ++round) {
        Tobject document;
        document.zoom = static_cast<float>(0.25 + random.bounded(4.0));
        document.dpi = round % 2 == 0 ? 96 : 144;
        Tshape arc = makeShape(ShapeKind::CutArc);
        arc.CenterX = random.bounded(2000.0);
        arc.CenterY = random.bounded(2000.0);
        arc.Radiu = random.bounded(500.0);
        // Whole and fractional angles, negative ones, reversed arcs and several turns.
        const double start = round % 3 == 0 ? random.bounded(720) - 360
                                            : random.bounded(720.0) - 360;
        const double span = round % 4 == 0 ? random.bounded(1000) - 100
                                           : random.bounded(1000.0) - 100;
        arc.SAngle = start;
        arc.EAngle = start + span;
        document.setArcPixelBox(arc);
        EXPECT_EQ((QList<int>{arc.Left, arc.Top, arc.Right, arc.Bottom}),
                  boxVisitingEveryDegree(document, arc))
            << "centre " << arc.CenterX << "," << arc.CenterY << " radius " << arc.Radiu
            << " angles " << arc.SAngle << " to " << arc.EAngle;
    }
}

} // namespace

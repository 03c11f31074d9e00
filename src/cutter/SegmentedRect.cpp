#include "cutter/SegmentedRect.h"

#include "model/Tobject.h"

#include <array>

namespace {

struct Point {
    float x = 0;
    float y = 0;
};

enum class Corner { TopRight, TopLeft, BottomLeft, BottomRight };

// Sides in the order a counter-clockwise cut meets them; a clockwise cut meets them in
// the reverse order.
constexpr std::array kCounterClockwise{RectSide::Left, RectSide::Bottom, RectSide::Right,
                                       RectSide::Top};

class ChainBuilder {
public:
    explicit ChainBuilder(const SegmentedRect& rect)
        : m_rect(rect)
    {
    }

    QList<CutPiece> build() const
    {
        const RectSide start = m_rect.side;
        const Point from = startPoint();
        QList<CutPiece> chain;
        chain.append(line(from, straightPart(start).second, 1, 0));
        RectSide side = start;
        for (int corner = 1; corner <= 4; ++corner) {
            const RectSide next = following(side);
            if (m_rect.radius != 0)
                chain.append(arc(cornerBetween(side, next)));
            const auto [enter, leave] = straightPart(next);
            if (corner < 4) {
                chain.append(line(enter, leave, 0, 0));
            } else {
                const Point travel = unitTravel(start);
                const Point joint{from.x + m_rect.jointLength * travel.x,
                                  from.y + m_rect.jointLength * travel.y};
                chain.append(line(enter, joint, 0, 1));
            }
            side = next;
        }
        return chain;
    }

private:
    RectSide following(RectSide side) const
    {
        int index = 0;
        while (kCounterClockwise[index] != side)
            ++index;
        const int step = m_rect.clockwise ? 3 : 1;
        return kCounterClockwise[(index + step) % 4];
    }

    static Corner cornerBetween(RectSide a, RectSide b)
    {
        const auto joins = [&](RectSide first, RectSide second) {
            return (a == first && b == second) || (a == second && b == first);
        };
        if (joins(RectSide::Left, RectSide::Bottom))
            return Corner::BottomLeft;
        if (joins(RectSide::Bottom, RectSide::Right))
            return Corner::BottomRight;
        if (joins(RectSide::Right, RectSide::Top))
            return Corner::TopRight;
        return Corner::TopLeft;
    }

    // Travel direction along a side: counter-clockwise runs down the left side, right along
    // the bottom, up the right side and left along the top.
    Point unitTravel(RectSide side) const
    {
        Point travel;
        switch (side) {
        case RectSide::Left:
            travel = {0, 1};
            break;
        case RectSide::Bottom:
            travel = {1, 0};
            break;
        case RectSide::Right:
            travel = {0, -1};
            break;
        case RectSide::Top:
            travel = {-1, 0};
            break;
        }
        if (m_rect.clockwise)
            travel = {-travel.x, -travel.y};
        return travel;
    }

    // The straight part of a side between its corner arcs, as (entered at, left at).
    std::pair<Point, Point> straightPart(RectSide side) const
    {
        const float x = m_rect.left;
        const float y = m_rect.top;
        const float right = x + m_rect.width;
        const float bottom = y + m_rect.height;
        const float r = m_rect.radius;
        std::pair<Point, Point> ends;
        switch (side) {
        case RectSide::Left:
            ends = {{x, y + r}, {x, bottom - r}};
            break;
        case RectSide::Bottom:
            ends = {{x + r, bottom}, {right - r, bottom}};
            break;
        case RectSide::Right:
            ends = {{right, bottom - r}, {right, y + r}};
            break;
        case RectSide::Top:
            ends = {{right - r, y}, {x + r, y}};
            break;
        }
        if (m_rect.clockwise)
            std::swap(ends.first, ends.second);
        return ends;
    }

    Point startPoint() const
    {
        const float d = m_rect.distance;
        switch (m_rect.side) {
        case RectSide::Left:
            return {m_rect.left, m_rect.top + d};
        case RectSide::Right:
            return {m_rect.left + m_rect.width, m_rect.top + d};
        case RectSide::Top:
            return {m_rect.left + d, m_rect.top};
        case RectSide::Bottom:
            break;
        }
        return {m_rect.left + d, m_rect.top + m_rect.height};
    }

    // Corner arcs keep fixed angles; the direction says which way the knife runs them.
    CutArcPiece arc(Corner corner) const
    {
        struct Geometry {
            bool right;
            bool bottom;
            float startAngle;
            float endAngle;
        };
        static constexpr Geometry kCorners[] = {
            {true, false, 0, 90},   // top right
            {false, false, 90, 180}, // top left
            {false, true, 180, 270}, // bottom left
            {true, true, 270, 360},  // bottom right
        };
        const Geometry& g = kCorners[static_cast<int>(corner)];
        const float r = m_rect.radius;
        return {
            .centerX = g.right ? m_rect.left + m_rect.width - r : m_rect.left + r,
            .centerY = g.bottom ? m_rect.top + m_rect.height - r : m_rect.top + r,
            .radius = r,
            .startAngle = g.startAngle,
            .endAngle = g.endAngle,
            .direction = m_rect.clockwise ? 1 : 0,
        };
    }

    static CutLinePiece line(Point from, Point to, int startDown, int endUp)
    {
        return {from.x, from.y, to.x, to.y, startDown, endUp, 0};
    }

    const SegmentedRect& m_rect;
};

} // namespace

QList<CutPiece> segmentedRectChain(const SegmentedRect& rect)
{
    return ChainBuilder(rect).build();
}

void addSegmentedRect(Tobject& document, const SegmentedRect& rect)
{
    document.TakeSnapshot();
    for (const CutPiece& piece : segmentedRectChain(rect)) {
        if (const auto* line = std::get_if<CutLinePiece>(&piece)) {
            document.AddCutLine(line->startX, line->startY, line->endX, line->endY,
                                line->startDown, line->endUp, line->delay);
        } else {
            const auto& arc = std::get<CutArcPiece>(piece);
            document.AddCutArc(arc.centerX, arc.centerY, arc.radius, arc.startAngle,
                               arc.endAngle, arc.startDown, arc.endUp, arc.direction);
        }
    }
}

#include "cutter/PathStart.h"

#include "cutter/CutterText.h"
#include "model/MessageService.h"
#include "model/Tobject.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

namespace {

struct Point {
    float x = 0;
    float y = 0;
};

// Points a hundredth of a millimetre apart still meet. The small allowance keeps that
// true for model values that a 32-bit float cannot hold exactly (0.1 itself is one).
constexpr double kMeetDistance = 0.1 + 1e-4;

bool meet(Point a, Point b)
{
    return std::abs(static_cast<double>(a.x) - b.x) <= kMeetDistance
           && std::abs(static_cast<double>(a.y) - b.y) <= kMeetDistance;
}

// The point of an arc at an angle counted counter-clockwise as seen on the label.
Point arcPoint(const Tshape& arc, double degrees)
{
    const double radians = (360 - degrees) * std::numbers::pi / 180;
    return {static_cast<float>(arc.CenterX + arc.Radiu * std::cos(radians)),
            static_cast<float>(arc.CenterY + arc.Radiu * std::sin(radians))};
}

bool isPiece(const Tshape& shape)
{
    const ShapeKind kind = shape.kind();
    return kind == ShapeKind::CutLine || kind == ShapeKind::CutArc;
}

// Start and end of a piece in its cutting direction.
std::pair<Point, Point> pieceEnds(const Tshape& shape)
{
    if (shape.kind() == ShapeKind::CutLine)
        return {{shape.startX, shape.startY}, {shape.endX, shape.endY}};
    const Point atStart = arcPoint(shape, shape.SAngle);
    const Point atEnd = arcPoint(shape, shape.EAngle);
    return shape.direction == 0 ? std::pair{atStart, atEnd} : std::pair{atEnd, atStart};
}

// Turns a piece so that it begins at `end` when one of its ends meets it; the piece's
// other end is returned, or nothing when the piece does not join there.
std::optional<Point> joinAt(Tshape& shape, Point end)
{
    if (shape.kind() == ShapeKind::CutLine) {
        if (!meet({shape.startX, shape.startY}, end)) {
            if (!meet({shape.endX, shape.endY}, end))
                return std::nullopt;
            std::swap(shape.startX, shape.endX);
            std::swap(shape.startY, shape.endY);
            shape.direction = lineStartCorner(shape.startX, shape.startY, shape.endX, shape.endY);
        }
        return Point{shape.endX, shape.endY};
    }
    const Point atStart = arcPoint(shape, shape.SAngle);
    const Point atEnd = arcPoint(shape, shape.EAngle);
    if (meet(atStart, end)) {
        shape.direction = 0;
        return atEnd;
    }
    if (meet(atEnd, end)) {
        shape.direction = 1;
        return atStart;
    }
    return std::nullopt;
}

} // namespace

bool setPathStart(Tobject& document)
{
    const int selected = document.FirstSelected();
    if (document.SelectedCount() != 1 || !isPiece(document.objects[selected])) {
        showMessage(hintCaption(), CutterText::tr("请先选择一条直线或弧线！"),
                    MessageIcon::Information);
        return false;
    }
    ShapeList& objects = document.objects;
    if (objects.size() < 2)
        return true;

    const auto setFlag = [&document](int& flag, int value) {
        if (flag != value) {
            flag = value;
            document.modified = true;
        }
    };
    const auto [start, firstEnd] = pieceEnds(objects[selected]);
    Point end = firstEnd;
    setFlag(objects[selected].startDown, 1);
    setFlag(objects[selected].endUp, 0);
    // The chain always occupies the run [first, last] of the list. A piece joins it at most
    // once: a piece already in the chain meeting the end again (a doubled line in an
    // imported drawing, a path through one point twice) would otherwise be passed back and
    // forth for ever.
    int first = selected;
    int last = selected;
    bool closed = false;
    bool joined = true;
    while (joined && !closed) {
        joined = false;
        for (int i = 0; i < objects.size(); ++i) {
            if ((i >= first && i <= last) || !isPiece(objects[i]))
                continue;
            const std::optional<Point> next = joinAt(objects[i], end);
            if (!next)
                continue;
            end = *next;
            objects[i].startDown = 0;
            objects[i].endUp = 0;
            if (i < last) {
                objects.move(i, last);
                --first;
            } else {
                ++last;
                objects.move(i, last);
            }
            document.modified = true;
            closed = meet(start, end);
            joined = true;
            break;
        }
    }
    // The knife comes up where the path closes. An open chain keeps its knife down at the
    // end, so that the operator can close it by choosing the piece that continues it.
    if (closed)
        setFlag(objects[last].endUp, 1);
    return true;
}

#pragma once

#include <QList>

#include <variant>

class Tobject;

// The side of the rectangle on which the knife goes down ("上边线", "左边线", "右边线",
// "下边线").
enum class RectSide { Top, Left, Right, Bottom };

// A rounded rectangle to be cut as one continuous chain of separate lines and corner arcs,
// starting on a chosen side and running a joint length past its start, so the outline
// overlaps itself where the knife went down. All values in tenths of a millimetre.
struct SegmentedRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float radius = 0; // 0 gives square corners and no arcs
    float jointLength = 0;
    RectSide side = RectSide::Left;
    // Where the cut starts on that side: from the top edge on the left and right sides,
    // from the left edge on the top and bottom sides.
    float distance = 0;
    bool clockwise = false; // as seen on the label
};

// One piece of the chain with the arguments of AddCutLine ...
struct CutLinePiece {
    float startX = 0;
    float startY = 0;
    float endX = 0;
    float endY = 0;
    int startDown = 0;
    int endUp = 0;
    int delay = 0;

    friend bool operator==(const CutLinePiece&, const CutLinePiece&) = default;
};

// ... or of AddCutArc.
struct CutArcPiece {
    float centerX = 0;
    float centerY = 0;
    float radius = 0;
    float startAngle = 0;
    float endAngle = 0;
    int startDown = 0;
    int endUp = 0;
    int direction = 0; // 0 counter-clockwise, 1 clockwise

    friend bool operator==(const CutArcPiece&, const CutArcPiece&) = default;
};

using CutPiece = std::variant<CutLinePiece, CutArcPiece>;

// The chain in cutting order: the first line from the start point with the knife down, then
// for each corner its arc (unless the radius is 0) and the next side, the last line running
// the joint length past the start point with the knife up. Nine pieces, or five lines
// with square corners.
QList<CutPiece> segmentedRectChain(const SegmentedRect& rect);

// Takes the undo snapshot and adds the chain to the label in cutting order.
void addSegmentedRect(Tobject& document, const SegmentedRect& rect);

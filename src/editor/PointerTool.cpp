#include "editor/PointerTool.h"

#include "editor/ObjectPlacement.h"
#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "view/PixelBox.h"
#include "view/Rulers.h"
#include "view/TextObjects.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Rectangles drawn as outlines are grabbed by their outline only.
bool grabbedByOutline(const Tshape& shape)
{
    const ShapeKind kind = shape.kind();
    return kind == ShapeKind::CutRoundRect || kind == ShapeKind::PrintRect;
}

bool nearTo(long long position, long long edge)
{
    return std::llabs(position - edge) <= kHandleSize;
}

bool between(long long position, long long from, long long to)
{
    return position >= from - kHandleSize && position <= to + kHandleSize;
}

bool isHit(const Tshape& shape, int x, int y)
{
    if (!grabbedByOutline(shape))
        return between(x, shape.Left, shape.Right) && between(y, shape.Top, shape.Bottom);
    return ((nearTo(x, shape.Left) || nearTo(x, shape.Right)) && between(y, shape.Top, shape.Bottom))
        || ((nearTo(y, shape.Top) || nearTo(y, shape.Bottom)) && between(x, shape.Left, shape.Right));
}

// The zone of a point on an object, the box taken a pixel wider on every side so that the
// frame drawn around a selected object belongs to it.
GrabZone zoneOn(const Tshape& shape, QPoint at)
{
    return ZoneAt(at.x(), at.y(), offsetBy(shape.Left, -1), offsetBy(shape.Top, -1),
                  offsetBy(shape.Right, 1), offsetBy(shape.Bottom, 1));
}

bool isLeftCorner(GrabZone corner)
{
    return corner == GrabZone::TopLeft || corner == GrabZone::BottomLeft;
}

bool isTopCorner(GrabZone corner)
{
    return corner == GrabZone::TopLeft || corner == GrabZone::TopRight;
}

// The corner a box turned inside out hands the drag to: mirrored left to right (top-left and
// top-right, bottom-left and bottom-right change places), or top to bottom.
GrabZone mirrored(GrabZone corner, bool leftToRight)
{
    return static_cast<GrabZone>(static_cast<int>(corner) ^ (leftToRight ? 2 : 1));
}

// The end point of a cut line that an edge of its box carries: the one with the smaller
// coordinate for the left or top edge, the larger for the right or bottom. Along a line that
// lies on the edge itself, the end nearer the dragged corner.
float& endOnEdge(Tshape& line, bool horizontal, bool lowEdge, bool cornerLowAcross)
{
    float& start = horizontal ? line.startX : line.startY;
    float& end = horizontal ? line.endX : line.endY;
    if (start == end) {
        const float startAcross = horizontal ? line.startY : line.startX;
        const float endAcross = horizontal ? line.endY : line.endX;
        return (startAcross <= endAcross) == cornerLowAcross ? start : end;
    }
    return (start < end) == lowEdge ? start : end;
}

// A printed line's start corner seen in a mirror: across turns left and right, up-down
// turns top and bottom.
int mirroredLineCorner(int direction, bool across)
{
    static constexpr int acrossOf[] = {1, 0, 3, 2};
    static constexpr int upDownOf[] = {3, 2, 1, 0};
    if (direction < 0 || direction > 3)
        return direction;
    return across ? acrossOf[direction] : upDownOf[direction];
}

} // namespace

int ObjectAt(const Tobject& document, int x, int y)
{
    int found = -1;
    long double smallest = std::numeric_limits<long double>::infinity();
    for (qsizetype i = document.objects.size() - 1; i >= 0; --i) {
        const Tshape& shape = document.objects[i];
        if (!isHit(shape, x, y))
            continue;
        const long double area = static_cast<long double>(shape.Right - static_cast<long long>(shape.Left))
                               * (shape.Bottom - static_cast<long long>(shape.Top));
        if (area < smallest) {
            smallest = area;
            found = static_cast<int>(i);
        }
    }
    return found;
}

GrabZone ZoneAt(int x, int y, int left, int top, int right, int bottom)
{
    if (nearTo(x, left) && nearTo(y, top))
        return GrabZone::TopLeft;
    if (nearTo(x, left) && nearTo(y, bottom))
        return GrabZone::BottomLeft;
    if (nearTo(x, right) && nearTo(y, top))
        return GrabZone::TopRight;
    if (nearTo(x, right) && nearTo(y, bottom))
        return GrabZone::BottomRight;
    // A box of no width or height is a pixel wider on each side, so that it can be grabbed.
    const long long widen = left == right ? 1 : 0;
    const long long heighten = top == bottom ? 1 : 0;
    const bool inside = x >= left - widen && x <= right + widen && y >= top - heighten && y <= bottom + heighten;
    return inside ? GrabZone::Inside : GrabZone::Outside;
}

Qt::CursorShape cursorOf(GrabZone zone)
{
    switch (zone) {
    case GrabZone::TopLeft:
    case GrabZone::BottomRight:
        return Qt::SizeFDiagCursor;
    case GrabZone::BottomLeft:
    case GrabZone::TopRight:
        return Qt::SizeBDiagCursor;
    case GrabZone::Inside:
        return Qt::SizeAllCursor;
    case GrabZone::Outside:
        break;
    }
    return Qt::ArrowCursor;
}

void SelectInBand(Tobject& document, int x1, int y1, int x2, int y2)
{
    const auto [left, right] = std::minmax(x1, x2);
    const auto [top, bottom] = std::minmax(y1, y2);
    for (qsizetype i = document.objects.size() - 1; i >= 0; --i) {
        Tshape& shape = document.objects[i];
        if (shape.Left < left || shape.Right > right || shape.Top < top || shape.Bottom > bottom)
            continue;
        shape.Selected = !shape.Selected;
        if (shape.Selected)
            document.lastClicked = static_cast<int>(i);
    }
}

PointerTool::PointerTool(Tobject& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
{
}

PointerReply PointerTool::PointerDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at,
                                      bool doubleClick)
{
    if (button == Qt::RightButton)
        return {m_cursor, false};
    if (doubleClick) {
        // The second press of the double click came just before and selected the object.
        // The edit opens a dialog that takes the release, so nothing is left pressed.
        m_state = State::Idle;
        const int hit = ObjectAt(m_document, at.x(), at.y());
        if (hit >= 0)
            emit editRequested(hit);
        return {m_cursor, true};
    }
    // A second button pressed during a drag does not start another.
    if (m_state != State::Idle)
        return {m_cursor, false};
    m_press = at;
    m_lastPoint = at;
    const int hit = ObjectAt(m_document, at.x(), at.y());
    if (hit < 0) {
        m_state = State::RubberBand;
        m_bandEnd = at;
        m_document.SelectAll(false);
        return {m_cursor, false};
    }

    Tshape& shape = m_document.objects[hit];
    if (shift & (Qt::ShiftModifier | Qt::ControlModifier)) {
        shape.Selected = !shape.Selected;
        if (shape.Selected)
            m_document.lastClicked = hit;
        else if (m_document.lastClicked == hit)
            m_document.lastClicked = m_document.FirstSelected();
    } else if (!shape.Selected) {
        // A press on a member of a selection keeps the whole selection, to drag it together.
        m_document.SelectAll(false);
        shape.Selected = true;
        m_document.lastClicked = hit;
    }
    m_state = State::Pressing;
    m_grabbed = zoneOn(shape, at);
    m_mayDrag = m_document.labelLock == 0;
    if (m_mayDrag)
        m_cursor = cursorOf(m_grabbed);
    return {m_cursor, false};
}

PointerReply PointerTool::PointerMove(QPoint at)
{
    PointerReply reply{m_cursor, false};
    if (m_state == State::RubberBand)
        reply = stretchBand(at);
    else if (m_document.objects.isEmpty())
        reply = {m_cursor = Qt::ArrowCursor, false};
    else if (m_state == State::Idle || (m_state == State::Pressing && !m_mayDrag))
        reply = hover(at);
    else
        reply = drag(at);
    moveRulerMarks(at);
    return reply;
}

PointerReply PointerTool::PointerUp(QPoint at)
{
    switch (m_state) {
    case State::Idle:
        return {m_cursor, false};
    case State::RubberBand:
        SelectInBand(m_document, m_press.x(), m_press.y(), at.x(), at.y());
        break;
    case State::Pressing:
        // On a locked label the press toggles what lies wholly inside the press-to-release
        // rectangle, as a band would.
        if (!m_mayDrag)
            SelectInBand(m_document, m_press.x(), m_press.y(), at.x(), at.y());
        break;
    case State::DraggingSelection:
    case State::ResizingCorner:
        squareCurrentQrCode();
        break;
    }
    m_state = State::Idle;
    return {m_cursor, true};
}

void PointerTool::PointerLeave()
{
    if (m_state == State::Idle)
        m_cursor = Qt::ArrowCursor;
}

PointerReply PointerTool::hover(QPoint at)
{
    const int hit = ObjectAt(m_document, at.x(), at.y());
    if (hit < 0) {
        m_cursor = Qt::ArrowCursor;
        if (m_document.current < 0)
            return {m_cursor, false};
        m_document.current = -1;
        return {m_cursor, true};
    }
    m_cursor = cursorOf(zoneOn(m_document.objects[hit], at));
    if (m_document.current == hit)
        return {m_cursor, false};
    m_document.current = hit;
    return {m_cursor, true};
}

PointerReply PointerTool::stretchBand(QPoint at)
{
    const QPoint end(std::clamp(at.x(), 0, std::max(0, m_document.ToPixels(m_document.labelWidth))),
                     std::clamp(at.y(), 0, std::max(0, m_document.ToPixels(m_document.labelHeight))));
    drawOutline(m_press.x(), m_press.y(), m_bandEnd.x(), m_bandEnd.y());
    drawOutline(m_press.x(), m_press.y(), end.x(), end.y());
    m_bandEnd = end;
    m_cursor = Qt::ArrowCursor;
    return {m_cursor, false};
}

PointerReply PointerTool::drag(QPoint at)
{
    const QPoint delta = at - m_lastPoint;
    // A move event that did not move (some platforms send one with the press) is no drag.
    if (delta.isNull())
        return {m_cursor, false};
    if (m_state == State::Pressing) {
        // Outside the pressed object's box nothing is grabbed: the press moves nothing.
        if (m_grabbed == GrabZone::Outside)
            return {m_cursor, false};
        // One undo point per drag, taken when the objects first move: a click leaves none.
        m_document.TakeSnapshot();
        m_state = m_grabbed == GrabZone::Inside ? State::DraggingSelection : State::ResizingCorner;
        m_corner = m_grabbed;
    }
    m_document.modified = true;
    dragStep(delta, at);
    m_lastPoint = at;
    return {m_cursor, false};
}

void PointerTool::dragStep(QPoint delta, QPoint at)
{
    const QSize label(m_document.ToPixels(m_document.labelWidth), m_document.ToPixels(m_document.labelHeight));
    for (qsizetype i = m_document.objects.size() - 1; i >= 0; --i) {
        Tshape& shape = m_document.objects[i];
        if (!shape.Selected)
            continue;
        const PixelBox before = pixelBoxOf(shape);
        drawOutline(before.left, before.top, before.right, before.bottom);
        if (m_state == State::DraggingSelection)
            moveBox(shape, delta, label);
        else if (shape.kind() == ShapeKind::PrintString)
            resizeText(shape, at);
        else
            resizeBox(shape, delta, label);
        // The anchor of a text or symbol follows its box; a box that stayed keeps its anchor
        // to the tenth rather than taking one back from whole pixels.
        if (shape.isAnchored() && pixelBoxOf(shape) != before)
            anchorAtPixelBox(shape, m_document);
        drawOutline(shape.Left, shape.Top, shape.Right, shape.Bottom);
    }
}

// Each object is kept on the label on its own, axis by axis: in a group dragged against an
// edge, the objects that reach it stop on that axis while the others go on. An object that
// already lies past an edge may still come back towards the label.
void PointerTool::moveBox(Tshape& shape, QPoint delta, QSize label) const
{
    // One axis: the low and high pixel edges and their model twins; whether they moved.
    const auto moveAxis = [this](int& low, int& high, int& modelLow, int& modelHigh, int step, int limit) {
        const bool allowed = step != 0 && (static_cast<long long>(low) + step >= 0 || step > 0)
                          && (static_cast<long long>(high) + step <= limit || step < 0);
        if (!allowed)
            return false;
        const long long size = static_cast<long long>(high) - low;
        const long long modelSize = static_cast<long long>(modelHigh) - modelLow;
        low = offsetBy(low, step);
        modelLow = truncToInt(m_document.FromPixels(low));
        high = offsetBy(low, size);
        modelHigh = offsetBy(modelLow, modelSize);
        return true;
    };
    if (moveAxis(shape.Left, shape.Right, shape.printLeft, shape.printRight, delta.x(), label.width()))
        shiftCutGeometry(shape, m_document.FromPixels(delta.x()), 0);
    if (moveAxis(shape.Top, shape.Bottom, shape.printTop, shape.printBottom, delta.y(), label.height()))
        shiftCutGeometry(shape, 0, m_document.FromPixels(delta.y()));
}

// The dragged corner's two edges follow the pointer within the label. Only objects made to
// stretch resize; a box turned inside out is turned back, and the drag goes on with the
// mirrored corner, which is the one under the pointer.
void PointerTool::resizeBox(Tshape& shape, QPoint delta, QSize label)
{
    if (!shape.Stretch)
        return;
    const bool isLine = shape.kind() == ShapeKind::CutLine;
    const bool leftEdge = isLeftCorner(m_corner);
    const bool topEdge = isTopCorner(m_corner);
    const auto moveEdge = [&](int& edge, int& modelEdge, int step, int limit, bool horizontal, bool lowEdge,
                              bool cornerLowAcross) {
        const long long moved = static_cast<long long>(edge) + step;
        if (step == 0 || moved < 0 || moved > limit)
            return;
        if (isLine) {
            float& end = endOnEdge(shape, horizontal, lowEdge, cornerLowAcross);
            end = static_cast<float>(end + m_document.FromPixels(step));
        }
        edge = static_cast<int>(moved);
        modelEdge = truncToInt(m_document.FromPixels(edge));
    };
    moveEdge(leftEdge ? shape.Left : shape.Right, leftEdge ? shape.printLeft : shape.printRight, delta.x(),
             label.width(), true, leftEdge, topEdge);
    moveEdge(topEdge ? shape.Top : shape.Bottom, topEdge ? shape.printTop : shape.printBottom, delta.y(),
             label.height(), false, topEdge, leftEdge);

    if (shape.Left > shape.Right) {
        std::swap(shape.Left, shape.Right);
        std::swap(shape.printLeft, shape.printRight);
        m_corner = mirrored(m_corner, true);
        if (shape.kind() == ShapeKind::PrintLine)
            shape.direction = mirroredLineCorner(shape.direction, true);
    }
    if (shape.Top > shape.Bottom) {
        std::swap(shape.Top, shape.Bottom);
        std::swap(shape.printTop, shape.printBottom);
        m_corner = mirrored(m_corner, false);
        if (shape.kind() == ShapeKind::PrintLine)
            shape.direction = mirroredLineCorner(shape.direction, false);
    }
    if (isLine)
        shape.direction = lineStartCorner(shape.startX, shape.startY, shape.endX, shape.endY);
}

// A text grows or shrinks by whole font points from its bottom-right corner: one point
// larger once the pointer, moving right and down from the press, reaches the size the text
// shows at the next point; one smaller once it comes back, moving left and up, within the
// size of the point below. Never below one point, where the text would vanish from label
// and print.
void PointerTool::resizeText(Tshape& text, QPoint at) const
{
    if (m_corner != GrabZone::BottomRight)
        return;
    const int towardX = at.x() - m_press.x();
    const int towardY = at.y() - m_press.y();
    const int step = towardX >= 1 && towardY >= 1 ? 1 : towardX < 0 && towardY < 0 ? -1 : 0;
    const auto fontSize = static_cast<float>(text.fontSize + step);
    const int printSize = truncToInt(static_cast<long double>(truncToInt(fontSize)) / m_document.zoom);
    if (step == 0 || printSize < 1)
        return;
    const QSize extent = previewTextExtent(text, fontSize, m_document.dpi);
    const int along = truncToInt(static_cast<long double>(text.widthFactor) * extent.width());
    const int across = truncToInt(static_cast<long double>(text.heightFactor) * extent.height());
    // A text turned by a quarter lies across the label: its box is as wide as the text is high.
    const bool turned = anchoredDirection(text.direction) % 2 == 1;
    const int width = turned ? across : along;
    const int height = turned ? along : across;
    const long long reachX = static_cast<long long>(at.x()) - text.Left;
    const long long reachY = static_cast<long long>(at.y()) - text.Top;
    const bool reached = step > 0 ? reachX >= width && reachY >= height : reachX <= width && reachY <= height;
    if (!reached)
        return;
    text.fontSize = fontSize;
    text.printSize = printSize;
    text.Right = offsetBy(text.Left, width);
    text.printRight = truncToInt(m_document.FromPixels(text.Right));
    text.Bottom = offsetBy(text.Top, height);
    text.printBottom = truncToInt(m_document.FromPixels(text.Bottom));
}

void PointerTool::squareCurrentQrCode()
{
    if (!m_document.isIndex(m_document.current))
        return;
    Tshape& code = m_document.objects[m_document.current];
    if (code.kind() != ShapeKind::PrintQRBar)
        return;
    const long long width = static_cast<long long>(code.Right) - code.Left;
    const long long height = static_cast<long long>(code.Bottom) - code.Top;
    if (height < width)
        code.Right = offsetBy(code.Left, height);
    else
        code.Bottom = offsetBy(code.Top, width);
}

void PointerTool::drawOutline(int left, int top, int right, int bottom) const
{
    if (m_surfaces.label)
        drawDragOutline(*m_surfaces.label, left, top, right, bottom);
}

void PointerTool::moveRulerMarks(QPoint at)
{
    if (!m_surfaces.rowRuler || !m_surfaces.columnRuler)
        return;
    if (m_rulerMark)
        drawRulerPointerMarks(*m_surfaces.rowRuler, *m_surfaces.columnRuler, *m_rulerMark);
    drawRulerPointerMarks(*m_surfaces.rowRuler, *m_surfaces.columnRuler, at);
    m_rulerMark = at;
}

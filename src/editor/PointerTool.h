#pragma once

#include "model/Tobject.h"

#include <QObject>
#include <QPoint>

#include <optional>

class QPaintDevice;

// Where the pointer rests on an object's box: a corner grabs the box to resize it, the
// inside to move the selection.
enum class GrabZone : quint8 {
    TopLeft = 0,
    BottomLeft = 1,
    TopRight = 2,
    BottomRight = 3,
    Inside = 4,
    Outside = 5,
};

// The object under the pointer at (x, y) on the label surface, or -1. Outlined rectangles
// (cut round rectangles, printed rectangles) are hit near their outline only, so a click
// inside one reaches what lies within; every other object anywhere in its box. Each is
// grabbed kHandleSize pixels beyond its edges. Among the hits the smallest box wins, on
// equal boxes the later object (drawn on top).
int ObjectAt(const Tobject& document, int x, int y);

// The zone of (x, y) on the box (left, top)-(right, bottom): within kHandleSize of a corner
// in both directions, else inside (bounds included), else outside.
GrabZone ZoneAt(int x, int y, int left, int top, int right, int bottom);

// The cursor the label surface shows over a zone.
Qt::CursorShape cursorOf(GrabZone zone);

// Toggles every object whose box lies wholly inside the rectangle spanned by the two points;
// the object selected last becomes the reference of alignment.
void SelectInBand(Tobject& document, int x1, int y1, int x2, int y2);

// Where the pointer draws its feedback, each drawn so that drawing it again restores what
// lay beneath: dotted outlines on the label surface and the pointer's marks on the rulers.
// A surface left null gets no feedback.
struct PointerSurfaces {
    QPaintDevice* label = nullptr;
    QPaintDevice* rowRuler = nullptr;
    QPaintDevice* columnRuler = nullptr;
};

// What the window does after a pointer event: show the cursor, and redraw the label with
// the object list when asked.
struct PointerReply {
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool redraw = false;
};

// The pointer on the label surface. Hovering makes the object under the pointer current and
// shows its zone; a press selects (plain, Shift or Ctrl), then dragging moves the selection
// or resizes it from the corner grabbed, within the label; a press on empty label space
// draws a rubber band that selects what lies wholly inside it. The label lock forbids
// dragging, not selecting. During a drag only dotted outlines are drawn; the release asks
// for the complete redraw.
class PointerTool : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,              // hovering
        Pressing,          // a button is down on an object, nothing has moved yet
        DraggingSelection, // the selected objects follow the pointer
        ResizingCorner,    // the selected objects' boxes follow one corner
        RubberBand,        // a band from the press point selects what it encloses
    };

    explicit PointerTool(Tobject& document, QObject* parent = nullptr);

    void setSurfaces(const PointerSurfaces& surfaces) { m_surfaces = surfaces; }

    // A button went down at a point of the label surface. The right button belongs to the
    // label's context menu and is ignored here. A double click (which follows the press of
    // its second click) asks for the edit of the object under the pointer.
    PointerReply PointerDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at,
                             bool doubleClick = false);
    PointerReply PointerMove(QPoint at);
    PointerReply PointerUp(QPoint at);
    // The pointer left the label surface: the arrow keys no longer nudge.
    void PointerLeave();
    // The rulers were drawn afresh, so no mark of the pointer is left on them to erase.
    void rulersRedrawn() { m_rulerMark.reset(); }

    State state() const { return m_state; }
    // The cursor shown on the label surface; the move cursor lets the arrow keys nudge.
    Qt::CursorShape cursor() const { return m_cursor; }

signals:
    // A double click on the object at index.
    void editRequested(int index);

private:
    PointerReply hover(QPoint at);
    PointerReply stretchBand(QPoint at);
    PointerReply drag(QPoint at);
    void dragStep(QPoint delta, QPoint at);
    void moveBox(Tshape& shape, QPoint delta, QSize label) const;
    void resizeBox(Tshape& shape, QPoint delta, QSize label);
    void resizeText(Tshape& shape, QPoint at) const;
    void squareCurrentQrCode();
    void drawOutline(int left, int top, int right, int bottom) const;
    void moveRulerMarks(QPoint at);

    Tobject& m_document;
    PointerSurfaces m_surfaces;
    State m_state = State::Idle;
    Qt::CursorShape m_cursor = Qt::ArrowCursor;
    std::optional<QPoint> m_rulerMark; // where the marks on the rulers stand

    // Every state but idle: where the button went down.
    QPoint m_press;
    // Pressing: whether the press may become a drag (the label is not locked) and the zone
    // of the pressed object that was grabbed.
    bool m_mayDrag = false;
    GrabZone m_grabbed = GrabZone::Outside;
    // Dragging and resizing: the pointer at the previous step.
    QPoint m_lastPoint;
    // Resizing: the corner dragged; a box turned inside out hands the drag to the mirrored one.
    GrabZone m_corner = GrabZone::BottomRight;
    // Rubber band: its moving corner, kept on the label.
    QPoint m_bandEnd;
};

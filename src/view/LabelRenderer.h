#pragma once

#include "model/Tobject.h"
#include "view/PixelBox.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

class QPaintDevice;
class QPainter;

// One row of the object list beside the label: the object's number (from 1), the text of
// its kind, and whether it is selected.
struct ObjectListRow {
    int number = 0;
    QString kindText;
    bool selected = false;

    friend bool operator==(const ObjectListRow&, const ObjectListRow&) = default;
};

// The object list as a redraw rebuilds it, and how far (in pixels) the list scrolls down
// so that the last selected row is in view.
struct ObjectListContent {
    QList<ObjectListRow> rows;
    int scrollPixels = 0;
};

// Height of one row of the object list, by which it scrolls.
inline constexpr int kObjectListRowHeight = 15;

// Redraws the whole label onto canvas: the white sheet, the background picture, every
// object in list order with the marks of the selected ones beneath it, and the frame of the
// current object on top. The pixel boxes of the kinds that are placed by their model box
// are rewritten. With refreshList the object list rows come back too (the list's own clicks
// redraw without them, so as not to disturb the list while it is clicked).
std::optional<ObjectListContent> Draw(QPaintDevice& canvas, Tobject& document, bool refreshList);

// The same drawing with a painter already open on the surface.
std::optional<ObjectListContent> Draw(QPainter& painter, Tobject& document, bool refreshList);

// A frame two pixels outside box in frameColor and filled squares of handleSize around
// its corners in handleColor: how a selected (blue) or the current (red and green) object
// is marked.
void drawSelectionMarks(QPainter& painter, const PixelBox& box, const QColor& frameColor,
                        const QColor& handleColor, int handleSize);

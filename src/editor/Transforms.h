#pragma once

#include "model/Tobject.h"

#include <QPointF>
#include <QString>

#include <optional>

// Exact placement of the selected objects from the tool window, in model units (tenths of a
// millimetre), with the pixel boxes kept in step. Each takes the undo snapshot first and
// marks the label modified; the window redraws afterwards. The label lock does not apply:
// locked objects are placed here as anywhere else.

enum class Placement {
    Relative, // the values are an offset
    Absolute, // the values are the new position of the top-left corner
};

enum class TransformAction { Move, Copy };

// Moves the selected objects, or appends copies of them (selected, the sources deselected;
// a copy has no name and is enabled for the jobs), by (dx, dy) or to (dx, dy). An absolute
// position left of or above the label is refused with a message. Nothing happens on an
// empty label or without a selection. No bound is set on the right or below: an object may
// be placed off the label, and dragged back.
void Transform(Tobject& document, float dx, float dy, Placement placement, TransformAction action);

// The same from the typed millimetres of the transform fields; a field that is no number
// makes the command do nothing. Returns whether the transform ran.
bool TransformTyped(Tobject& document, const QString& x, const QString& y, Placement placement,
                    TransformAction action);

enum class AlignMode { Left = 0, Centre = 1, Right = 2, Top = 3, Middle = 4, Bottom = 5 };
enum class AlignReference {
    LastClicked = 0, // the object selected last stays and the others line up with it
    Label = 1,
};

// Lines the selected objects up along one edge or centre line of the reference. Nothing
// happens on an empty label, without a selection, or with no object selected last to line
// up with.
void Align(Tobject& document, AlignMode mode, AlignReference reference);

// The mode the six radio buttons of the align group choose; none chosen aligns left.
AlignMode alignModeOf(bool centre, bool right, bool top, bool middle, bool bottom);

// Half a millimetre, the step of the arrow keys.
inline constexpr float kNudgeStep = 5;

// The offset (tenths of a millimetre) by which an arrow key nudges the selection; none for
// other keys.
std::optional<QPointF> nudgeOffset(int key);

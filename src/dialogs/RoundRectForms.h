#pragma once

#include "cutter/SegmentedRectForm.h"

class Tobject;
struct Tshape;

// The rounded rectangle dialog serves two commands: "刻方" adds one rounded rectangle that
// carries its joint, "线段式刻方" the same outline as a chain of lines and corner arcs.

// The dialog's first values: joint offset and delay 0, every start distance 15 mm.
SegmentedRectForm roundRectFormDefaults();
// The preset of both commands: a 30 mm square at (20, 5) mm with 2 mm corners and a 2 mm
// joint, counter-clockwise from the left side. The offset, the delay and the start
// distances keep what they held last.
void presetRoundRect(SegmentedRectForm& form);
// "刻方": one rounded rectangle with its joint. Converts every field first.
void addCutRoundRect(const SegmentedRectForm& form, Tobject& document);
// The edit of a rounded rectangle: its box, corner, direction and joint fill the dialog (the
// joint's distance on its side with two decimals; the other sides keep theirs), and the
// confirmed fields go back into the record. ConversionError before the record changes.
void fillCutRoundRectEdit(SegmentedRectForm& form, const Tshape& shape);
void writeCutRoundRectEdit(const SegmentedRectForm& form, Tshape& shape, const Tobject& document);
// "线段式刻方": the chain of lines and arcs, added as one undo step. The form must have
// passed acceptSegmentedRectForm.
void addSegmentedRectChain(const SegmentedRectForm& form, Tobject& document);

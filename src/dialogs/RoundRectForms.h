#pragma once

#include "cutter/SegmentedRectForm.h"

class Tobject;

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
// "线段式刻方": the chain of lines and arcs, added as one undo step. The form must have
// passed acceptSegmentedRectForm.
void addSegmentedRectChain(const SegmentedRectForm& form, Tobject& document);

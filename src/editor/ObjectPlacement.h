#pragma once

#include "model/Tshape.h"

// Steps that moving an object shares between the pointer, the transform commands and the
// arrow keys.

// a + b, clamped to the 32-bit range: a box read from a damaged file may lie anywhere.
int offsetBy(int a, long double b);

// Moves what a cut arc or cut line is cut from (the arc's centre, the line's end points) by
// (dx, dy) tenths of a millimetre; other kinds have only their boxes.
void shiftCutGeometry(Tshape& shape, double dx, double dy);

#pragma once

#include "model/Tshape.h"

class Tobject;

// Texts and symbols are placed by one anchor point; their box on screen follows from their
// size and rotation. The anchor is the corner where the upright text or symbol starts:
// top-left at 0°, bottom-left at 90°, bottom-right at 180°, top-right at 270°.

// The rotation 0..3 of a text or symbol. A value outside that range, which only a damaged
// label file can hold, counts as upright so that the object stays visible and selectable.
int anchoredDirection(int direction);

// Writes the pixel box of shape: anchored at (anchorX, anchorY), width x height pixels before
// rotation, turned by the shape's direction.
void setAnchoredBox(Tshape& shape, int anchorX, int anchorY, int width, int height);

// After its pixel box was moved on screen, the anchor of a text or symbol follows the box:
// printLeft and printTop become the model position of the box corner its rotation names.
void anchorAtPixelBox(Tshape& shape, const Tobject& document);

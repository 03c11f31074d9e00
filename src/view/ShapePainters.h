#pragma once

#include "model/Tobject.h"
#include "model/Tshape.h"
#include "view/PixelBox.h"

class QPainter;

// Each kind of object drawn on the label surface. box is the object's model rectangle in
// pixels at the document's zoom. The outline pen (colour and width) is the caller's; the
// direction marks bring their own colours. Functions that take a mutable shape store box
// into its pixel rectangle, which the pointer then uses to pick the object.

// A rounded cut rectangle with the mark of its joint gap and the chevrons of its cutting
// direction.
void drawCutRoundRect(QPainter& painter, Tshape& shape, const Tobject& document, const PixelBox& box);

// The upper half of an ellipse standing on the box's bottom edge, closed by that edge.
void drawCutHalfCircle(QPainter& painter, const PixelBox& box);

// A cut line with an arrowhead at its middle pointing toward its end.
void drawCutLine(QPainter& painter, const Tshape& line, const Tobject& document);

// A cut arc with an arrowhead at its middle; a full turn or more is the ellipse of box,
// without arrow.
void drawCutArc(QPainter& painter, const Tshape& arc, const Tobject& document, const PixelBox& box);

// The outline traced from the object's bitmap, stretched onto its pixel rectangle. Nothing
// when the bitmap cannot be traced.
void drawTracedOutline(QPainter& painter, const Tshape& shape);

// A printed line from the corner its direction names to the opposite one, as wide as its
// lineWidth.
void drawPrintLine(QPainter& painter, Tshape& line, const PixelBox& box);

// A printed rectangle, filled black when solid, else outlined lineWidth wide with rounded
// corners.
void drawPrintRect(QPainter& painter, const Tshape& rect, const PixelBox& box);

// A picture stretched onto box with its white left transparent; a picture whose file is
// missing or unreadable shows the two diagonals of box in the current pen instead.
void drawPrintImage(QPainter& painter, Tshape& image, const PixelBox& box);

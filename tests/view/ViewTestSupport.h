#pragma once

#include "model/Tshape.h"
#include "view/PixelBox.h"

#include <QImage>
#include <QRect>

#include <ostream>

// Readable boxes in failure messages.
void PrintTo(const PixelBox& box, std::ostream* out);

// Objects and surfaces the view suites share.
namespace view_test {

// A Code 128 barcode at model (printLeft, printTop) with a readable line set up like the
// dialog's defaults: 12-point text, factors 1, no gap, no offsets.
Tshape codeBar(const QString& value, int printLeft, int printTop, int direction);

// A two-dimensional code object of the given kind whose pixel box starts at (left, top).
Tshape matrixCode(ShapeKind kind, const QString& value, int left, int top, int direction);

// A white label surface.
QImage whiteSurface(int width = 800, int height = 800);

// The smallest rectangle holding every pixel that is not the given background colour
// (white unless said), as a box with exclusive right and bottom edges; all zero when none.
PixelBox inkBox(const QImage& image, QRgb background = 0xFFFFFFFFu);

// True when some pixel inside the box (exclusive edges) differs from the background.
bool hasInk(const QImage& image, const PixelBox& box, QRgb background = 0xFFFFFFFFu);

} // namespace view_test

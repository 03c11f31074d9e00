#pragma once

#include "model/Tobject.h"

#include <QPoint>

class QPaintDevice;

// The millimetre rulers along the top (row) and left (column) edges of the label, 20 pixels
// thick, at the document's zoom: a short tick every millimetre, a longer one every five and
// a long one with the centimetre number every ten.
inline constexpr int kRulerThickness = 20;

void DrawRowRuler(int length, QPaintDevice& canvas, const Tobject& document);
void DrawColRuler(int length, QPaintDevice& canvas, const Tobject& document);

// Marks drawn so that drawing them again at the same place restores what was beneath
// (each pixel is inverted against the black pen). They work on raster surfaces (QImage).

// The pointer's position on the rulers: a line across the row ruler at x and across the
// column ruler at y.
void drawRulerPointerMarks(QPaintDevice& rowRuler, QPaintDevice& colRuler, QPoint pointer);

// The dotted outline of a box being dragged or banded; a box of no width or height is
// widened by a pixel on each side so that it stays visible.
void drawDragOutline(QPaintDevice& canvas, int left, int top, int right, int bottom);

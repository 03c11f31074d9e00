#pragma once

#include "model/Tobject.h"
#include "model/Tshape.h"

#include <QSize>
#include <QString>

class QPaintDevice;
class QPainter;

// Text objects on the label surface.

// Extent of text in the face fontName at points, at the resolution of surface, with
// charExtra pixels after each character: the size a new text object is given before its
// width and height factors. Empty for a size below one point.
QSize measureTextExtent(const QString& text, const QString& fontName, int points, int charExtra,
                        const QPaintDevice& surface);

// The upright size (pixels) of a text object's preview with a display font size of fontSize
// (points x zoom) on a screen of dpi: what drawPrintString stretches by the text's factors.
QSize previewTextExtent(const Tshape& text, float fontSize, int dpi);

// Draws a text object turned by its rotation and stretched by its factors, in black, or
// grey when the jobs skip it, and rewrites its pixel box with the area it covers. The
// preview leaves out the character gap, which only the printed text applies.
void drawPrintString(QPainter& painter, Tshape& text, const Tobject& document);

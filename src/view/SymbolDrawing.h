#pragma once

#include "model/Tobject.h"
#include "model/Tshape.h"

#include <QImage>
#include <QRectF>

class QPainter;

// Barcodes and two-dimensional codes on the label surface, drawn as their real symbols.

// Copies a symbol image stretched into target; its transparent (white) pixels leave what
// lies beneath visible. run is the image's axis along which its modules follow each other
// (either one for a two-dimensional code).
void placeSymbol(QPainter& painter, const QImage& image, const QRectF& target, Qt::Orientation run);

// Draws a linear barcode: its bars scaled by the zoom along their run and stretched to the
// bar height, then its human-readable line when it shows one. The object's pixel box is
// rewritten from its anchor, as every redraw does.
void drawBarcode(QPainter& painter, Tshape& bar, const Tobject& document);

// Draws a QR, Data Matrix or PDF417 code at the top-left corner of the object's pixel box,
// scaled by the zoom. The box is left as it is.
void drawMatrixSymbol(QPainter& painter, const Tshape& shape, const Tobject& document);

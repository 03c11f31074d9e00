#pragma once

#include "model/Tobject.h"
#include "model/Tshape.h"

#include <QString>

// Sizes of symbols on screen, in pixels at the document's zoom. A value the symbology
// cannot encode (an empty value included) measures 0.

// A symbol size at 100 % scaled by the zoom, truncated.
int atZoom(int pixels, float zoom);

// Length along the bars of a linear barcode, or the width of a QR code turned by its
// rotation; 0 for any other kind.
int symbolLength(const Tshape& shape, float zoom);

// symbolLength of the object at index in the document's list; 0 when there is none.
int BarSymbolWidth(const Tobject& document, int index);

// Length of a linear barcode of the given type and narrow bar width encoding value alone.
int MeasureBar(const Tobject& document, const QString& value, int barWidth, const QString& barType);

// Side of a QR code at error-correction level 0..3 (L, M, Q, H).
int MeasureQR(const Tobject& document, const QString& value, int barWidth, int level);

// Side of a (square) Data Matrix code.
int MeasureDataMatrix(const Tobject& document, const QString& value, int barWidth);

// Width and height of a PDF417 code at security level 0..8; the library chooses the columns.
int MeasurePdf417Width(const Tobject& document, const QString& value, int barWidth, int level);
int MeasurePdf417Height(const Tobject& document, const QString& value, int barWidth, int level);

#pragma once

#include "model/Tshape.h"
#include "view/BarcodeSymbol.h"

#include <QString>

// What the library is asked for each kind of barcode and code. Values are handed over as
// GBK bytes, Chinese text included.

// The text a linear barcode encodes: beginStr, barValue, endStr.
QString barText(const Tshape& bar);

// A linear barcode of the given type and narrow bar width, nothing else set: the symbol
// whose length the add operation measures (and the printer's estimate of the printed length).
SymbolRequest linearRequest(const QString& barType, int barWidth, const QString& value);

// The linear barcode as the view draws it: no library text, its bar height, turned by its
// rotation.
SymbolRequest barDrawRequest(const Tshape& bar);

// The linear barcode as its length along the bars is measured: upright, with the library's
// text when the object shows a human-readable line.
SymbolRequest barLengthRequest(const Tshape& bar);

// Two-dimensional codes; rotation in degrees clockwise.
SymbolRequest qrRequest(const QString& value, int barWidth, int level, int rotation = 0);
SymbolRequest dataMatrixRequest(const QString& value, int barWidth, int rotation = 0);
SymbolRequest pdf417Request(const QString& value, int barWidth, int level, int rotation = 0);

// A QR, Data Matrix or PDF417 object as the view draws it.
SymbolRequest matrixDrawRequest(const Tshape& shape);

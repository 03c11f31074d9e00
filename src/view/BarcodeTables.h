#pragma once

#include "model/Tshape.h"

#include <QString>

// How the objects' barcode settings translate into what the barcode library is asked for.

// The library's symbology numbers this program uses.
namespace symbology {
inline constexpr int Interleaved2of5 = 3;
inline constexpr int Code39 = 8;
inline constexpr int ExtendedCode39 = 9;
inline constexpr int Ean = 13; // EAN-8 or EAN-13, chosen by the value's length
inline constexpr int Ean128 = 16;
inline constexpr int Code128 = 20;
inline constexpr int Code93 = 25;
inline constexpr int UpcA = 34;
inline constexpr int UpcE = 37;
inline constexpr int Pdf417 = 55;
inline constexpr int QrCode = 58;
inline constexpr int Code128B = 60;
inline constexpr int DataMatrix = 71;
} // namespace symbology

// Symbology of a linear barcode's type name as the dialog offers it, compared in upper
// case. A name the table does not know keeps the library's default, Code 128.
int barSymbology(const QString& barType);

// True for the two Code 39 types, whose start and stop character "*" the human-readable
// line can show.
bool isCode39(const QString& barType);

// Library scale of a linear barcode's narrow bar width 1..15; any other width keeps the
// library's default scale 1.
float barScale(int barWidth);

// Library scale of a two-dimensional code's module size: 0.19 for 1, 1.0 for 7, rising by
// 0.135 a step, for any value.
float matrixScale(int barWidth);

// Angle in degrees (clockwise) by which the library turns the symbol of a barcode or code
// of the given kind at rotation 0..3. QR codes and linear barcodes turn one way, Data
// Matrix and PDF417 the other, as their printed counterparts do.
int symbolRotation(ShapeKind kind, int direction);

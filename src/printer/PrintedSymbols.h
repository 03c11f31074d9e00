#pragma once

#include "model/StreamProblem.h"
#include "printer/PrinterStream.h"
#include "printer/RasterGraphic.h"

#include <QPoint>

#include <optional>

// A symbol as the printer prints it from its command: generated with the barcode library at
// the commanded module sizes, upright, then turned about its anchor.
struct PrintedSymbol {
    DotMask mask;         // upright, one flag per printer dot
    QPoint anchor;        // tenths of a millimetre: the upright symbol's top-left corner
    int quarterTurns = 0; // clockwise about the anchor
};

// Reads a symbol command ("{XB…}"). Returns nothing, with the reason added to problems,
// when it cannot be drawn (a form the program never sends, a field that is no number, data
// the symbology cannot encode). What it draws only in part (the printer's own
// human-readable line) is added to problems too.
std::optional<PrintedSymbol> printedSymbol(const PrinterCommand& command, int dpi, QList<StreamProblem>& problems);

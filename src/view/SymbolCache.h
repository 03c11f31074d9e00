#pragma once

#include "view/BarcodeSymbol.h"

#include <QCache>

// Symbols already generated, keyed by every input that shapes them. The label is redrawn
// completely after every change, so without it each redraw would encode every barcode
// again; with it an unchanged label redraws without asking the library at all.
// Used from the main thread only.
class SymbolCache {
public:
    explicit SymbolCache(qsizetype maxKilobytes = 64 * 1024);

    BarcodeSymbol symbol(const SymbolRequest& request);
    void clear();

    // How many symbols had to be encoded since the cache was made or cleared.
    int encodeCount() const { return encodes; }

private:
    QCache<SymbolRequest, BarcodeSymbol> symbols;
    int encodes = 0;
};

// The program's symbol cache.
SymbolCache& symbolCache();

// The symbol for a request, from the program's cache.
BarcodeSymbol generateSymbol(const SymbolRequest& request);

#pragma once

#include "view/BarcodeTables.h"

#include <QByteArray>
#include <QImage>

// Everything the barcode library is told before it encodes one symbol. The defaults are
// the library's own, so a request that sets only some fields means "nothing else set".
struct SymbolRequest {
    int symbology = symbology::Code128; // symbol->symbology
    float height = 0;                   // symbol->height, in modules; 0 = the library's default
    float scale = 1;                    // symbol->scale: the symbol is 2 x scale pixels per module
    int option1 = -1;                   // symbol->option_1
    int option2 = 0;                    // symbol->option_2
    int option3 = 0;                    // symbol->option_3
    int showHrt = 1;                    // symbol->show_hrt
    int rotation = 0;                   // degrees clockwise: 0, 90, 180 or 270
    QByteArray data;                    // GBK bytes, encoded unchanged (symbol->input_mode 0)

    friend bool operator==(const SymbolRequest&, const SymbolRequest&) = default;
};

size_t qHash(const SymbolRequest& request, size_t seed = 0);

// One generated symbol. image holds one pixel per module (white made transparent, so only
// the dark modules cover what lies beneath); width and height are the size the scale asks
// for, in pixels at 100 %. A value the symbology cannot encode gives an empty symbol:
// nothing to draw, size 0.
struct BarcodeSymbol {
    QImage image;
    int width = 0;
    int height = 0;
    int rows = 0; // symbol->rows: a PDF417 row is several pixels high in image

    bool isEmpty() const { return image.isNull(); }
};

// Encodes one symbol with the barcode library. Prefer generateSymbol (SymbolCache.h), which
// reuses symbols already made.
BarcodeSymbol encodeSymbol(const SymbolRequest& request);

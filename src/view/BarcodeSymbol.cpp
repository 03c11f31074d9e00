#include "view/BarcodeSymbol.h"

#include "model/Convert.h"

#include <QHashFunctions>

#include <zint.h>

#include <memory>

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using SymbolPointer = std::unique_ptr<zint_symbol, SymbolDeleter>;

// The library draws no less than one pixel per module: asked for less it clamps, so the
// smaller widths of the scale tables would all come out alike. It is asked for exactly
// one pixel per module instead, and the symbol is scaled to its intended size when drawn.
constexpr float kOnePixelPerModule = 0.5f;

// No symbology holds more than a few thousand bytes; a longer value is refused before the
// library spends time on it.
constexpr qsizetype kMaxDataBytes = 8192;

constexpr QRgb kWhite = 0xFFFFFFu;

// Size at the requested scale of a dimension drawn one pixel per module: 2 x scale pixels
// per module, truncated as the library truncates its own scaled sizes.
int intendedSize(int modules, float scale)
{
    return truncToInt(static_cast<float>(2 * modules) * scale);
}

QImage imageOf(const zint_symbol& symbol)
{
    const int width = symbol.bitmap_width;
    const int height = symbol.bitmap_height;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    const unsigned char* source = symbol.bitmap;
    for (int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < width; ++column, source += 3) {
            const QRgb rgb = qRgb(source[0], source[1], source[2]);
            line[column] = (rgb & kWhite) == kWhite ? 0 : rgb;
        }
    }
    return image;
}

} // namespace

size_t qHash(const SymbolRequest& request, size_t seed)
{
    return qHashMulti(seed, request.symbology, request.height, request.scale, request.option1,
                      request.option2, request.option3, request.showHrt, request.rotation,
                      request.data);
}

BarcodeSymbol encodeSymbol(const SymbolRequest& request)
{
    if (request.data.isEmpty() || request.data.size() > kMaxDataBytes)
        return {};
    const SymbolPointer symbol(ZBarcode_Create());
    if (!symbol)
        return {};
    symbol->symbology = request.symbology;
    symbol->height = request.height;
    symbol->scale = kOnePixelPerModule;
    symbol->option_1 = request.option1;
    symbol->option_2 = request.option2;
    symbol->option_3 = request.option3;
    symbol->show_hrt = request.showHrt;
    symbol->input_mode = DATA_MODE;
    const int result = ZBarcode_Encode_and_Buffer(
        symbol.get(), reinterpret_cast<const unsigned char*>(request.data.constData()),
        static_cast<int>(request.data.size()), request.rotation);
    // Warnings (below ZINT_ERROR) still give a usable symbol; errors give none.
    if (result >= ZINT_ERROR || !symbol->bitmap || symbol->bitmap_width <= 0 || symbol->bitmap_height <= 0)
        return {};
    BarcodeSymbol generated;
    generated.image = imageOf(*symbol);
    if (generated.image.isNull())
        return {};
    generated.width = intendedSize(symbol->bitmap_width, request.scale);
    generated.height = intendedSize(symbol->bitmap_height, request.scale);
    generated.rows = symbol->rows;
    return generated;
}

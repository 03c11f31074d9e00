#include "view/SymbolCache.h"

SymbolCache::SymbolCache(qsizetype maxKilobytes)
    : symbols(maxKilobytes)
{
}

BarcodeSymbol SymbolCache::symbol(const SymbolRequest& request)
{
    if (const BarcodeSymbol* cached = symbols.object(request))
        return *cached;
    ++encodes;
    BarcodeSymbol generated = encodeSymbol(request);
    // Values that cannot be encoded are remembered too, at the smallest cost.
    const qsizetype cost = 1 + generated.image.sizeInBytes() / 1024;
    symbols.insert(request, new BarcodeSymbol(generated), cost);
    return generated;
}

void SymbolCache::clear()
{
    symbols.clear();
    encodes = 0;
}

SymbolCache& symbolCache()
{
    static SymbolCache cache;
    return cache;
}

BarcodeSymbol generateSymbol(const SymbolRequest& request)
{
    return symbolCache().symbol(request);
}

#include "view/SymbolMeasure.h"

#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "view/SymbolCache.h"
#include "view/SymbolRequests.h"

int atZoom(int pixels, float zoom)
{
    return truncToInt(static_cast<long double>(pixels) * zoom);
}

int symbolLength(const Tshape& shape, float zoom)
{
    switch (shape.kind()) {
    case ShapeKind::PrintBar:
        return atZoom(generateSymbol(barLengthRequest(shape)).width, zoom);
    case ShapeKind::PrintQRBar: {
        const int rotation = anchoredDirection(shape.direction) * 90;
        return atZoom(generateSymbol(qrRequest(shape.barValue, shape.barWidth, shape.barLevel, rotation)).width,
                      zoom);
    }
    default:
        return 0;
    }
}

int BarSymbolWidth(const Tobject& document, int index)
{
    if (index < 0 || index >= document.objects.size())
        return 0;
    return symbolLength(document.objects[index], document.zoom);
}

int MeasureBar(const Tobject& document, const QString& value, int barWidth, const QString& barType)
{
    return atZoom(generateSymbol(linearRequest(barType, barWidth, value)).width, document.zoom);
}

int MeasureQR(const Tobject& document, const QString& value, int barWidth, int level)
{
    return atZoom(generateSymbol(qrRequest(value, barWidth, level)).width, document.zoom);
}

int MeasureDataMatrix(const Tobject& document, const QString& value, int barWidth)
{
    return atZoom(generateSymbol(dataMatrixRequest(value, barWidth)).width, document.zoom);
}

int MeasurePdf417Width(const Tobject& document, const QString& value, int barWidth, int level)
{
    return atZoom(generateSymbol(pdf417Request(value, barWidth, level)).width, document.zoom);
}

int MeasurePdf417Height(const Tobject& document, const QString& value, int barWidth, int level)
{
    return atZoom(generateSymbol(pdf417Request(value, barWidth, level)).height, document.zoom);
}

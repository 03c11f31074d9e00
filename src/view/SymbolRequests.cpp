#include "view/SymbolRequests.h"

#include "model/TextCodec.h"

#include <zint.h>

#include <algorithm>

namespace {

// The library refuses bars taller than this many modules. The view stretches the bars to
// the object's height anyway, so a taller object is drawn from a symbol of this height.
constexpr float kMaxBarHeight = 2000;

SymbolRequest matrixRequest(int type, const QString& value, int barWidth, int rotation)
{
    SymbolRequest request;
    request.symbology = type;
    request.scale = matrixScale(barWidth);
    request.rotation = rotation;
    request.data = gbk::encode(value);
    return request;
}

} // namespace

QString barText(const Tshape& bar)
{
    return bar.beginStr + bar.barValue + bar.endStr;
}

SymbolRequest linearRequest(const QString& barType, int barWidth, const QString& value)
{
    SymbolRequest request;
    request.symbology = barSymbology(barType);
    request.scale = barScale(barWidth);
    request.data = gbk::encode(value);
    return request;
}

SymbolRequest barDrawRequest(const Tshape& bar)
{
    SymbolRequest request = linearRequest(bar.barType, bar.barWidth, barText(bar));
    request.showHrt = 0;
    request.height = std::min(static_cast<float>(bar.barHeight), kMaxBarHeight);
    request.rotation = symbolRotation(ShapeKind::PrintBar, bar.direction);
    return request;
}

SymbolRequest barLengthRequest(const Tshape& bar)
{
    SymbolRequest request = linearRequest(bar.barType, bar.barWidth, barText(bar));
    request.showHrt = bar.displayCode != 0 ? 1 : 0;
    request.height = std::min(static_cast<float>(bar.barHeight), kMaxBarHeight);
    return request;
}

SymbolRequest qrRequest(const QString& value, int barWidth, int level, int rotation)
{
    SymbolRequest request = matrixRequest(symbology::QrCode, value, barWidth, rotation);
    // The stored levels 0..3 are L, M, Q, H, as the printer receives them; the library
    // counts them from 1.
    request.option1 = level >= 0 && level <= 3 ? level + 1 : 0;
    request.option2 = 0;
    return request;
}

SymbolRequest dataMatrixRequest(const QString& value, int barWidth, int rotation)
{
    SymbolRequest request = matrixRequest(symbology::DataMatrix, value, barWidth, rotation);
    // Square sizes only: the object's box is as high as it is wide.
    request.option3 = DM_SQUARE;
    return request;
}

SymbolRequest pdf417Request(const QString& value, int barWidth, int level, int rotation)
{
    SymbolRequest request = matrixRequest(symbology::Pdf417, value, barWidth, rotation);
    request.option1 = level;
    request.option2 = 0; // the library chooses the columns
    return request;
}

SymbolRequest matrixDrawRequest(const Tshape& shape)
{
    const int rotation = symbolRotation(shape.kind(), shape.direction);
    switch (shape.kind()) {
    case ShapeKind::PrintQRBar:
        return qrRequest(shape.barValue, shape.barWidth, shape.barLevel, rotation);
    case ShapeKind::PrintDataMatrix:
        return dataMatrixRequest(shape.barValue, shape.barWidth, rotation);
    case ShapeKind::PrintPdf417Bar:
        return pdf417Request(shape.barValue, shape.barWidth, shape.barLevel, rotation);
    default:
        return {};
    }
}

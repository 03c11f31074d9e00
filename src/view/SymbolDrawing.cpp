#include "view/SymbolDrawing.h"

#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "view/HumanReadableLine.h"
#include "view/SymbolCache.h"
#include "view/SymbolMeasure.h"
#include "view/SymbolRequests.h"
#include "view/TextPainting.h"

#include <QPainter>

namespace {

// origin + size x zoom, truncated as a whole (not origin + the truncated size), so that
// symbols left of or above the label's edge are placed as everywhere else.
int scaledEnd(int origin, int size, float zoom)
{
    return truncToInt(static_cast<long double>(size) * zoom + origin);
}

} // namespace

void placeSymbol(QPainter& painter, const QImage& image, const QRectF& target, Qt::Orientation run)
{
    if (image.isNull() || target.isEmpty())
        return;
    painter.save();
    // Modules shrunk below a pixel blend into grey rather than dropping out; enlarged ones
    // stay sharp. Only the run counts: bars are always stretched or squeezed across it.
    const bool shrinks = run == Qt::Horizontal ? target.width() < image.width() : target.height() < image.height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, shrinks);
    painter.drawImage(target, image);
    painter.restore();
}

void drawBarcode(QPainter& painter, Tshape& bar, const Tobject& document)
{
    const int length = symbolLength(bar, document.zoom);
    setAnchoredBox(bar, document.ToPixels(bar.printLeft), document.ToPixels(bar.printTop), length,
                   document.ToPixels(bar.barHeight));
    const PixelBox box = pixelBoxOf(bar);

    const BarcodeSymbol symbol = generateSymbol(barDrawRequest(bar));
    const bool alongY = anchoredDirection(bar.direction) % 2 == 1;
    const int drawnLength = atZoom(alongY ? symbol.height : symbol.width, document.zoom);
    const QRectF target = alongY ? PixelBox{box.left, scaledEnd(box.bottom, -symbol.height, document.zoom), box.right, box.bottom}.rect()
                                 : PixelBox{box.left, box.top, scaledEnd(box.left, symbol.width, document.zoom), box.bottom}.rect();
    placeSymbol(painter, symbol.image, target, alongY ? Qt::Vertical : Qt::Horizontal);

    if (bar.displayCode == 0)
        return;
    if (const auto line = humanReadableLine(bar, document, box, drawnLength))
        drawHumanReadableLine(painter, *line, textColor(bar.ifPrint));
}

void drawMatrixSymbol(QPainter& painter, const Tshape& shape, const Tobject& document)
{
    const BarcodeSymbol symbol = generateSymbol(matrixDrawRequest(shape));
    const PixelBox target{shape.Left, shape.Top, scaledEnd(shape.Left, symbol.width, document.zoom),
                          scaledEnd(shape.Top, symbol.height, document.zoom)};
    placeSymbol(painter, symbol.image, target.rect(), Qt::Horizontal);
}

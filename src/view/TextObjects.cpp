#include "view/TextObjects.h"

#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "view/PixelBox.h"
#include "view/TextPainting.h"

#include <QFontMetrics>
#include <QPaintDevice>

#include <algorithm>

QSize measureTextExtent(const QString& text, const QString& fontName, int points, int charExtra,
                        const QPaintDevice& surface)
{
    if (points < 1)
        return {};
    // Points to pixels at the surface's resolution, rounded as the machine's designs were.
    const int pixels = roundHalfUp(static_cast<long double>(points) * surface.logicalDpiY() / 72);
    QFont font(fontName);
    font.setPixelSize(std::clamp(pixels, 1, kMaxCellHeight));
    font.setLetterSpacing(QFont::AbsoluteSpacing, charExtra);
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

namespace {

// The font of a text's preview and the upright size of the text in it; empty below a pixel.
struct PreviewText {
    QFont font;
    QSize extent;
};

PreviewText previewText(const Tshape& text, float fontSize, int dpi)
{
    const int cellHeight = truncToInt(static_cast<long double>(fontSize) * dpi / 72);
    PreviewText preview{logicalFont(text.fontName, cellHeight, text.bold ? QFont::Bold : QFont::Normal,
                                    text.italic, text.underLine, text.strikeOut),
                        QSize(0, 0)};
    if (cellHeight >= 1) {
        const QFontMetrics metrics(preview.font);
        preview.extent = {metrics.horizontalAdvance(text.str), metrics.height()};
    }
    return preview;
}

} // namespace

QSize previewTextExtent(const Tshape& text, float fontSize, int dpi)
{
    return previewText(text, fontSize, dpi).extent;
}

void drawPrintString(QPainter& painter, Tshape& text, const Tobject& document)
{
    const PreviewText preview = previewText(text, text.fontSize, document.dpi);
    const bool visible = !preview.extent.isEmpty();
    const int width = preview.extent.width();
    const int height = preview.extent.height();

    const long double px = document.ToPixels(text.printLeft);
    const long double py = document.ToPixels(text.printTop);
    const long double fw = text.widthFactor;
    const long double fh = text.heightFactor;
    // The upright text, turned: along is its length on the label, across its height.
    const long double along = fw * width;
    const long double across = fh * height;
    PixelBox box;
    switch (anchoredDirection(text.direction)) {
    case 0:
        box = {truncToInt(px), truncToInt(py), truncToInt(along + px), truncToInt(across + py)};
        break;
    case 1:
        box = {truncToInt(px), truncToInt(py - along), truncToInt(across + px), truncToInt(py)};
        break;
    case 2:
        box = {truncToInt(px - along), truncToInt(py - across), truncToInt(px), truncToInt(py)};
        break;
    default:
        box = {truncToInt(px - across), truncToInt(py), truncToInt(px), truncToInt(along + py)};
        break;
    }
    setPixelBox(text, box);
    if (visible)
        drawStretchedText(painter, text.str, preview.font, 0, QSizeF(width, height), text.direction, box.rect(),
                          textColor(text.ifPrint));
}

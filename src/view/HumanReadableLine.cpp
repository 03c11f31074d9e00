#include "view/HumanReadableLine.h"

#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "model/TextCodec.h"
#include "view/BarcodeTables.h"
#include "view/TextPainting.h"

#include <QFontMetrics>

namespace {

enum AlignMode { Left = 0, Right = 1, Centre = 2, Justified = 3 };

int toInt(qint64 value)
{
    return truncToInt(static_cast<long double>(value));
}

} // namespace

QString humanReadableText(const Tshape& bar)
{
    const QString text = bar.beginStr + bar.barValue + bar.endStr;
    if (bar.if39Star == 1 && isCode39(bar.barType))
        return u'*' + text + u'*';
    return text;
}

std::optional<HumanReadableLine> humanReadableLine(const Tshape& bar, const Tobject& document,
                                                   const PixelBox& box, int symbolLength)
{
    HumanReadableLine line;
    line.text = humanReadableText(bar);
    const qint64 n = gbk::byteLength(line.text);
    const int cellHeight = truncToInt(static_cast<long double>(bar.fontSize) * document.zoom * document.dpi / 72);
    if (n == 0 || cellHeight < 1)
        return std::nullopt;
    line.font = logicalFont(bar.fontName, cellHeight, bar.bold ? QFont::Black : QFont::Normal,
                            bar.italic, bar.underLine, bar.strikeOut);
    line.direction = anchoredDirection(bar.direction);

    const QFontMetrics metrics(line.font);
    const qint64 textWidth = metrics.horizontalAdvance(line.text);
    const qint64 textHeight = metrics.height();
    const qint64 gap = document.ToPixels(static_cast<double>(bar.strGap) * 10);
    const qint64 w = symbolLength;
    qint64 length = truncToInt(static_cast<long double>(bar.widthFactor) * (textWidth + gap * (n - 1)));
    const qint64 thickness = truncToInt(static_cast<long double>(bar.heightFactor) * textHeight);
    const qint64 distance = document.ToPixels(static_cast<double>(bar.yOffset) * 10);
    const qint64 shift = document.ToPixels(static_cast<double>(bar.xOffset) * 10);

    // A single character has no gap to spread the spare length over: it stays left-aligned.
    const int mode = bar.alignMode == Justified && n < 2 ? Left : bar.alignMode;
    const qint64 spacing = mode == Justified ? (w - length) / (n - 1) + gap : gap;
    line.spacing = toInt(spacing);
    line.upright = QSize(toInt((n - 1) * spacing + textWidth), toInt(textHeight));

    // Along the bars' run: where the symbol starts and ends, and which way the run goes.
    qint64 start = box.left;
    qint64 end = box.right;
    qint64 sign = 1;
    switch (line.direction) {
    case 1:
        start = box.bottom;
        end = box.top;
        sign = -1;
        break;
    case 2:
        start = box.right;
        end = box.left;
        sign = -1;
        break;
    case 3:
        start = box.top;
        end = box.bottom;
        break;
    default:
        break;
    }
    qint64 e = start;
    if (mode == Right)
        e = end - sign * length;
    else if (mode == Centre)
        e = start + sign * ((w - length) / 2);
    e += sign * shift;
    if (mode == Justified)
        length = w;

    switch (line.direction) {
    case 0:
        line.target = {toInt(e), toInt(box.bottom + distance), toInt(e + length),
                       toInt(box.bottom + distance + thickness)};
        break;
    case 1:
        line.target = {toInt(box.right + distance), toInt(e - length),
                       toInt(box.right + distance + thickness), toInt(e)};
        break;
    case 2:
        line.target = {toInt(e - length), toInt(box.top - distance - thickness), toInt(e),
                       toInt(box.top - distance)};
        break;
    default:
        line.target = {toInt(box.left - distance - thickness), toInt(e),
                       toInt(box.left - distance), toInt(e + length)};
        break;
    }
    return line;
}

void drawHumanReadableLine(QPainter& painter, const HumanReadableLine& line, const QColor& color)
{
    drawStretchedText(painter, line.text, line.font, line.spacing, line.upright, line.direction,
                      line.target.rect(), color);
}

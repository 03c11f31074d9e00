#include "printer/BarTextLine.h"

#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "model/TextCodec.h"
#include "view/HumanReadableLine.h"
#include "view/SymbolMeasure.h"
#include "view/TextPainting.h"

#include <QFontMetrics>

namespace {

enum AlignMode { Left = 0, Right = 1, Centre = 2, Spread = 3 };

// Pixels of a 96-pixels-per-inch surface in tenths of a millimetre.
qint64 tenthsOf(qint64 pixels)
{
    return pixels * 254 / 96;
}

// The length of the stored line as the label designer measured it: normal weight, the cell
// height of its point size at 96 pixels per inch, and trunc(strGap) extra pixels per character.
qint64 textLength(const Tshape& bar)
{
    const QString text = humanReadableText(bar);
    const int cellHeight = truncToInt(static_cast<long double>(bar.fontSize) * 96 / 72);
    if (text.isEmpty() || cellHeight < 1)
        return 0;
    const QFont font = logicalFont(bar.fontName, cellHeight, QFont::Normal, bar.italic, bar.underLine, bar.strikeOut);
    const qint64 measured = QFontMetrics(font).horizontalAdvance(text) + qint64(truncToInt(bar.strGap)) * text.size();
    return truncToInt(static_cast<long double>(bar.widthFactor) * tenthsOf(measured));
}

} // namespace

TextGraphic barTextLine(const Tshape& bar, const LabelFrame& frame, int dpi, const QString& printedText)
{
    const qint64 symbol = tenthsOf(symbolLength(bar, 1.0f));
    const qint64 spare = symbol - textLength(bar);
    const qint64 shift = bar.alignMode == Right ? spare : bar.alignMode == Centre ? spare / 2 : 0;
    const double along = static_cast<double>(bar.xOffset) * 10;
    const double away = static_cast<double>(bar.yOffset) * 10;
    const double left = bar.printLeft;
    const double top = bar.printTop;
    const double height = bar.barHeight;

    double x = 0;
    double y = 0;
    switch (anchoredDirection(bar.direction)) {
    case 1:
        y = top - shift - along;
        x = left + height + away;
        break;
    case 2:
        x = left - shift - along;
        y = top - height - away;
        break;
    case 3:
        y = top + shift + along;
        x = left - height - away;
        break;
    default:
        x = left + shift + along;
        y = top + height + away;
        break;
    }
    QPoint at(truncToInt(x), truncToInt(y));
    if (frame.rotation == 3)
        at = QPoint(at.y(), frame.width - at.x());

    double gap = bar.strGap;
    const qsizetype n = gbk::byteLength(printedText);
    if (bar.alignMode == Spread && spare > 0 && n > 1)
        gap += spare * 0.1 / double(n - 1);

    TextGraphic line;
    const QPoint placed = frame.offset(at);
    line.x = placed.x();
    line.y = placed.y();
    line.text = printedText;
    line.fontName = bar.fontName;
    line.sizeText = QString::number(truncToInt(bar.fontSize));
    line.styleText = bar.bold != 0 ? QStringLiteral("粗体") : QStringLiteral("常规");
    line.rotation = textRotation(bar.direction, frame.rotation);
    line.dpi = dpi;
    line.gap = gap;
    line.widthFactor = bar.widthFactor;
    line.heightFactor = bar.heightFactor;
    return line;
}

#include "view/TextPainting.h"

#include "model/AnchoredBox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

QFont logicalFont(const QString& face, int cellHeight, int weight, bool italic, bool underline,
                  bool strikeOut)
{
    const int cell = std::clamp(cellHeight, 1, kMaxCellHeight);
    QFont font(face);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    // Qt sizes a font by its em; the cell is taller by the font's own leading, so the em
    // is scaled down by the ratio the font shows at the requested size.
    font.setPixelSize(cell);
    const qreal measured = QFontMetricsF(font).height();
    if (measured > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(cell * cell / measured))));
    return font;
}

QColor textColor(bool ifPrint)
{
    return ifPrint ? QColor(Qt::black) : QColor(128, 128, 128);
}

void drawStretchedText(QPainter& painter, const QString& text, QFont font, int letterSpacing,
                       QSizeF uprightSize, int direction, const QRectF& target, const QColor& color)
{
    if (text.isEmpty() || uprightSize.isEmpty() || target.isEmpty())
        return;
    const bool across = anchoredDirection(direction) % 2 == 1;
    const qreal alongTarget = across ? target.height() : target.width();
    const qreal acrossTarget = across ? target.width() : target.height();
    QTransform placement = QTransform::fromScale(alongTarget / uprightSize.width(),
                                                 acrossTarget / uprightSize.height());
    // Qt's positive angles turn clockwise on screen; the text turns counter-clockwise.
    placement *= QTransform().rotate(-90.0 * anchoredDirection(direction));
    const QRectF turned = placement.mapRect(QRectF(QPointF(0, 0), uprightSize));
    placement *= QTransform::fromTranslate(target.left() - turned.left(), target.top() - turned.top());

    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    painter.save();
    painter.setTransform(placement, true);
    painter.setClipRect(QRectF(QPointF(0, 0), uprightSize), Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text);
    painter.restore();
}

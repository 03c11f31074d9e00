#include "view/Rulers.h"

#include "model/Convert.h"
#include "view/ViewColors.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// The ticks and numbers of a ruler of length pixels; place(s, position, tickStart) draws
// tick s at position, from tickStart (pixels from the ruler's outer edge) to its inner edge.
// Below this many pixels per millimetre (a zoom no view offers) the ticks would merge into
// one block and their count would run into the millions: only the background is drawn.
constexpr long double kSmallestStep = 0.001L;

template <typename Place>
void drawTicks(int length, const Tobject& document, Place place)
{
    if (length <= 0 || document.dpi <= 0 || !(document.zoom > 0) || !std::isfinite(document.zoom))
        return;
    const int millimetres = truncToInt(document.FromPixels(length) * 0.1L);
    const long double tenths = static_cast<long long>(length) * 254 / document.dpi;
    const long double shown = tenths / document.zoom * 0.1L;
    if (!(shown > 0))
        return;
    const long double step = length / shown;
    if (step < kSmallestStep)
        return;
    for (int s = 0; s <= millimetres; ++s) {
        const int at = truncToInt(s * step);
        if (at > length)
            break;
        place(s, at, s % 10 == 0 ? 2 : s % 5 == 0 ? 10 : 15);
    }
}

QFont rulerFont()
{
    QFont font;
    font.setPointSize(8);
    return font;
}

void prepareRuler(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, view_colors::ruler);
    painter.setPen(QPen(view_colors::printInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(rulerFont());
}

QPen invertingPen(Qt::PenStyle style)
{
    return QPen(QColor(0, 0, 0), 1, style);
}

} // namespace

void DrawRowRuler(int length, QPaintDevice& canvas, const Tobject& document)
{
    QPainter painter(&canvas);
    prepareRuler(painter, QRect(0, 0, length, kRulerThickness));
    drawTicks(length, document, [&](int s, int x, int from) {
        painter.drawLine(x, kRulerThickness, x, from);
        if (s % 10 == 0)
            painter.drawText(QRect(x + 1, 1, 40, kRulerThickness), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(s / 10));
    });
}

void DrawColRuler(int length, QPaintDevice& canvas, const Tobject& document)
{
    QPainter painter(&canvas);
    prepareRuler(painter, QRect(0, 0, kRulerThickness, length));
    drawTicks(length, document, [&](int s, int y, int from) {
        painter.drawLine(from, y, kRulerThickness, y);
        if (s % 10 == 0)
            painter.drawText(QRect(2, y, kRulerThickness, 40), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(s / 10));
    });
}

void drawRulerPointerMarks(QPaintDevice& rowRuler, QPaintDevice& colRuler, QPoint pointer)
{
    QPainter row(&rowRuler);
    row.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    row.setPen(invertingPen(Qt::SolidLine));
    row.drawLine(pointer.x(), 0, pointer.x(), kRulerThickness - 1);
    QPainter column(&colRuler);
    column.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    column.setPen(invertingPen(Qt::SolidLine));
    column.drawLine(0, pointer.y(), kRulerThickness - 1, pointer.y());
}

void drawDragOutline(QPaintDevice& canvas, int left, int top, int right, int bottom)
{
    if (left == right) {
        --left;
        ++right;
    }
    if (top == bottom) {
        --top;
        ++bottom;
    }
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(invertingPen(Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

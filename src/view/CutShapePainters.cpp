#include "view/ShapePainters.h"

#include "cutter/TraceCache.h"
#include "model/Convert.h"
#include "view/ViewColors.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180;

QPen markPen(const QColor& color)
{
    QPen pen(color, 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The angle in degrees at which the point (dx, dy) lies, y pointing down the screen.
double screenAngle(int dx, int dy)
{
    if (dx == 0)
        return dy > 0 ? 90 : 270;
    return std::atan2(static_cast<double>(dy), static_cast<double>(dx)) / kDegree;
}

// Two strokes of length one millimetre from apex, at the angles a1 and a2 (degrees).
void drawArrowStrokes(QPainter& painter, QPoint apex, double a1, double a2, int length)
{
    painter.setPen(markPen(view_colors::directionArrow));
    for (const double angle : {a1, a2}) {
        const QPoint end(truncToInt(std::cos(angle * kDegree) * length + apex.x()),
                         truncToInt(std::sin(angle * kDegree) * length + apex.y()));
        painter.drawLine(apex, end);
    }
}

// A chevron at apex pointing along (dx, dy), one of the four screen directions.
void drawChevron(QPainter& painter, QPoint apex, int dx, int dy, int size)
{
    const QPoint back(apex.x() - dx * size, apex.y() - dy * size);
    const QPoint side(dy * size, dx * size);
    painter.drawLine(apex, back + side);
    painter.drawLine(apex, back - side);
}

} // namespace

void drawCutRoundRect(QPainter& painter, Tshape& shape, const Tobject& document, const PixelBox& box)
{
    setPixelBox(shape, box);
    painter.drawRoundedRect(box.rect(), shape.R, shape.R);

    const int gap = shape.gapPos;
    if (gap < 1 || gap > 4)
        return;
    const int t = truncToInt(document.zoom * 5.0L);
    const int o = truncToInt(document.zoom * 3.0L);
    const int u = (shape.Right - shape.Left) / 2;
    const int v = (shape.Bottom - shape.Top) / 2;
    const int m = document.ToPixels(shape.gapDistance);
    const QPoint centre = gap == 1 ? QPoint(box.left, box.top + m)
                        : gap == 2 ? QPoint(box.left + m, box.bottom)
                        : gap == 3 ? QPoint(box.right, box.top + m)
                                   : QPoint(box.left + m, box.top);
    painter.save();
    QPen pen = painter.pen();
    pen.setColor(view_colors::jointGap);
    painter.setPen(pen);
    painter.setBrush(view_colors::jointGap);
    painter.drawEllipse(QRect(QPoint(centre.x() - o, centre.y() - o), QPoint(centre.x() + o, centre.y() + o)));

    // Clockwise on the screen runs right along the top edge, down the right one, left along
    // the bottom and up the left; counter-clockwise the other way round.
    const int turn = shape.direction != 0 ? 1 : -1;
    if (gap != 4)
        drawChevron(painter, {box.left + u, box.top}, turn, 0, t);
    if (gap != 3)
        drawChevron(painter, {box.right - 2, box.top + v}, 0, turn, t);
    if (gap != 2)
        drawChevron(painter, {box.left + u, box.bottom - 2}, -turn, 0, t);
    if (gap != 1)
        drawChevron(painter, {box.left - 2, box.top + v}, 0, -turn, t);
    painter.restore();
}

void drawCutHalfCircle(QPainter& painter, const PixelBox& box)
{
    painter.drawLine(box.left, box.bottom, box.right, box.bottom);
    const QRectF ellipse(QPointF(box.left, box.top),
                         QPointF(box.right, 2.0 * box.bottom - box.top));
    painter.drawArc(ellipse, 0, 180 * 16);
}

void drawCutLine(QPainter& painter, const Tshape& line, const Tobject& document)
{
    const QPoint start(document.ToPixels(line.startX), document.ToPixels(line.startY));
    const QPoint end(document.ToPixels(line.endX), document.ToPixels(line.endY));
    painter.drawLine(start, end);

    const double angle = screenAngle(end.x() - start.x(), end.y() - start.y());
    const QPoint middle((start.x() + end.x()) / 2, (start.y() + end.y()) / 2);
    drawArrowStrokes(painter, middle, angle + 210, angle + 150, document.ToPixels(10));
}

void drawCutArc(QPainter& painter, const Tshape& arc, const Tobject& document, const PixelBox& box)
{
    if (std::abs(truncToInt(arc.EAngle - arc.SAngle)) >= 360) {
        painter.drawEllipse(box.rect());
        return;
    }
    const double s = 360 - arc.SAngle;
    const double e = 360 - arc.EAngle;
    const auto pointAt = [&](double degrees) {
        return QPoint(document.ToPixels(arc.CenterX + arc.Radiu * std::cos(degrees * kDegree)),
                      document.ToPixels(arc.CenterY + arc.Radiu * std::sin(degrees * kDegree)));
    };
    const int radius = document.ToPixels(arc.Radiu);
    const QPoint centre(document.ToPixels(arc.CenterX), document.ToPixels(arc.CenterY));
    const QPoint start = pointAt(s);
    const QPoint end = pointAt(e);

    // Counter-clockwise on the screen from the ray through the start point to the ray
    // through the end point; where the two coincide the arc is the whole circle.
    const auto rayAngle = [&](QPoint point) { return -screenAngle(point.x() - centre.x(), point.y() - centre.y()); };
    const double from = rayAngle(start);
    double span = std::fmod(rayAngle(end) - from, 360.0);
    if (span <= 0)
        span += 360;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
    painter.drawArc(circle, qRound(from * 16), qRound(span * 16));

    const QPoint middle = pointAt((s + e) / 2);
    const double heading = screenAngle(middle.x() - centre.x(), middle.y() - centre.y()) - 90;
    if (arc.direction == 1)
        drawArrowStrokes(painter, middle, heading + 180 + 210, heading + 180 + 110, document.ToPixels(10));
    else
        drawArrowStrokes(painter, middle, heading + 250, heading + 130, document.ToPixels(10));
}

void drawTracedOutline(QPainter& painter, const Tshape& shape)
{
    const auto outline = traceCache().outline(shape.fileName);
    if (!outline || !outline->ok() || outline->points.isEmpty() || outline->bitmapSize.isEmpty())
        return;
    const double sx = static_cast<double>(shape.Right - shape.Left) / outline->bitmapSize.width();
    const double sy = static_cast<double>(shape.Bottom - shape.Top) / outline->bitmapSize.height();
    QPolygon polyline;
    polyline.reserve(outline->points.size());
    for (const QPoint& point : outline->points)
        polyline << QPoint(truncToInt(shape.Left + point.x() * sx), truncToInt(shape.Top + point.y() * sy));
    painter.drawPolyline(polyline);
}

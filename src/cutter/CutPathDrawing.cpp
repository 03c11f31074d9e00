#include "cutter/CutPathDrawing.h"

#include "cutter/CutterText.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace {

const QColor kCutColour(128, 0, 0);
const QColor kTravelColour(0, 0, 255);
const QColor kStartColour(0, 128, 0);

constexpr double kStartRingPixels = 4;

QRectF boundsOf(const CutPath& path)
{
    QRectF bounds;
    for (const CutStroke& stroke : path.strokes)
        bounds = bounds.united(stroke.points.boundingRect());
    for (const QPointF& start : path.starts)
        bounds = bounds.united(QRectF(start, QSizeF(0, 0)));
    return bounds;
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString pointsText(const QPolygonF& points)
{
    QStringList pairs;
    for (const QPointF& point : points)
        pairs.append(QStringLiteral("%1,%2").arg(point.x()).arg(point.y()));
    return pairs.join(u' ');
}

} // namespace

void drawCutPath(QPainter& painter, const CutPath& path, const QTransform& toSurface)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    const QPen cut(kCutColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen travel(kTravelColour, 1, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
    for (const CutStroke& stroke : path.strokes) {
        painter.setPen(stroke.cuts ? cut : travel);
        painter.drawPolyline(toSurface.map(stroke.points));
    }
    painter.setPen(QPen(kStartColour, 2));
    for (const QPointF& start : path.starts)
        painter.drawEllipse(toSurface.map(start), kStartRingPixels, kStartRingPixels);
    painter.restore();
}

QByteArray cutPathSvg(const CutPath& path)
{
    QRectF box = boundsOf(path);
    // A margin of a twentieth of the larger side (at least 20 pulses) keeps the start rings whole.
    const double margin = qMax(20.0, qMax(box.width(), box.height()) / 20);
    box.adjust(-margin, -margin, margin, margin);
    const double ring = margin / 3;
    const bool millimetres = path.pulsesPerMmX > 0 && path.pulsesPerMmY > 0;
    const QString width = millimetres ? QStringLiteral("%1mm").arg(box.width() / path.pulsesPerMmX)
                                      : QString::number(box.width());
    const QString height = millimetres ? QStringLiteral("%1mm").arg(box.height() / path.pulsesPerMmY)
                                       : QString::number(box.height());
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                 "viewBox=\"%3 %4 %5 %6\" preserveAspectRatio=\"none\">\n")
                      .arg(width, height)
                      .arg(box.x())
                      .arg(box.y())
                      .arg(box.width())
                      .arg(box.height());
    svg += QStringLiteral("<title>") + CutterText::tr("雕刻刀路（单位：雕刻机脉冲）") + QStringLiteral("</title>\n<desc>\n");
    for (const CutterSetting& setting : path.settings)
        svg += escaped(printableBytes(setting.command) + u'\t' + setting.meaning) + u'\n';
    for (const StreamProblem& problem : path.problems)
        svg += escaped(CutterText::tr("没有画出：") + problem.describe()) + u'\n';
    svg += QStringLiteral("</desc>\n<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"white\"/>\n")
               .arg(box.x())
               .arg(box.y())
               .arg(box.width())
               .arg(box.height());
    for (const CutStroke& stroke : path.strokes) {
        const QString line = stroke.cuts ? QStringLiteral("<polyline fill=\"none\" stroke=\"#800000\" stroke-width=\"2\" "
                                                          "vector-effect=\"non-scaling-stroke\" points=\"%1\"/>\n")
                                         : QStringLiteral("<polyline fill=\"none\" stroke=\"#0000ff\" stroke-width=\"1\" "
                                                          "stroke-dasharray=\"6 4\" vector-effect=\"non-scaling-stroke\" "
                                                          "points=\"%1\"/>\n");
        svg += line.arg(pointsText(stroke.points));
    }
    for (const QPointF& start : path.starts) {
        svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"#008000\" "
                              "stroke-width=\"2\" vector-effect=\"non-scaling-stroke\"/>\n")
                   .arg(start.x())
                   .arg(start.y())
                   .arg(ring);
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

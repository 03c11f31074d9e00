#include "TracingSupport.h"

#include <QRegularExpression>

namespace cut_testing {

std::vector<std::pair<long long, long long>> pathPoints(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^ U(-?\\d+),(-?\\d+) D(-?\\d+(?:,-?\\d+)*)$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return {};
    std::vector<std::pair<long long, long long>> points{{match.captured(1).toLongLong(), match.captured(2).toLongLong()}};
    const QStringList numbers = match.captured(3).split(u',');
    if (numbers.size() % 2 != 0)
        return {};
    for (qsizetype i = 0; i < numbers.size(); i += 2)
        points.emplace_back(numbers[i].toLongLong(), numbers[i + 1].toLongLong());
    return points;
}

QImage drawing(int width, int height, const QList<QPoint>& black, QImage::Format format)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (const QPoint& point : black)
        picture.setPixel(point, qRgb(0, 0, 0));
    return format == QImage::Format_RGB32 ? picture : picture.convertToFormat(format);
}

QList<QPoint> rectangleOutline(QPoint topLeft, QPoint bottomRight)
{
    QList<QPoint> pixels;
    for (int x = topLeft.x(); x <= bottomRight.x(); ++x) {
        pixels.append(QPoint(x, topLeft.y()));
        pixels.append(QPoint(x, bottomRight.y()));
    }
    for (int y = topLeft.y() + 1; y < bottomRight.y(); ++y) {
        pixels.append(QPoint(topLeft.x(), y));
        pixels.append(QPoint(bottomRight.x(), y));
    }
    return pixels;
}

} // namespace cut_testing

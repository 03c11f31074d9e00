#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

// Helpers of the cut geometry and tracing suites.
namespace cut_testing {

// The (v, h) points of a path text " U<v>,<h> D<v>,<h>,<v>,<h>...", in order; empty when
// the text does not have that shape.
std::vector<std::pair<long long, long long>> pathPoints(const QString& text);

// A white picture of the given size and format with the listed pixels black.
QImage drawing(int width, int height, const QList<QPoint>& black,
               QImage::Format format = QImage::Format_RGB32);

// The one-pixel outline of the rectangle with the given corners, clockwise from top-left.
QList<QPoint> rectangleOutline(QPoint topLeft, QPoint bottomRight);

} // namespace cut_testing

#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

// The outline an operator drew as a black line, one pixel wide, on a white bitmap: the
// points where the line changes direction, in the order the knife follows them, then the
// first stretch once more so that the cut closes through its start.
struct TracedOutline {
    QSize bitmapSize; // pixels of the bitmap the points belong to
    QList<QPoint> points;
    QString error; // why the bitmap could not be loaded; empty when it was traced
    bool ok() const { return error.isEmpty(); }
};

// Follows the line in a picture held in memory. Black is a colour of exactly 0 once the
// picture is taken as 32-bit RGB; the picture itself is never changed.
QList<QPoint> traceImageOutline(const QImage& picture);

// Loads a BMP file of any colour depth and traces it. A missing, unreadable or damaged
// file, or one that is not a BMP, comes back with its error set and no points.
TracedOutline TraceOutline(const QString& fileName);

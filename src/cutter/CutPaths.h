#pragma once

#include "cutter/CutGeometry.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// The path form of the cutter text: a travel move to the first point, then the knife cuts
// through every following point. Points are written vertical position first, both in
// pulses: " U<v>,<h> D<v>,<h>,<v>,<h>...".
class PathText {
public:
    void add(qint64 v, qint64 h);
    int pointCount() const { return m_count; }
    QString text() const { return QString::fromLatin1(m_text); }

private:
    QByteArray m_text; // a path of a few hundred points is written for every object of a job
    int m_count = 0;
};

// Flattened outlines of the cut kinds, from model values in tenths of a millimetre, using
// the pulse factors of the context. Each returns the whole path text.

// Starts in the middle of the left edge, runs clockwise as seen on the label and ends 20
// pulses past its start so that the outline closes with an overlap.
QString RoundRectPath(const CutContext& context, qint64 x, qint64 y, qint64 w, qint64 h, qint64 r);

// A straight top edge with rounded corners and half an ellipse below it (half-axes: half
// the width, the full height). Starts in the middle of the top edge, runs clockwise and ends
// 40 pulses past its start.
QString HalfCirclePath(const CutContext& context, qint64 x, qint64 y, qint64 w, qint64 h, qint64 r);

// The ellipse inside the box, clockwise from its left end over the top, every 6 degrees.
QString EllipsePath(const CutContext& context, qint64 x, qint64 y, qint64 w, qint64 h);

// An arc always runs from the start to the end angle in increasing angle, one point per
// whole degree (an end angle of -90 stands for 270). A sweep beyond this many degrees is
// refused (nullopt): it would only cut the same circle over and over.
inline constexpr qint64 kMaxArcSweep = 36000;
std::optional<QString> ArcPath(const CutContext& context, qint64 cx, qint64 cy, qint64 r,
                               qint64 a1, qint64 a2);

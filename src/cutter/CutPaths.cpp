#include "cutter/CutPaths.h"


#include <charconv>
#include <iterator>

namespace {

void appendNumber(QByteArray& text, qint64 value)
{
    char digits[24];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), value);
    text.append(digits, written.ptr - digits);
}

// trunc(radius × sine or cosine), cut toward zero. The radius is a pulse count, so the
// product is at most 2^31 and a double holds it; its truncation is a single instruction,
// where an extended one costs a change of the FPU's rounding mode per point.
qint64 trigOffset(qint64 radius, long double trig)
{
    return static_cast<qint64>(static_cast<double>(radius * trig));
}

// Points of a circle or ellipse round the centre (cv, ch): (cv + trunc(rv cos t),
// ch + trunc(rh sin t)) for t = from, from + step, ... while t has not passed `to`.
void addCurve(PathText& path, qint64 cv, qint64 ch, qint64 rv, qint64 rh, qint64 from, qint64 to, int step)
{
    for (qint64 t = from; step > 0 ? t <= to : t >= to; t += step)
        path.add(cv + trigOffset(rv, cosDegrees(t)), ch + trigOffset(rh, sinDegrees(t)));
}

} // namespace

void PathText::add(qint64 v, qint64 h)
{
    m_text.append(m_count == 0 ? " U" : m_count == 1 ? " D" : ",");
    appendNumber(m_text, v);
    m_text.append(',');
    appendNumber(m_text, h);
    ++m_count;
}

QString RoundRectPath(const CutContext& c, qint64 x, qint64 y, qint64 w, qint64 h, qint64 r)
{
    const qint64 q = ToPulses(x, c.kx);
    const qint64 s = ToPulses(y, c.ky);
    const qint64 W = ToPulses(w, c.kx);
    const qint64 Hh = ToPulses(h, c.ky);
    const qint64 rp = ToPulses(r, c.kx); // the corners stay round: one factor for both axes
    const qint64 m = Hh / 2;

    PathText path;
    path.add(s + m, q);
    path.add(s + rp, q);
    addCurve(path, s + rp, q + rp, rp, rp, 270, 180, -1);
    path.add(s, q + W - rp);
    addCurve(path, s + rp, q + W - rp, rp, rp, 180, 90, -1);
    path.add(s + Hh - rp, q + W);
    addCurve(path, s + Hh - rp, q + W - rp, rp, rp, 90, 0, -1);
    path.add(s + Hh, q + rp);
    addCurve(path, s + Hh - rp, q + rp, rp, rp, 360, 270, -1);
    path.add(s + m - 20, q);
    return path.text();
}

QString HalfCirclePath(const CutContext& c, qint64 x, qint64 y, qint64 w, qint64 h, qint64 r)
{
    const qint64 q = ToPulses(x, c.kx);
    const qint64 s = ToPulses(y, c.ky);
    const qint64 W = ToPulses(w, c.kx);
    const qint64 Hh = ToPulses(h, c.ky);
    const qint64 rp = ToPulses(r, c.kx);
    const qint64 o = W / 2;

    PathText path;
    path.add(s, q + o);
    path.add(s, q + W - rp);
    addCurve(path, s + rp, q + W - rp, rp, rp, 180, 90, -6);
    addCurve(path, s, q + o, Hh, o, 80, -80, -6);
    addCurve(path, s + rp, q + rp, rp, rp, 270, 180, -6);
    path.add(s, q + o + 40);
    return path.text();
}

QString EllipsePath(const CutContext& c, qint64 x, qint64 y, qint64 w, qint64 h)
{
    // The plotter's ellipse is figured in 32-bit floats: each coordinate is rounded to a
    // float before it becomes pulses.
    const auto asFloat = [](long double value) { return static_cast<float>(value); };
    const float left = asFloat(x);
    const float top = asFloat(y);
    const float rx = asFloat(w) * 0.5f;
    const float ry = asFloat(h) * 0.5f;

    PathText path;
    const int leftV = ToPulses(asFloat(top + static_cast<long double>(ry)), c.ky);
    const int leftH = ToPulses(left, c.kx);
    path.add(leftV, leftH);
    path.add(leftV, leftH);
    for (int t = 270; t >= -95; t -= 6) {
        const float v = asFloat(top + static_cast<long double>(ry) + ry * cosDegrees(t));
        const float hPos = asFloat(left + static_cast<long double>(rx) + rx * sinDegrees(t));
        path.add(ToPulses(v, c.ky), ToPulses(hPos, c.kx));
    }
    return path.text();
}

std::optional<QString> ArcPath(const CutContext& c, qint64 cx, qint64 cy, qint64 r, qint64 a1,
                               qint64 a2)
{
    const qint64 u1 = a1 + 90;
    qint64 u2 = a2 + 90;
    if (u2 == 0)
        u2 = 360;
    if (u2 - u1 > kMaxArcSweep)
        return std::nullopt;

    const qint64 X0 = ToPulses(cx, c.kx);
    const qint64 Y0 = ToPulses(cy, c.ky);
    const qint64 rp = ToPulses(r, c.kx);
    PathText path;
    const qint64 startV = Y0 + trigOffset(rp, cosDegrees(u1));
    const qint64 startH = X0 + trigOffset(rp, sinDegrees(u1));
    path.add(startV, startH);
    path.add(startV, startH);
    addCurve(path, Y0, X0, rp, rp, u1, u2, 1);
    return path.text();
}

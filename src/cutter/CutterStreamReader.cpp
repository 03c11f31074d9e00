#include "cutter/CutterStreamReader.h"

#include "cutter/CutterText.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace {

// The alternative begin text some cutters need, which reads like commands of its own.
const QList<QByteArray> kAlternativeStart{";:H", "A", "L0", "EC1", "U"};

// One degree a point along curves: the chord of an arc of a few thousand pulses stays well
// within a pulse of the curve.
constexpr int kStepsPerTurn = 360;

// A sweep beyond this many degrees only cuts the same circle over and over.
constexpr double kLongestSweep = 36000;

// Some hundred times the points of a label full of rounded shapes. A few bytes of arc command
// make tens of thousands of points, so a damaged or hostile stream from the line could
// otherwise ask for more memory than the machine has; the path is drawn up to here.
constexpr qsizetype kMostPoints = 4'000'000;

struct Token {
    qsizetype offset;
    QByteArray text;
};

QList<Token> tokensOf(const QByteArray& stream)
{
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < stream.size()) {
        while (i < stream.size() && (stream[i] == ' ' || stream[i] == '\r' || stream[i] == '\n'))
            ++i;
        const qsizetype start = i;
        while (i < stream.size() && stream[i] != ' ' && stream[i] != '\r' && stream[i] != '\n' && stream[i] != '@'
               && !(stream[i] == '#' && i > start))
            ++i;
        if (i == start && i < stream.size())
            ++i; // "@" (or "#") standing alone
        if (i > start)
            tokens.append({start, stream.mid(start, i - start)});
    }
    return tokens;
}

std::optional<QList<double>> numbersOf(const QByteArray& text)
{
    QList<double> values;
    for (const QByteArray& field : text.split(',')) {
        bool ok = false;
        const double value = field.toDouble(&ok);
        if (!ok || !std::isfinite(value) || std::abs(value) > 1e9)
            return std::nullopt;
        values.append(value);
    }
    return values;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

class CutterReader {
public:
    CutPath read(const QByteArray& stream)
    {
        const QList<Token> tokens = tokensOf(stream);
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            if (tokens[i].text == kAlternativeStart[0] && startsAlternative(tokens, i)) {
                setting(tokens[i], CutterText::tr("开始（另一种开始文本）"));
                i += kAlternativeStart.size() - 1;
                continue;
            }
            take(tokens[i]);
        }
        if (m_inSequence)
            problem({stream.size(), {}}, CutterText::tr("数据流没有以“@”结束，雕刻机不会执行最后这组命令"));
        return std::move(m_path);
    }

private:
    static bool startsAlternative(const QList<Token>& tokens, qsizetype at)
    {
        for (qsizetype k = 0; k < kAlternativeStart.size(); ++k) {
            if (at + k >= tokens.size() || tokens[at + k].text != kAlternativeStart[k])
                return false;
        }
        return true;
    }

    void problem(const Token& token, const QString& reason)
    {
        m_path.problems.append({token.offset, token.text, reason});
    }

    void setting(const Token& token, const QString& meaning)
    {
        m_path.settings.append({token.text, meaning});
    }

    void take(const Token& token)
    {
        const QByteArray& text = token.text;
        const char letter = text[0];
        const QByteArray rest = text.mid(1);
        if (text == "#") {
            m_inSequence = true;
            setting(token, CutterText::tr("开始"));
        } else if (text == "@") {
            m_inSequence = false;
            setting(token, CutterText::tr("结束"));
        } else if (letter == 'K' && (rest == "1" || rest == "0")) {
            knife(rest == "1");
        } else if (letter == 'U' || letter == 'D') {
            if (drawsMore(token))
                pathMoves(token, letter == 'D');
        } else if (letter == 'M' || letter == 'O' || letter == 'E' || letter == 'A') {
            if (drawsMore(token))
                commandForm(token, letter);
        } else {
            setUp(token, letter, rest);
        }
    }

    void setUp(const Token& token, char letter, const QByteArray& rest)
    {
        const std::optional<QList<double>> values = rest.isEmpty() ? std::nullopt : numbersOf(rest);
        const qsizetype count = values ? values->size() : 0;
        const QString number = printableBytes(rest);
        if (letter == 'Q' && count == 2 && (*values)[0] > 0 && (*values)[1] > 0) {
            m_path.pulsesPerMmY = (*values)[0];
            m_path.pulsesPerMmX = (*values)[1];
            setting(token, CutterText::tr("每毫米脉冲数：纵 %1，横 %2").arg((*values)[0]).arg((*values)[1]));
        } else if (letter == 'Y' && count == 4) {
            setting(token, CutterText::tr("雕刻机走纸 %1 毫米%2")
                               .arg((*values)[0])
                               .arg((*values)[3] == 1 ? CutterText::tr("，按黑标") : QString()));
        } else if (token.text == "N") {
            setting(token, CutterText::tr("在这里回传应答"));
        } else if (letter == 'H' && count == 1) {
            static const QStringList limits{CutterText::tr("小车回左限位"), CutterText::tr("小车回后限位"),
                                            CutterText::tr("小车回右限位"), CutterText::tr("小车回前限位")};
            const int which = int((*values)[0]);
            if (which >= 1 && which <= 4)
                setting(token, limits[which - 1]);
            else if (which == 7)
                setting(token, CutterText::tr("回到雕刻前的位置"));
            else
                problem(token, CutterText::tr("不认识的雕刻命令"));
        } else if (letter == 'C' && count == 1) {
            setting(token, CutterText::tr("雕刻速度代码 %1").arg(number));
        } else if (letter == 'S' && count == 1) {
            setting(token, CutterText::tr("空走速度代码 %1").arg(number));
        } else if (letter == 'F' && count == 1) {
            setting(token, rest == "200" ? CutterText::tr("雕刻前找黑标") : CutterText::tr("走纸 %1").arg(number));
        } else if (token.text == "F") {
            setting(token, CutterText::tr("走纸（另一种结束文本）"));
        } else if (letter == 'X' && count == 2) {
            setting(token, CutterText::tr("雕刻后小车移动 %1 毫米").arg((*values)[1]));
        } else if (letter == 'W' && count == 1) {
            setting(token, CutterText::tr("数量 %1").arg(number));
        } else if (letter == 'B' && count == 1) {
            setting(token, CutterText::tr("停止命令 B%1（打印故障时发送）").arg(number));
        } else if (token.text == "I") {
            setting(token, CutterText::tr("停顿"));
        } else {
            problem(token, CutterText::tr("不认识的雕刻命令，没有画出"));
        }
    }

    // False once the path holds its most points; the first move left out is reported.
    bool drawsMore(const Token& token)
    {
        if (m_points < kMostPoints)
            return true;
        if (!m_cutShort)
            problem(token, CutterText::tr("刀路超过 %1 个点，从这里起没有画出").arg(kMostPoints));
        m_cutShort = true;
        return false;
    }

    // The knife is held down by K1 until K0 lifts it.
    void knife(bool down)
    {
        m_held = down;
        m_down = down;
    }

    void moveTo(QPointF to, bool cuts)
    {
        if (!m_at) {
            m_at = to;
            return;
        }
        if (m_path.strokes.isEmpty() || m_path.strokes.last().cuts != cuts) {
            if (cuts)
                m_path.starts.append(*m_at);
            m_path.strokes.append({QPolygonF{*m_at}, cuts});
            ++m_points;
        }
        m_path.strokes.last().points.append(to);
        ++m_points;
        m_at = to;
    }

    // " U v,h": travel (the knife lifted unless K1 holds it); " D v,h,v,h…": cut through the
    // points. Path points give the vertical position first.
    void pathMoves(const Token& token, bool down)
    {
        const std::optional<QList<double>> values = numbersOf(token.text.mid(1));
        if (token.text.size() == 1 && !down) {
            m_down = m_held;
            return; // a bare "U" lifts the knife where it stands (the alternative texts)
        }
        if (!values || values->size() % 2 != 0) {
            problem(token, CutterText::tr("路径点的格式不对，没有画出"));
            return;
        }
        m_down = down || m_held;
        for (qsizetype i = 0; i + 1 < values->size(); i += 2)
            moveTo(QPointF((*values)[i + 1], (*values)[i]), m_down);
    }

    bool hasFactors(const Token& token)
    {
        if (m_path.pulsesPerMmX > 0 && m_path.pulsesPerMmY > 0)
            return true;
        problem(token, CutterText::tr("之前没有每毫米脉冲数命令“Q”，毫米坐标无法换算，没有画出"));
        return false;
    }

    QPointF pulses(double xMm, double yMm) const
    {
        return QPointF(xMm * m_path.pulsesPerMmX, yMm * m_path.pulsesPerMmY);
    }

    void commandForm(const Token& token, char letter)
    {
        static const QHash<char, qsizetype> fieldCounts{{'M', 2}, {'O', 11}, {'E', 4}, {'A', 8}};
        const std::optional<QList<double>> values = numbersOf(token.text.mid(1));
        if (!values || values->size() != fieldCounts.value(letter)) {
            problem(token, CutterText::tr("雕刻命令的参数不对，没有画出"));
            return;
        }
        if (!hasFactors(token))
            return;
        const QList<double>& v = *values;
        switch (letter) {
        case 'M':
            moveTo(pulses(v[0], v[1]), m_down);
            break;
        case 'O':
            closedOutline(roundRect(v));
            break;
        case 'E':
            closedOutline(ellipse(v[0], v[1], v[2], v[3]));
            break;
        default:
            arc(token, v);
            break;
        }
    }

    // A closed shape: the cutter travels to its start, cuts it round and lifts the knife.
    void closedOutline(const QPolygonF& outline)
    {
        if (outline.isEmpty())
            return;
        moveTo(outline.first(), m_held);
        for (const QPointF& point : outline)
            moveTo(point, true);
        m_down = m_held;
    }

    // Points of the ellipse around (cx, cy) in pulses from angle a (degrees, counter-clockwise
    // as seen on the label) through the sweep, one degree a step.
    QPolygonF arcPoints(QPointF centre, double rx, double ry, double from, double sweep) const
    {
        QPolygonF points;
        const int steps = qMax(1, int(std::ceil(std::abs(sweep) * kStepsPerTurn / 360.0)));
        for (int i = 0; i <= steps; ++i) {
            const double a = radians(from + sweep * i / steps);
            points.append(centre + QPointF(rx * std::cos(a), -ry * std::sin(a)));
        }
        return points;
    }

    // " O x,y,w,h,r,direction,joint edge,…": the rounded rectangle from the joint on its edge
    // (the middle of the left edge when there is none), clockwise as seen on the label when
    // direction is not 0.
    QPolygonF roundRect(const QList<double>& v) const
    {
        const QPointF topLeft = pulses(v[0], v[1]);
        const QPointF size = pulses(v[2], v[3]);
        const double rx = qMin(v[4] * m_path.pulsesPerMmX, size.x() / 2);
        const double ry = qMin(v[4] * m_path.pulsesPerMmY, size.y() / 2);
        const double left = topLeft.x();
        const double top = topLeft.y();
        const double right = left + size.x();
        const double bottom = top + size.y();
        // Clockwise on the label from the middle of the left edge, each corner a quarter turn.
        QPolygonF ring{QPointF(left, (top + bottom) / 2)};
        ring += arcPoints(QPointF(left + rx, top + ry), rx, ry, 180, -90);
        ring += arcPoints(QPointF(right - rx, top + ry), rx, ry, 90, -90);
        ring += arcPoints(QPointF(right - rx, bottom - ry), rx, ry, 0, -90);
        ring += arcPoints(QPointF(left + rx, bottom - ry), rx, ry, -90, -90);
        const int edge = int(v[6]);
        const QPointF joint = edge == 1   ? pulses(v[0], v[1] + v[7])
                              : edge == 2 ? pulses(v[0] + v[7], v[1] + v[3])
                              : edge == 3 ? pulses(v[0] + v[2], v[1] + v[7])
                              : edge == 4 ? pulses(v[0] + v[7], v[1])
                                          : ring.first();
        QPolygonF outline = fromPoint(ring, joint);
        if (v[5] == 0)
            std::reverse(outline.begin(), outline.end());
        return outline;
    }

    // The closed ring walked once round from start, a point on it (or the point of it nearest
    // to start), start itself first and last.
    static QPolygonF fromPoint(const QPolygonF& ring, QPointF start)
    {
        qsizetype segment = 0;
        double best = std::numeric_limits<double>::max();
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const double distance = distanceToSegment(start, ring[i], ring[(i + 1) % ring.size()]);
            if (distance < best) {
                best = distance;
                segment = i;
            }
        }
        QPolygonF outline{start};
        for (qsizetype k = 1; k <= ring.size(); ++k)
            outline.append(ring[(segment + k) % ring.size()]);
        outline.append(start);
        return outline;
    }

    static double distanceToSegment(QPointF p, QPointF a, QPointF b)
    {
        const QPointF ab = b - a;
        const double length = QPointF::dotProduct(ab, ab);
        const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
        const QPointF d = p - (a + t * ab);
        return std::hypot(d.x(), d.y());
    }

    // " E x,y,w,h": the ellipse in that box, clockwise from its left end over the top.
    QPolygonF ellipse(double x, double y, double w, double h) const
    {
        const QPointF centre = pulses(x + w / 2, y + h / 2);
        return arcPoints(centre, w / 2 * m_path.pulsesPerMmX, h / 2 * m_path.pulsesPerMmY, 180, -360);
    }

    // " A cx,cy,r,start,end,knife down at start,lift at end,direction": from the start angle
    // to the end angle, counter-clockwise as seen on the label (clockwise for direction 1).
    void arc(const Token& token, const QList<double>& v)
    {
        double sweep = v[4] - v[3];
        if (v[7] == 1 && sweep > 0)
            sweep -= 360;
        else if (v[7] != 1 && sweep < 0)
            sweep += 360;
        if (std::abs(sweep) > kLongestSweep) {
            problem(token, CutterText::tr("圆弧转的圈数太多，没有画出"));
            return;
        }
        const QPointF centre = pulses(v[0], v[1]);
        const QPolygonF points =
            arcPoints(centre, v[2] * m_path.pulsesPerMmX, v[2] * m_path.pulsesPerMmY, v[3], sweep);
        moveTo(points.first(), m_down);
        if (v[5] == 1)
            m_down = true;
        for (const QPointF& point : points)
            moveTo(point, m_down);
        if (v[6] == 1)
            m_down = m_held = false;
    }

    CutPath m_path;
    std::optional<QPointF> m_at; // unknown until the first move: the carriage starts wherever it stands
    bool m_down = false;
    bool m_held = false;
    bool m_inSequence = false;
    qsizetype m_points = 0; // in every stroke so far
    bool m_cutShort = false;
};

} // namespace

bool CutPath::cutsAnything() const
{
    for (const CutStroke& stroke : strokes) {
        if (stroke.cuts)
            return true;
    }
    return !starts.isEmpty();
}

CutPath readCutterStream(const QByteArray& stream)
{
    return CutterReader().read(stream);
}

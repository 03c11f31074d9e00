#include "cutter/CutPathDrawing.h"
#include "cutter/CutText.h"
#include "cutter/CutterStreamReader.h"
#include "support/TestApp.h"

#include <QPainterPath>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testing_support::placedShape;

// 40 pulses per millimetre on both axes, so that every model value lands on a whole pulse.
constexpr double kPulsesPerMm = 40;
constexpr int kOffsetX = 455;
constexpr int kOffsetY = 30;

CutContext context(bool commandMode)
{
    CutContext c;
    c.kx = CutContext::pulseFactor(kPulsesPerMm);
    c.ky = c.kx;
    c.offsetX = kOffsetX;
    c.offsetY = kOffsetY;
    c.commandMode = commandMode;
    c.labelWidth = 1000;
    return c;
}

// A model position in pulses on the cutter.
double X(double x)
{
    return (x + kOffsetX) * kPulsesPerMm / 10;
}

double Y(double y)
{
    return (y + kOffsetY) * kPulsesPerMm / 10;
}

double pulses(double tenths)
{
    return tenths * kPulsesPerMm / 10;
}

// The model outline of each row, in pulses, drawn independently of the cutter text.
QPainterPath roundedBox(double radius)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(X(100), Y(50), pulses(300), pulses(200)), pulses(radius), pulses(radius));
    return outline;
}

QPainterPath ellipse()
{
    QPainterPath outline;
    outline.addEllipse(QRectF(X(100), Y(50), pulses(300), pulses(200)));
    return outline;
}

// A straight top edge with rounded corners of radius 20 and half an ellipse hanging from it.
QPainterPath halfCircle()
{
    const double r = pulses(20);
    const double o = pulses(150);
    QPainterPath outline;
    outline.moveTo(X(100) + r, Y(50));
    outline.lineTo(X(400) - r, Y(50));
    const QRectF rightCorner(X(400) - 2 * r, Y(50), 2 * r, 2 * r);
    outline.arcMoveTo(rightCorner, 90);
    outline.arcTo(rightCorner, 90, -90);
    const QRectF leftCorner(X(100), Y(50), 2 * r, 2 * r);
    outline.arcMoveTo(leftCorner, 180);
    outline.arcTo(leftCorner, 180, -90);
    const QRectF hanging(X(100), Y(50) - pulses(200), 2 * o, 2 * pulses(200));
    outline.arcMoveTo(hanging, 0);
    outline.arcTo(hanging, 0, -180);
    return outline;
}

QPainterPath quarterArc()
{
    const QRectF circle(X(200), Y(100), pulses(200), pulses(200));
    QPainterPath outline;
    outline.arcMoveTo(circle, 0);
    outline.arcTo(circle, 0, 90);
    return outline;
}

QPainterPath line()
{
    QPainterPath outline;
    outline.moveTo(X(100), Y(100));
    outline.lineTo(X(400), Y(300));
    return outline;
}

Tshape boxShape(ShapeKind kind)
{
    Tshape shape = placedShape(kind, 100, 50, 400, 250);
    shape.printR = 20;
    shape.gapPos = 1;
    shape.gapDistance = 60;
    return shape;
}

Tshape arcShape()
{
    Tshape arc = makeShape(ShapeKind::CutArc);
    arc.CenterX = 300;
    arc.CenterY = 200;
    arc.Radiu = 100;
    arc.SAngle = 0;
    arc.EAngle = 90;
    arc.startDown = 1;
    arc.endUp = 1;
    return arc;
}

Tshape lineShape()
{
    Tshape cut = placedShape(ShapeKind::CutLine, 100, 100, 400, 300);
    cut.startX = 100;
    cut.startY = 100;
    cut.endX = 400;
    cut.endY = 300;
    cut.startDown = 1;
    cut.endUp = 1;
    return cut;
}

double distanceToOutline(QPointF point, const QList<QPolygonF>& outline)
{
    double best = std::numeric_limits<double>::max();
    for (const QPolygonF& polygon : outline) {
        for (qsizetype i = 0; i + 1 < polygon.size(); ++i) {
            const QPointF a = polygon[i];
            const QPointF ab = polygon[i + 1] - a;
            const double length = QPointF::dotProduct(ab, ab);
            const double t = length > 0 ? std::clamp(QPointF::dotProduct(point - a, ab) / length, 0.0, 1.0) : 0;
            const QPointF d = point - (a + t * ab);
            best = std::min(best, std::hypot(d.x(), d.y()));
        }
    }
    return best;
}

QRectF boundsOf(const QList<QPolygonF>& polygons)
{
    QRectF bounds;
    for (const QPolygonF& polygon : polygons)
        bounds = bounds.united(polygon.boundingRect());
    return bounds;
}

// The stream of one cut job around the object's cutter text.
QByteArray streamOf(const Tshape& shape, bool commandMode)
{
    const CutText text = CutObjectText(shape, context(commandMode));
    EXPECT_TRUE(text.ok()) << text.error.toStdString();
    return "# Q40,40 H1 H2" + text.text.toLatin1() + " H7 N @";
}

} // namespace

// Each cut kind, in both forms where it has two, is written as the cutter's stream, read
// back as the knife's path, and its cuts lie on the object's outline within one pulse on each
// axis, reaching its extremes.
TEST(CutterStreamReader, EveryCutKindFollowsTheModelOutline)
{
    const struct {
        const char* name;
        Tshape shape;
        bool commandMode;
        QPainterPath outline;
    } rows[] = {
        {"rectangle, command", placedShape(ShapeKind::CutRect, 100, 50, 400, 250), true, roundedBox(0)},
        {"rectangle, path", placedShape(ShapeKind::CutRect, 100, 50, 400, 250), false, roundedBox(0)},
        {"rounded rectangle, command", boxShape(ShapeKind::CutRoundRect), true, roundedBox(20)},
        {"rounded rectangle, path", boxShape(ShapeKind::CutRoundRect), false, roundedBox(20)},
        {"ellipse, command", boxShape(ShapeKind::CutCircle), true, ellipse()},
        {"ellipse, path", boxShape(ShapeKind::CutCircle), false, ellipse()},
        {"half circle", boxShape(ShapeKind::CutHalfCircle), true, halfCircle()},
        {"arc, command", arcShape(), true, quarterArc()},
        {"arc, path", arcShape(), false, quarterArc()},
        {"line, command", lineShape(), true, line()},
        {"line, path", lineShape(), false, line()},
    };
    for (const auto& row : rows) {
        const CutPath path = readCutterStream(streamOf(row.shape, row.commandMode));
        EXPECT_TRUE(path.problems.isEmpty()) << row.name << ": " << path.problems.value(0).describe().toStdString();
        EXPECT_EQ(path.starts.size(), 1) << row.name;
        const QList<QPolygonF> outline = row.outline.toSubpathPolygons();
        QList<QPolygonF> cuts;
        for (const CutStroke& stroke : path.strokes) {
            if (stroke.cuts)
                cuts.append(stroke.points);
        }
        ASSERT_FALSE(cuts.isEmpty()) << row.name;
        double worst = 0;
        for (const QPolygonF& cut : cuts) {
            for (const QPointF& point : cut)
                worst = std::max(worst, distanceToOutline(point, outline));
        }
        // Path points are cut to whole pulses on each axis: at most one pulse off either way.
        EXPECT_LE(worst, std::sqrt(2.0)) << row.name;
        const QRectF expected = boundsOf(outline);
        const QRectF followed = boundsOf(cuts);
        EXPECT_NEAR(followed.left(), expected.left(), 1.0) << row.name;
        EXPECT_NEAR(followed.top(), expected.top(), 1.0) << row.name;
        EXPECT_NEAR(followed.right(), expected.right(), 1.0) << row.name;
        EXPECT_NEAR(followed.bottom(), expected.bottom(), 1.0) << row.name;
    }
}

// A traced outline is cut inside the object's box and starts once.
TEST(CutterStreamReader, TracedOutlineStaysInItsBox)
{
    Tshape image = placedShape(ShapeKind::CutImage, 100, 50, 400, 250);
    image.fileName = testing_support::sourcePath(QStringLiteral("examples/outline.bmp"));
    const CutPath path = readCutterStream(streamOf(image, true));
    ASSERT_TRUE(path.cutsAnything());
    EXPECT_EQ(path.starts.size(), 1);
    const QRectF box = QRectF(QPointF(X(100), Y(50)), QPointF(X(400), Y(250))).adjusted(-1, -1, 1, 1);
    for (const CutStroke& stroke : path.strokes) {
        for (const QPointF& point : stroke.points)
            EXPECT_TRUE(!stroke.cuts || box.contains(point)) << point.x() << "," << point.y();
    }
}

// What the reader cannot follow is reported with the command, never skipped silently; the
// alternative begin and end texts are no problem.
TEST(CutterStreamReader, ReportsWhatItCannotFollow)
{
    const struct {
        QByteArray stream;
        const char* problem; // nullptr: none
    } rows[] = {
        {";:H A L0 EC1 U  Q40,40 U1,2 D3,4 U F @", nullptr},
        {"# Q40,40 " + QByteArray("A1,1,1,0,36000,1,1,0 ").repeated(112) + "E1,1,2,2 N @", "从这里起没有画出"},
        {"# Q40,40 Z12 N @", "不认识的雕刻命令"},
        {"# Q40,40 O1,2 N @", "参数不对"},
        {"# E1,2,3,4 N @", "没有每毫米脉冲数命令"},
        {"# Q40,40 U1,2 D3 N @", "路径点的格式不对"},
        {"# Q40,40 U1,2 D3,4 N", "没有以“@”结束"},
        {"# Q40,40 A1,1,1,0,720000,1,1,0 N @", "圈数太多"},
        {"# Q40,40 Mx,1 N @", "参数不对"},
    };
    for (const auto& row : rows) {
        const CutPath path = readCutterStream(row.stream);
        if (!row.problem) {
            EXPECT_TRUE(path.problems.isEmpty()) << row.stream.constData();
            EXPECT_TRUE(path.cutsAnything()) << row.stream.constData();
            continue;
        }
        ASSERT_EQ(path.problems.size(), 1) << row.stream.left(60).constData();
        EXPECT_TRUE(path.problems[0].describe().contains(QString::fromUtf8(row.problem)))
            << row.stream.left(60).constData() << ": " << path.problems[0].describe().toStdString();
    }
}

// " Q" gives the vertical factor first: a shape given in millimetres spans its width in
// horizontal pulses and its height in vertical ones, its rounded corners too.
TEST(CutterStreamReader, TakesTheVerticalFactorFirst)
{
    const QRectF box(10 * 40, 20 * 43, 30 * 40, 10 * 43);
    QPainterPath ellipse;
    ellipse.addEllipse(box);
    QPainterPath rounded;
    rounded.addRoundedRect(box, 4 * 40, 4 * 43);
    const struct {
        const char* stream;
        QPainterPath outline;
    } rows[] = {
        {"# Q43,40 E10,20,30,10 N @", ellipse},
        {"# Q43,40 O10,20,30,10,4,0,0,0,0,0,0 N @", rounded},
    };
    for (const auto& row : rows) {
        const CutPath path = readCutterStream(row.stream);
        EXPECT_TRUE(path.problems.isEmpty()) << row.stream;
        QList<QPolygonF> cuts;
        for (const CutStroke& stroke : path.strokes)
            cuts.append(stroke.points);
        const QList<QPolygonF> outline = row.outline.toSubpathPolygons();
        for (const QPolygonF& cut : cuts) {
            for (const QPointF& point : cut)
                EXPECT_LE(distanceToOutline(point, outline), 0.5) << row.stream << " " << point.x() << "," << point.y();
        }
        const QRectF bounds = boundsOf(cuts);
        EXPECT_NEAR(bounds.left(), box.left(), 0.5) << row.stream;
        EXPECT_NEAR(bounds.right(), box.right(), 0.5) << row.stream;
        EXPECT_NEAR(bounds.top(), box.top(), 0.5) << row.stream;
        EXPECT_NEAR(bounds.bottom(), box.bottom(), 0.5) << row.stream;
    }
}

// A command may carry a tab, a form feed or a control byte where the cutter skips blanks: the
// listed set-up and the SVG picture show it as \xNN, so the picture stays readable and a
// listed line stays one line.
TEST(CutterStreamReader, OddBytesOfACommandAreShownEscaped)
{
    const struct {
        QByteArray stream;
        const char* shown;
    } rows[] = {
        {"# Q40,40 Y\v62.00,50,0,1 K1 M1,1 K0 @", "Y\\x0b62.00,50,0,1"},
        {"# Q40,40 C5\t K1 M1,1 K0 @", "雕刻速度代码 5\\x09"},
        {"# Q40,40 Z\x01 K1 M1,1 K0 @", "Z\\x01"},
    };
    for (const auto& row : rows) {
        const QByteArray svg = cutPathSvg(readCutterStream(row.stream));
        QXmlStreamReader reader(svg);
        while (!reader.atEnd())
            reader.readNext();
        EXPECT_FALSE(reader.hasError()) << row.shown << ": " << reader.errorString().toStdString();
        EXPECT_TRUE(QString::fromUtf8(svg).contains(QString::fromUtf8(row.shown))) << svg.toStdString();
    }
}

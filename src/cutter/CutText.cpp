#include "cutter/CutText.h"

#include "cutter/CutPaths.h"
#include "cutter/CutterText.h"
#include "cutter/TraceCache.h"
#include "model/Convert.h"
#include "model/NumberFormat.h"

#include <utility>

namespace {

// Exactly four decimals, as the plotter's commands take their numbers.
QString fourDecimals(long double value)
{
    QString text = QString::asprintf("%.4Lf", value);
    // A tiny negative value must not reach the plotter as "-0.0000".
    if (text == u"-0.0000")
        text.remove(0, 1);
    return text;
}

QString millimetres(long double tenths)
{
    return fourDecimals(tenths * 0.1L);
}

QString generalMillimetres(long double tenths)
{
    return floatToStr(static_cast<double>(tenths * 0.1L));
}

// A model box as the cut kinds use it: left, top, width, height in tenths of a millimetre.
struct Box {
    qint64 x;
    qint64 y;
    qint64 w;
    qint64 h;
};

Box modelBox(const Tshape& shape)
{
    return {shape.printLeft, shape.printTop, qint64(shape.printRight) - shape.printLeft,
            qint64(shape.printBottom) - shape.printTop};
}

// On a label shown a quarter turn round, the paper in the cutter still lies the other way:
// the box turns back to it.
Box paperBox(const Tshape& shape, const CutContext& c)
{
    if (!c.rotated)
        return modelBox(shape);
    return {shape.printTop, qint64(c.labelWidth) - shape.printRight,
            qint64(shape.printBottom) - shape.printTop, qint64(shape.printRight) - shape.printLeft};
}

CutText roundRectText(const Tshape& shape, const CutContext& c)
{
    const Box box = paperBox(shape, c);
    if (!c.commandMode)
        return {RoundRectPath(c, box.x + c.offsetX, box.y + c.offsetY, box.w, box.h, shape.printR), {}};
    // The joint edge is counted round the paper, so turning the label moves it one edge on.
    const int jointEdge = c.rotated ? shape.gapPos % 4 + 1 : shape.gapPos;
    const QStringList fields{
        millimetres(box.x + c.offsetX),
        millimetres(box.y + c.offsetY),
        millimetres(box.w),
        millimetres(box.h),
        millimetres(shape.printR),
        QString::number(shape.direction),
        QString::number(jointEdge),
        millimetres(shape.gapDistance),
        millimetres(shape.gapLenth),
        millimetres(shape.gapOffset),
        QString::number(shape.delayms),
    };
    return {QStringLiteral(" O") + fields.join(u','), {}};
}

// A plain rectangle is a rounded rectangle of radius 0 without joint or delay; its own
// record may hold stray values in those fields, which it does not use.
CutText rectText(const Tshape& shape, const CutContext& c)
{
    Tshape plain = shape;
    plain.printR = 0;
    plain.direction = 0;
    plain.gapPos = 0;
    plain.gapDistance = 0;
    plain.gapLenth = 0;
    plain.gapOffset = 0;
    plain.delayms = 0;
    return roundRectText(plain, c);
}

CutText halfCircleText(const Tshape& shape, const CutContext& c)
{
    const Box box = modelBox(shape);
    return {HalfCirclePath(c, box.x + c.offsetX, box.y + c.offsetY, box.w, box.h, shape.printR), {}};
}

CutText circleText(const Tshape& shape, const CutContext& c)
{
    if (!c.commandMode) {
        const Box box = modelBox(shape);
        return {EllipsePath(c, box.x + c.offsetX, box.y + c.offsetY, box.w, box.h), {}};
    }
    const Box box = paperBox(shape, c);
    return {QStringLiteral(" E") + generalMillimetres(box.x + c.offsetX) + u',' + generalMillimetres(box.y + c.offsetY)
                + u',' + generalMillimetres(box.w) + u',' + generalMillimetres(box.h),
            {}};
}

QString flag(int value)
{
    return value == 1 ? QStringLiteral(",1") : QStringLiteral(",0");
}

CutText arcText(const Tshape& shape, const CutContext& c)
{
    if (!c.commandMode) {
        const std::optional<QString> path =
            ArcPath(c, truncToInt(shape.CenterX + c.offsetX), truncToInt(shape.CenterY + c.offsetY),
                    truncToInt(shape.Radiu), truncToInt(shape.SAngle), truncToInt(shape.EAngle));
        if (!path)
            return {{}, CutterText::tr("从 %1° 到 %2° 的弧转过的角度超过 %3 度，无法雕刻。")
                            .arg(floatToStr(shape.SAngle), floatToStr(shape.EAngle))
                            .arg(kMaxArcSweep)};
        return {*path, {}};
    }
    // The plotter takes the arc in 32-bit floats; turned back to the paper, the angles turn
    // a quarter with it.
    float cx = float(shape.CenterX);
    float cy = float(shape.CenterY);
    float a1 = float(shape.SAngle);
    float a2 = float(shape.EAngle);
    if (c.rotated) {
        cx = float(shape.CenterY);
        cy = float(c.labelWidth - shape.CenterX);
        a1 = float(shape.SAngle + 90);
        a2 = float(shape.EAngle + 90);
    }
    return {QStringLiteral(" A") + millimetres(static_cast<long double>(cx) + c.offsetX) + u','
                + millimetres(static_cast<long double>(cy) + c.offsetY) + u',' + millimetres(shape.Radiu)
                + u',' + fourDecimals(a1) + u',' + fourDecimals(a2) + flag(shape.startDown)
                + flag(shape.endUp) + flag(shape.direction),
            {}};
}

QString lineCommands(const Tshape& shape, const CutContext& c)
{
    long double sx = shape.startX;
    long double sy = shape.startY;
    long double ex = shape.endX;
    long double ey = shape.endY;
    if (c.rotated) {
        sx = shape.startY;
        sy = c.labelWidth - static_cast<long double>(shape.startX);
        ex = shape.endY;
        ey = c.labelWidth - static_cast<long double>(shape.endX);
    }
    QString text = QStringLiteral(" M") + millimetres(sx + c.offsetX) + u',' + millimetres(sy + c.offsetY);
    if (shape.startDown != 0)
        text += u" K1";
    text += QStringLiteral(" M") + millimetres(ex + c.offsetX) + u',' + millimetres(ey + c.offsetY);
    if (shape.Delay != 0)
        text += u" I";
    return text;
}

// In path form a line runs between two corners of its box, chosen by its start corner. The
// cutter's axes are swapped here, and so are the pulse factors.
QString linePath(const Tshape& shape, const CutContext& c)
{
    const int L = ToPulses(qint64(shape.printLeft) + c.offsetX, c.ky);
    const int R = ToPulses(qint64(shape.printRight) + c.offsetX, c.ky);
    const int T = ToPulses(qint64(shape.printTop) + c.offsetY, c.kx);
    const int B = ToPulses(qint64(shape.printBottom) + c.offsetY, c.kx);
    if (shape.direction < 0 || shape.direction > 3)
        return {};
    struct Corner {
        int v;
        int h;
    };
    const Corner corners[4] = {{T, L}, {T, R}, {B, R}, {B, L}};
    const Corner from = corners[shape.direction];
    const Corner to = corners[(shape.direction + 2) % 4];
    QString text = QStringLiteral(" U%1,%2").arg(from.v).arg(from.h);
    if (shape.startDown != 0)
        text += u" K1";
    return text + QStringLiteral(" U%1,%2").arg(to.v).arg(to.h);
}

CutText lineText(const Tshape& shape, const CutContext& c)
{
    QString text = c.commandMode ? lineCommands(shape, c) : linePath(shape, c);
    if (shape.endUp != 0)
        text += u" K0";
    return {text, {}};
}

// The traced outline scaled into the object's box, in pulses with the factors swapped as
// for lines.
CutText imageText(const Tshape& shape, const CutContext& c)
{
    const std::shared_ptr<const TracedOutline> outline = traceCache().outline(shape.fileName);
    if (!outline->ok())
        return {{}, outline->error};
    if (outline->points.isEmpty())
        return {{},
                CutterText::tr("位图“%1”中找不到轮廓：请画一条一像素宽的黑线，"
                               "到达图片中间一行或在它下面。")
                    .arg(shape.fileName)};

    const int left = ToPulses(shape.printLeft, c.ky);
    const int top = ToPulses(shape.printTop, c.kx);
    const int width = ToPulses(qint64(shape.printRight) - shape.printLeft, c.ky);
    const int height = ToPulses(qint64(shape.printBottom) - shape.printTop, c.kx);
    const int originH = ToPulses(c.offsetX, c.ky);
    const int originV = ToPulses(c.offsetY, c.kx);
    const float sx = float(static_cast<long double>(width) / outline->bitmapSize.width());
    const float sy = float(static_cast<long double>(height) / outline->bitmapSize.height());

    const auto place = [&](const QPoint& p) {
        const int h = truncToInt(static_cast<long double>(originH) + left + p.x() * static_cast<long double>(sx));
        const int v = truncToInt(static_cast<long double>(originV) + top + p.y() * static_cast<long double>(sy));
        return std::pair{v, h};
    };
    PathText path;
    const auto [firstV, firstH] = place(outline->points.first());
    path.add(firstV, firstH);
    for (const QPoint& point : outline->points) {
        const auto [v, h] = place(point);
        path.add(v, h);
    }
    return {path.text() + u' ', {}};
}

} // namespace

CutText CutObjectText(const Tshape& shape, const CutContext& context)
{
    switch (shape.kind()) {
    case ShapeKind::CutRect:
        return rectText(shape, context);
    case ShapeKind::CutRoundRect:
        return roundRectText(shape, context);
    case ShapeKind::CutHalfCircle:
        return halfCircleText(shape, context);
    case ShapeKind::CutCircle:
        return circleText(shape, context);
    case ShapeKind::CutArc:
        return arcText(shape, context);
    case ShapeKind::CutLine:
        return lineText(shape, context);
    case ShapeKind::CutImage:
        return imageText(shape, context);
    default:
        return {};
    }
}

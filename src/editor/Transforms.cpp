#include "editor/Transforms.h"

#include "editor/ObjectPlacement.h"
#include "model/AnchoredBox.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/MessageService.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

class TransformText {
    Q_DECLARE_TR_FUNCTIONS(Transform)
};

void placeRelative(const Tobject& document, Tshape& shape, float dx, float dy)
{
    shape.printLeft = offsetBy(shape.printLeft, dx);
    shape.printRight = offsetBy(shape.printRight, dx);
    shape.printTop = offsetBy(shape.printTop, dy);
    shape.printBottom = offsetBy(shape.printBottom, dy);
    const int pixelsX = document.ToPixels(dx);
    const int pixelsY = document.ToPixels(dy);
    shape.Left = offsetBy(shape.Left, pixelsX);
    shape.Right = offsetBy(shape.Right, pixelsX);
    shape.Top = offsetBy(shape.Top, pixelsY);
    shape.Bottom = offsetBy(shape.Bottom, pixelsY);
    shiftCutGeometry(shape, dx, dy);
}

// The box's top-left corner goes to (x, y), its size kept. A text or symbol is printed from
// its anchor, the corner its rotation names, so the anchor goes where that corner now lies:
// the printed label shows the object where the preview does.
void placeAbsolute(const Tobject& document, Tshape& shape, float x, float y)
{
    const long long modelWidth = static_cast<long long>(shape.printRight) - shape.printLeft;
    const long long modelHeight = static_cast<long long>(shape.printBottom) - shape.printTop;
    const long long width = static_cast<long long>(shape.Right) - shape.Left;
    const long long height = static_cast<long long>(shape.Bottom) - shape.Top;
    shape.printLeft = truncToInt(x);
    shape.printRight = truncToInt(x + static_cast<long double>(modelWidth));
    shape.printTop = truncToInt(y);
    shape.printBottom = truncToInt(y + static_cast<long double>(modelHeight));
    shape.Left = document.ToPixels(x);
    shape.Right = offsetBy(shape.Left, width);
    shape.Top = document.ToPixels(y);
    shape.Bottom = offsetBy(shape.Top, height);

    switch (shape.kind()) {
    case ShapeKind::CutArc:
        // The arc is cut around its centre; its model box, from which a full circle is
        // drawn, stays around the centre too.
        shape.CenterX = x;
        shape.CenterY = y;
        document.setArcBoxes(shape);
        break;
    case ShapeKind::CutLine:
        shiftCutGeometry(shape, x - std::min(shape.startX, shape.endX), y - std::min(shape.startY, shape.endY));
        break;
    default:
        if (shape.isAnchored()) {
            const int direction = anchoredDirection(shape.direction);
            const bool right = direction == 2 || direction == 3;
            const bool bottom = direction == 1 || direction == 2;
            shape.printLeft = truncToInt(x + (right ? document.FromPixels(truncToInt(width)) : 0.0L));
            shape.printTop = truncToInt(y + (bottom ? document.FromPixels(truncToInt(height)) : 0.0L));
        }
        break;
    }
}

void place(const Tobject& document, Tshape& shape, float dx, float dy, Placement placement)
{
    if (placement == Placement::Relative)
        placeRelative(document, shape, dx, dy);
    else
        placeAbsolute(document, shape, dx, dy);
}

// The six lines of a box an object can be aligned to, in the order of AlignMode: left,
// centre, right, top, middle, bottom.
using Lines = std::array<int, 6>;

Lines linesOf(int left, int top, int right, int bottom)
{
    return {left, offsetBy(left, (static_cast<long long>(right) - left) / 2), right,
            top,  offsetBy(top, (static_cast<long long>(bottom) - top) / 2),  bottom};
}

// One axis of one object lined up: its low edge, high edge and their model twins go to the
// pixel and model positions of the chosen line, by the low edge, the middle or the high edge.
void alignAxis(int& low, int& high, int& modelLow, int& modelHigh, int pixelAt, int modelAt, int by)
{
    const long long width = static_cast<long long>(high) - low;
    const long long modelWidth = static_cast<long long>(modelHigh) - modelLow;
    if (by == 1) {
        low = offsetBy(pixelAt, -(width / 2));
        modelLow = offsetBy(modelAt, -(modelWidth / 2));
        high = offsetBy(pixelAt, width / 2);
        modelHigh = offsetBy(modelAt, modelWidth / 2);
    } else if (by == 2) {
        high = pixelAt;
        modelHigh = modelAt;
        low = offsetBy(high, -width);
        modelLow = offsetBy(modelHigh, -modelWidth);
    } else {
        low = pixelAt;
        modelLow = modelAt;
        high = offsetBy(low, width);
        modelHigh = offsetBy(modelLow, modelWidth);
    }
}

void alignShape(const Tobject& document, Tshape& shape, AlignMode mode, const Lines& pixel, const Lines& model)
{
    const int oldLeft = shape.Left;
    const int oldTop = shape.Top;
    const auto line = static_cast<std::size_t>(mode);
    const int by = static_cast<int>(line % 3);
    if (line < 3)
        alignAxis(shape.Left, shape.Right, shape.printLeft, shape.printRight, pixel[line], model[line], by);
    else
        alignAxis(shape.Top, shape.Bottom, shape.printTop, shape.printBottom, pixel[line], model[line], by);
    if (shape.isAnchored())
        anchorAtPixelBox(shape, document);
    shiftCutGeometry(shape, document.FromPixels(offsetBy(shape.Left, -static_cast<long double>(oldLeft))),
                     document.FromPixels(offsetBy(shape.Top, -static_cast<long double>(oldTop))));
}

} // namespace

void Transform(Tobject& document, float dx, float dy, Placement placement, TransformAction action)
{
    if (document.objects.isEmpty())
        return;
    if (placement == Placement::Absolute && (dx < 0 || dy < 0)) {
        showMessage(hintCaption(), dx < 0 ? TransformText::tr("水平位置必须大于0！") : TransformText::tr("垂直位置必须大于0！"),
                    MessageIcon::Information);
        return;
    }
    if (document.SelectedCount() == 0)
        return;
    document.TakeSnapshot();
    const qsizetype count = document.objects.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (!document.objects[i].Selected)
            continue;
        if (action == TransformAction::Move) {
            place(document, document.objects[i], dx, dy, placement);
        } else {
            Tshape copy = document.objects[i];
            document.objects[i].Selected = false;
            copy.name.clear();
            copy.ifPrint = true;
            place(document, copy, dx, dy, placement);
            document.objects.append(std::move(copy));
        }
        document.modified = true;
    }
    for (qsizetype i = count; i < document.objects.size(); ++i)
        document.objects[i].Selected = true;
}

bool TransformTyped(Tobject& document, const QString& x, const QString& y, Placement placement,
                    TransformAction action)
{
    float dx = 0;
    float dy = 0;
    try {
        dx = floatTenthsOfMillimetre(x);
        dy = floatTenthsOfMillimetre(y);
    } catch (const ConversionError&) {
        return false;
    }
    Transform(document, dx, dy, placement, action);
    return true;
}

void Align(Tobject& document, AlignMode mode, AlignReference reference)
{
    if (document.objects.isEmpty() || document.SelectedCount() == 0)
        return;
    const bool byObject = reference == AlignReference::LastClicked;
    if (byObject && !document.isIndex(document.lastClicked))
        return;
    document.TakeSnapshot();

    Lines pixel{};
    Lines model{};
    if (byObject) {
        const Tshape& by = document.objects[document.lastClicked];
        pixel = linesOf(by.Left, by.Top, by.Right, by.Bottom);
        // A text's model box is only its anchor; its lines come from where it is shown.
        const auto fromPixels = [&](int value) { return truncToInt(document.FromPixels(value)); };
        model = linesOf(by.printLeft, by.printTop, by.printRight, by.printBottom);
        if (by.kind() == ShapeKind::PrintString)
            std::ranges::transform(pixel, model.begin(), fromPixels);
    } else {
        const int width = document.labelWidth;
        const int height = document.labelHeight;
        model = {0, width / 2, width, 0, height / 2, height};
        pixel = {0, document.ToPixels(width / 2), document.ToPixels(width), 0, document.ToPixels(height / 2),
                 document.ToPixels(height)};
    }
    for (qsizetype i = document.objects.size() - 1; i >= 0; --i) {
        Tshape& shape = document.objects[i];
        if (shape.Selected && !(byObject && i == document.lastClicked))
            alignShape(document, shape, mode, pixel, model);
    }
    document.modified = true;
}

AlignMode alignModeOf(bool centre, bool right, bool top, bool middle, bool bottom)
{
    if (bottom)
        return AlignMode::Bottom;
    if (middle)
        return AlignMode::Middle;
    if (top)
        return AlignMode::Top;
    if (right)
        return AlignMode::Right;
    if (centre)
        return AlignMode::Centre;
    return AlignMode::Left;
}

std::optional<QPointF> nudgeOffset(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return QPointF(-kNudgeStep, 0);
    case Qt::Key_Right:
        return QPointF(kNudgeStep, 0);
    case Qt::Key_Up:
        return QPointF(0, -kNudgeStep);
    case Qt::Key_Down:
        return QPointF(0, kNudgeStep);
    default:
        return std::nullopt;
    }
}

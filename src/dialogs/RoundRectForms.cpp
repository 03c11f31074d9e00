#include "dialogs/RoundRectForms.h"

#include "cutter/SegmentedRect.h"
#include "model/Convert.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

#include <algorithm>
#include <array>

namespace {

// The joint's sides as the rounded rectangle stores them: 1 left, 2 bottom, 3 right, 4 top.
constexpr std::array<RectSide, 4> jointSides{RectSide::Left, RectSide::Bottom, RectSide::Right, RectSide::Top};

int jointSide(RectSide side)
{
    return static_cast<int>(std::ranges::find(jointSides, side) - jointSides.begin()) + 1;
}

// A stored joint side of a damaged file reads as the left side, where a new rectangle starts.
RectSide sideOfJoint(int gapPos)
{
    return gapPos >= 1 && gapPos <= 4 ? jointSides[gapPos - 1] : RectSide::Left;
}

// Every field of the form converted, before anything changes.
struct RoundRectValues {
    float left, top, right, bottom, radius, distance, joint, offset;
    int delay;

    explicit RoundRectValues(const SegmentedRectForm& form)
        : left(floatTenthsOfMillimetre(form.left))
        , top(floatTenthsOfMillimetre(form.top))
        , right(left + floatTenthsOfMillimetre(form.width))
        , bottom(top + floatTenthsOfMillimetre(form.height))
        , radius(floatTenthsOfMillimetre(form.radius))
        , distance(floatTenthsOfMillimetre(sideDistance(form)))
        , joint(floatTenthsOfMillimetre(form.jointLength))
        , offset(floatTenthsOfMillimetre(form.gapOffset))
        , delay(strToInt(form.delayms))
    {
    }
};

} // namespace

SegmentedRectForm roundRectFormDefaults()
{
    SegmentedRectForm form;
    form.gapOffset = form.delayms = QStringLiteral("0");
    form.upLine = form.leftLine = form.rightLine = form.downLine = QStringLiteral("15");
    presetRoundRect(form);
    return form;
}

void presetRoundRect(SegmentedRectForm& form)
{
    form.left = QStringLiteral("20");
    form.top = QStringLiteral("5");
    form.width = form.height = QStringLiteral("30");
    form.radius = form.jointLength = QStringLiteral("2");
    form.side = RectSide::Left;
    form.direction = 0;
}

void addCutRoundRect(const SegmentedRectForm& form, Tobject& document)
{
    const RoundRectValues v(form);
    document.AddCutRoundRect(truncToInt(v.left), truncToInt(v.top), truncToInt(v.right), truncToInt(v.bottom),
                             truncToInt(v.radius), form.direction, jointSide(form.side), v.distance, v.joint,
                             v.offset, v.delay);
}

void fillCutRoundRectEdit(SegmentedRectForm& form, const Tshape& shape)
{
    form.left = millimetreText(shape.printLeft);
    form.top = millimetreText(shape.printTop);
    form.width = millimetreText(static_cast<double>(shape.printRight) - shape.printLeft);
    form.height = millimetreText(static_cast<double>(shape.printBottom) - shape.printTop);
    form.radius = millimetreText(shape.printR);
    form.direction = shape.direction == 1 ? 1 : 0;
    form.side = sideOfJoint(shape.gapPos);
    sideDistance(form, form.side) = fixedDecimals(shape.gapDistance / 10.0, 2);
    form.jointLength = floatMillimetreText(shape.gapLenth);
    form.gapOffset = floatMillimetreText(shape.gapOffset);
    form.delayms = QString::number(shape.delayms);
}

void writeCutRoundRectEdit(const SegmentedRectForm& form, Tshape& shape, const Tobject& document)
{
    const RoundRectValues v(form);
    shape.printLeft = truncToInt(v.left);
    shape.printTop = truncToInt(v.top);
    shape.printRight = truncToInt(v.right);
    shape.printBottom = truncToInt(v.bottom);
    shape.Left = document.ToPixels(shape.printLeft);
    shape.Top = document.ToPixels(shape.printTop);
    shape.Right = document.ToPixels(shape.printRight);
    shape.Bottom = document.ToPixels(shape.printBottom);
    shape.printR = truncToInt(v.radius);
    shape.R = document.ToPixels(shape.printR);
    shape.direction = form.direction;
    shape.gapPos = jointSide(form.side);
    shape.gapDistance = v.distance;
    shape.gapLenth = v.joint;
    shape.gapOffset = v.offset;
    shape.delayms = v.delay;
}

void addSegmentedRectChain(const SegmentedRectForm& form, Tobject& document)
{
    if (const std::optional<SegmentedRect> rect = acceptSegmentedRectForm(form))
        addSegmentedRect(document, *rect);
}

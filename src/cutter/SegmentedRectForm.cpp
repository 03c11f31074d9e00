#include "cutter/SegmentedRectForm.h"

#include "cutter/CutterText.h"
#include "model/Convert.h"
#include "model/MessageService.h"

namespace {

bool isVertical(RectSide side)
{
    return side == RectSide::Left || side == RectSide::Right;
}

QString distanceMessage(RectSide side)
{
    switch (side) {
    case RectSide::Left:
        return CutterText::tr(" 左边线必须大于圆角，小于高度与圆角之差！");
    case RectSide::Bottom:
        return CutterText::tr(" 下边线必须大于圆角，小于宽度与圆角之差！");
    case RectSide::Right:
        return CutterText::tr(" 右边线必须大于圆角，小于高度与圆角之差！");
    case RectSide::Top:
        break;
    }
    return CutterText::tr(" 上边线必须大于圆角，小于宽度与圆角之差！");
}

std::optional<SegmentedRect> refuse(const QString& message)
{
    showMessage(hintCaption(), message, MessageIcon::Information);
    return std::nullopt;
}

// The distance field of a side, of a form that may be constant or not.
template <typename Form>
auto& distanceField(Form& form, RectSide side)
{
    switch (side) {
    case RectSide::Top:
        return form.upLine;
    case RectSide::Right:
        return form.rightLine;
    case RectSide::Bottom:
        return form.downLine;
    case RectSide::Left:
        break;
    }
    return form.leftLine;
}

} // namespace

QString& sideDistance(SegmentedRectForm& form, RectSide side)
{
    return distanceField(form, side);
}

const QString& sideDistance(const SegmentedRectForm& form)
{
    return distanceField(form, form.side);
}

std::optional<SegmentedRect> acceptSegmentedRectForm(const SegmentedRectForm& form)
{
    if (strToInt(form.delayms) < 0)
        return refuse(CutterText::tr("雕刻延时必须大于等于0！"));
    const double gapOffset = strToFloat(form.gapOffset);
    if (gapOffset < -10 || gapOffset > 10)
        return refuse(CutterText::tr(" 接头偏移必须在-10--10之间！"));
    const double radius = strToFloat(form.radius);
    const double height = strToFloat(form.height);
    const double width = strToFloat(form.width);
    if (radius < 0 || radius > height * 0.5 || radius > width * 0.5)
        return refuse(CutterText::tr(" 圆角必须大于0，小于高度的一半，小于宽度的一半！"));
    // The start side's length: the height for the left and right sides, else the width.
    const double length = isVertical(form.side) ? height : width;
    const double distance = strToFloat(sideDistance(form));
    if (distance < radius || distance > length - radius)
        return refuse(distanceMessage(form.side));
    const double joint = strToFloat(form.jointLength);
    if (joint < 0 || joint > length) {
        return refuse(isVertical(form.side) ? CutterText::tr("接头必须大于等于0，小于高度！")
                                            : CutterText::tr("接头必须大于等于0，小于宽度！"));
    }

    // The position is converted here too, so a mistyped one is reported while the dialog
    // is still open rather than after it closed.
    return SegmentedRect{
        .left = floatTenthsOfMillimetre(form.left),
        .top = floatTenthsOfMillimetre(form.top),
        .width = floatTenthsOfMillimetre(form.width),
        .height = floatTenthsOfMillimetre(form.height),
        .radius = floatTenthsOfMillimetre(form.radius),
        .jointLength = floatTenthsOfMillimetre(form.jointLength),
        .side = form.side,
        .distance = floatTenthsOfMillimetre(sideDistance(form)),
        .clockwise = form.direction == 1,
    };
}

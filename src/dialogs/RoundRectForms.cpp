#include "dialogs/RoundRectForms.h"

#include "cutter/SegmentedRect.h"
#include "model/Convert.h"
#include "model/Tobject.h"

namespace {

// The joint's side as the rounded rectangle stores it: 1 left, 2 bottom, 3 right, 4 top.
int jointSide(RectSide side)
{
    switch (side) {
    case RectSide::Left:
        return 1;
    case RectSide::Bottom:
        return 2;
    case RectSide::Right:
        return 3;
    case RectSide::Top:
        break;
    }
    return 4;
}

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
    const float left = floatTenthsOfMillimetre(form.left);
    const float top = floatTenthsOfMillimetre(form.top);
    const float width = floatTenthsOfMillimetre(form.width);
    const float height = floatTenthsOfMillimetre(form.height);
    const float radius = floatTenthsOfMillimetre(form.radius);
    const float distance = floatTenthsOfMillimetre(sideDistance(form));
    const float joint = floatTenthsOfMillimetre(form.jointLength);
    const float offset = floatTenthsOfMillimetre(form.gapOffset);
    const int delay = strToInt(form.delayms);
    document.AddCutRoundRect(truncToInt(left), truncToInt(top), truncToInt(left + width),
                             truncToInt(top + height), truncToInt(radius), form.direction,
                             jointSide(form.side), distance, joint, offset, delay);
}

void addSegmentedRectChain(const SegmentedRectForm& form, Tobject& document)
{
    if (const std::optional<SegmentedRect> rect = acceptSegmentedRectForm(form))
        addSegmentedRect(document, *rect);
}

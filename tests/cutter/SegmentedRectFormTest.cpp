#include "cutter/SegmentedRectForm.h"

#include "model/ConversionError.h"
#include "model/MessageService.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

// The dialog as the command presets it, with the kept fields at their form defaults.
SegmentedRectForm presetForm()
{
    SegmentedRectForm form;
    form.left = QStringLiteral("20");
    form.top = QStringLiteral("5");
    form.width = QStringLiteral("30");
    form.height = QStringLiteral("30");
    form.radius = QStringLiteral("2");
    form.jointLength = QStringLiteral("2");
    form.gapOffset = QStringLiteral("0");
    form.delayms = QStringLiteral("0");
    form.upLine = form.leftLine = form.rightLine = form.downLine = QStringLiteral("15");
    return form;
}

TEST(SegmentedRectForm, ChecksInOrderWithTheirExactMessages)
{
    const struct {
        const char* name;
        std::function<void(SegmentedRectForm&)> edit;
        const char16_t* message; // nullptr: accepted
    } cases[] = {
        {"preset values", [](SegmentedRectForm&) {}, nullptr},
        {"negative delay", [](auto& f) { f.delayms = "-1"; f.gapOffset = "11"; },
         u"雕刻延时必须大于等于0！"},
        {"joint offset 10.5 although unused", [](auto& f) { f.gapOffset = "10.5"; },
         u" 接头偏移必须在-10--10之间！"},
        {"joint offset -10 is a limit", [](auto& f) { f.gapOffset = "-10"; }, nullptr},
        {"negative radius", [](auto& f) { f.radius = "-0.1"; },
         u" 圆角必须大于0，小于高度的一半，小于宽度的一半！"},
        {"radius over half the width", [](auto& f) { f.width = "3.9"; },
         u" 圆角必须大于0，小于高度的一半，小于宽度的一半！"},
        {"radius of half the height is a limit",
         [](auto& f) { f.height = "4"; f.leftLine = "2"; f.jointLength = "4"; }, nullptr},
        {"left distance under the radius", [](auto& f) { f.leftLine = "1.9"; },
         u" 左边线必须大于圆角，小于高度与圆角之差！"},
        {"left distance equal to the radius", [](auto& f) { f.leftLine = "2"; }, nullptr},
        {"left joint over the height", [](auto& f) { f.jointLength = "30.1"; },
         u"接头必须大于等于0，小于高度！"},
        {"bottom distance past width minus radius",
         [](auto& f) { f.side = RectSide::Bottom; f.width = "40"; f.downLine = "38.5"; },
         u" 下边线必须大于圆角，小于宽度与圆角之差！"},
        {"bottom joint over the width",
         [](auto& f) { f.side = RectSide::Bottom; f.jointLength = "-1"; },
         u"接头必须大于等于0，小于宽度！"},
        {"right distance", [](auto& f) { f.side = RectSide::Right; f.rightLine = "29"; },
         u" 右边线必须大于圆角，小于高度与圆角之差！"},
        {"right joint", [](auto& f) { f.side = RectSide::Right; f.jointLength = "31"; },
         u"接头必须大于等于0，小于高度！"},
        {"top distance", [](auto& f) { f.side = RectSide::Top; f.upLine = "0"; },
         u" 上边线必须大于圆角，小于宽度与圆角之差！"},
        {"top joint", [](auto& f) { f.side = RectSide::Top; f.jointLength = "31"; },
         u"接头必须大于等于0，小于宽度！"},
        // Only the chosen side's distance is looked at.
        {"other sides unchecked", [](auto& f) { f.upLine = "999"; f.downLine = "x"; }, nullptr},
    };
    for (const auto& c : cases) {
        RecordingMessageService messages;
        SegmentedRectForm form = presetForm();
        c.edit(form);
        const bool accepted = acceptSegmentedRectForm(form).has_value();
        if (c.message == nullptr) {
            EXPECT_TRUE(accepted) << c.name;
            EXPECT_TRUE(messages.messages.isEmpty()) << c.name;
            continue;
        }
        EXPECT_FALSE(accepted) << c.name;
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf16(c.message)) << c.name;
        EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示")) << c.name;
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information) << c.name;
    }
}

TEST(SegmentedRectForm, TextThatIsNoNumberRaisesWhileTheDialogIsOpen)
{
    for (QString SegmentedRectForm::*field :
         {&SegmentedRectForm::delayms, &SegmentedRectForm::gapOffset, &SegmentedRectForm::radius,
          &SegmentedRectForm::leftLine, &SegmentedRectForm::jointLength, &SegmentedRectForm::left,
          &SegmentedRectForm::top}) {
        RecordingMessageService messages;
        SegmentedRectForm form = presetForm();
        form.*field = QStringLiteral("2,5");
        EXPECT_THROW(acceptSegmentedRectForm(form), ConversionError);
        EXPECT_TRUE(messages.messages.isEmpty());
    }
}

TEST(SegmentedRectForm, AcceptedValuesInTenthsOfAMillimetre)
{
    RecordingMessageService messages;
    SegmentedRectForm form = presetForm();
    form.direction = 1;
    form.side = RectSide::Right;
    form.rightLine = QStringLiteral("12.5");
    const std::optional<SegmentedRect> rect = acceptSegmentedRectForm(form);
    ASSERT_TRUE(rect.has_value());
    EXPECT_FLOAT_EQ(rect->left, 200);
    EXPECT_FLOAT_EQ(rect->top, 50);
    EXPECT_FLOAT_EQ(rect->width, 300);
    EXPECT_FLOAT_EQ(rect->height, 300);
    EXPECT_FLOAT_EQ(rect->radius, 20);
    EXPECT_FLOAT_EQ(rect->jointLength, 20);
    EXPECT_FLOAT_EQ(rect->distance, 125);
    EXPECT_EQ(rect->side, RectSide::Right);
    EXPECT_TRUE(rect->clockwise);
}

} // namespace

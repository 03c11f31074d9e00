#include "job/JobControls.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(JobControls, NewLabelShowsTheInitialSettings)
{
    const JobControls controls = controlsFromSettings(JobSettings{});
    EXPECT_EQ(controls.cmbMcX, QStringLiteral("66.667"));
    EXPECT_EQ(controls.cmbMcY, QStringLiteral("66.667"));
    EXPECT_EQ(controls.txtCutLeftMargin, QStringLiteral("0"));
    EXPECT_EQ(controls.txtCutTopMargin, QStringLiteral("0"));
    EXPECT_EQ(controls.txtMoveAfterCut, QStringLiteral("0"));
    EXPECT_EQ(controls.txtCutSleep, QStringLiteral("0"));
    EXPECT_FALSE(controls.chbCutSpeed);
    EXPECT_EQ(controls.cmbCutSpeed, QStringLiteral("0"));
    EXPECT_TRUE(controls.chbCmd);
    EXPECT_TRUE(controls.chbGoInit);
    EXPECT_TRUE(controls.rbGoLeft);
    EXPECT_TRUE(controls.rbGoUp);
    EXPECT_FALSE(controls.rbGoRight || controls.rbGoDown);
    EXPECT_FALSE(controls.chbSendBeforeCut || controls.chbBlack || controls.chbCutFeed);
    EXPECT_EQ(controls.cmbCutStartChar, QStringLiteral("#"));
    EXPECT_EQ(controls.cmbCutEndChar, QStringLiteral("@"));
    EXPECT_EQ(controls.txtQuantity, QStringLiteral("1"));
    EXPECT_EQ(controls.cmbCutPort, QStringLiteral("com1"));
    EXPECT_EQ(controls.cmbCutBaud, QStringLiteral("9600"));
}

TEST(JobControls, SettingsBecomeTheTextsTheWindowShows)
{
    using Change = std::function<void(JobSettings&)>;
    using Read = std::function<QString(const JobControls&)>;
    const Read left = [](const JobControls& c) { return c.txtCutLeftMargin; };
    const Read top = [](const JobControls& c) { return c.txtCutTopMargin; };
    const Read mcX = [](const JobControls& c) { return c.cmbMcX; };
    const Read mcY = [](const JobControls& c) { return c.cmbMcY; };
    const Read quantity = [](const JobControls& c) { return c.txtQuantity; };
    const Read move = [](const JobControls& c) { return c.txtMoveAfterCut; };
    const struct {
        const char* name;
        Change change;
        Read read;
        const char* shown;
    } cases[] = {
        {"2.5 mm without trailing zeros", [](auto& s) { s.cutLeft = 25; }, left, "2.5"},
        {"whole millimetres without a point", [](auto& s) { s.cutLeft = 200; }, left, "20"},
        {"0.3 mm, not 0.30000000000000004", [](auto& s) { s.cutTop = 3; }, top, "0.3"},
        {"a negative margin", [](auto& s) { s.cutTop = -15; }, top, "-1.5"},
        {"a listed factor keeps three decimals", [](auto& s) { s.mcX = 40; }, mcX, "40.000"},
        {"a float factor rounds to three decimals", [](auto& s) { s.mcY = 15.79f; }, mcY, "15.790"},
        {"an empty quantity shows 1", [](auto& s) { s.quantity.clear(); }, quantity, "1"},
        {"a quantity as stored", [](auto& s) { s.quantity = QStringLiteral("12"); }, quantity, "12"},
        {"a move backwards", [](auto& s) { s.moveAfterCut = -5; }, move, "-5"},
    };
    for (const auto& c : cases) {
        JobSettings settings;
        c.change(settings);
        EXPECT_EQ(c.read(controlsFromSettings(settings)), QString::fromUtf8(c.shown)) << c.name;
    }
}

TEST(JobControls, EachCarriageGroupSelectsAtMostOneButton)
{
    const struct {
        int left, right, down, up;
        bool rbGoLeft, rbGoRight, rbGoDown, rbGoUp;
    } cases[] = {
        {1, 0, 0, 1, true, false, false, true},
        {0, 1, 1, 0, false, true, true, false},
        {0, 0, 0, 0, false, false, false, false}, // both "不动" buttons
        {1, 1, 1, 1, false, true, false, true},   // a file with both flags: the later button holds
        {2, 0, 0, 2, false, false, false, false}, // only 1 selects
    };
    for (const auto& c : cases) {
        JobSettings settings;
        settings.ifGoLeft = c.left;
        settings.ifGoRight = c.right;
        settings.ifGoDown = c.down;
        settings.ifGoUp = c.up;
        const JobControls controls = controlsFromSettings(settings);
        const auto row = testing::Message() << c.left << c.right << c.down << c.up;
        EXPECT_EQ(controls.rbGoLeft, c.rbGoLeft) << row;
        EXPECT_EQ(controls.rbGoRight, c.rbGoRight) << row;
        EXPECT_EQ(controls.rbGoDown, c.rbGoDown) << row;
        EXPECT_EQ(controls.rbGoUp, c.rbGoUp) << row;
    }
}

} // namespace

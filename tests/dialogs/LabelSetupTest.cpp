#include "dialogs/LabelSetup.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

#include <gtest/gtest.h>

TEST(LabelSetup, SizesShowAsMillimetresWithoutTrailingZeros)
{
    const struct {
        int tenths;
        const char* text;
    } cases[] = {{1300, "130"}, {1305, "130.5"}, {900, "90"}, {1, "0.1"}, {0, "0"}, {123457, "12345.7"}};
    for (const auto& c : cases)
        EXPECT_EQ(millimetreText(c.tenths), QString::fromLatin1(c.text)) << c.tenths;
}

TEST(LabelSetup, TypedMillimetresBecomeTruncatedTenths)
{
    const struct {
        const char* text;
        int tenths;
    } cases[] = {{"40", 400}, {"40.55", 405}, {" 7.99 ", 79}, {"-3.21", -32}, {"0.01", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(tenthsOfMillimetre(QString::fromLatin1(c.text)), c.tenths) << c.text;
    EXPECT_THROW(tenthsOfMillimetre(QStringLiteral("abc")), ConversionError);
}

TEST(LabelSetup, ProblemsAreReportedInTheOrderTheOperatorMeetsThem)
{
    const struct {
        const char* width;
        const char* height;
        bool useBackground;
        const char* bgX;
        const char* problem;
    } cases[] = {
        {"40", "60", false, "3", ""},
        {"abc", "60", false, "3", "请输入正确的数据！"},
        {"0", "60", false, "3", "宽度必须大于0！"},
        {"-5", "abc", false, "3", "宽度必须大于0！"},
        {"40", "0", false, "3", "高度必须大于0！"},
        {"40", "", false, "3", "请输入正确的数据！"},
        // Stored as 0 tenths, which no view can show.
        {"0.05", "60", false, "3", "宽度必须大于0！"},
        // A background field that is not a whole number would stop the setup half applied.
        {"40", "60", true, "3.5", "请输入正确的数据！"},
        {"40", "60", false, "3.5", ""}, // ignored while no background is used
    };
    for (const auto& c : cases) {
        LabelSetupForm form;
        form.width = QString::fromLatin1(c.width);
        form.height = QString::fromLatin1(c.height);
        form.useBackground = c.useBackground;
        form.bgX = QString::fromLatin1(c.bgX);
        EXPECT_EQ(labelSetupProblem(form), QString::fromUtf8(c.problem)) << c.width << " x " << c.height;
    }
}

TEST(LabelSetup, FillingShowsTheSettingsAndKeepsUnusedBackgroundFields)
{
    LabelSettings settings;
    settings.Width = 405;
    settings.Height = 600;
    settings.Rotation = 3;
    settings.labelLock = 1;
    settings.BGFile = QStringLiteral("/labels/back.bmp");
    settings.BGX = 1;
    settings.BGY = 2;
    settings.BGWidth = 30;
    settings.BGHeight = 40;

    LabelSetupForm form;
    fillLabelSetupForm(form, settings);
    EXPECT_EQ(form.width, QStringLiteral("40.5"));
    EXPECT_EQ(form.height, QStringLiteral("60"));
    EXPECT_TRUE(form.landscape);
    EXPECT_TRUE(form.useBackground);
    EXPECT_EQ(form.bgFile, settings.BGFile);
    EXPECT_EQ((QStringList{form.bgX, form.bgY, form.bgWidth, form.bgHeight}), (QStringList{"1", "2", "30", "40"}));
    EXPECT_TRUE(form.lock);

    settings.BGFile.clear();
    settings.Rotation = 0;
    settings.labelLock = 0;
    fillLabelSetupForm(form, settings);
    EXPECT_FALSE(form.useBackground);
    EXPECT_TRUE(form.bgFile.isEmpty());
    EXPECT_EQ((QStringList{form.bgX, form.bgY, form.bgWidth, form.bgHeight}), (QStringList{"1", "2", "30", "40"}))
        << "the placement keeps its last text";
    EXPECT_FALSE(form.landscape);
    EXPECT_FALSE(form.lock);
}

TEST(LabelSetup, ApplyingStoresLockAndBackgroundInSettingsAndDocument)
{
    const struct {
        const char* name;
        bool useBackground;
        bool lock;
        bool landscape;
        QString file;
        int placement[4]; // x, y, width, height
        int rotation;
    } cases[] = {
        {"background used", true, true, false, QStringLiteral("/b.bmp"), {3, 4, 77, 62}, 0},
        {"background removed", false, false, true, QString(), {0, 0, 0, 0}, 3},
    };
    for (const auto& c : cases) {
        LabelSettings settings;
        settings.BGFile = QStringLiteral("/old.bmp");
        settings.BGX = settings.BGY = settings.BGWidth = settings.BGHeight = 9;
        Tobject document;
        LabelSetupForm form;
        form.width = QStringLiteral("40.56");
        form.height = QStringLiteral("60");
        form.landscape = c.landscape;
        form.useBackground = c.useBackground;
        form.bgFile = QStringLiteral("/b.bmp");
        form.bgX = QStringLiteral("3");
        form.bgY = QStringLiteral("4");
        form.lock = c.lock;

        EXPECT_EQ(applyLabelSetup(form, settings, document), (LabelSize{405, 600, c.rotation})) << c.name;
        EXPECT_EQ(settings.labelLock, c.lock ? 1 : 0) << c.name;
        EXPECT_EQ(document.labelLock, settings.labelLock) << c.name;
        EXPECT_EQ(settings.BGFile, c.file) << c.name;
        EXPECT_EQ(document.bgFile, c.file) << c.name;
        const int stored[] = {settings.BGX, settings.BGY, settings.BGWidth, settings.BGHeight};
        const int copied[] = {document.bgX, document.bgY, document.bgWidth, document.bgHeight};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(stored[i], c.placement[i]) << c.name << " field " << i;
            EXPECT_EQ(copied[i], c.placement[i]) << c.name << " field " << i;
        }
        EXPECT_EQ(settings.Width, 1300) << "the size is applied by the view, not here";
    }
}

// What "标签设置" stores for every one-decimal size the operator can type, both ways round,
// and the negative tenth the form refuses.
TEST(LabelSetup, EveryOneDecimalSizeIsStoredAsTyped)
{
    LabelSettings settings;
    Tobject document;
    LabelSetupForm form;
    for (int tenths = 1; tenths <= 3000; ++tenths) {
        form.width = QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
        form.height = QStringLiteral("%1.%2").arg((3001 - tenths) / 10).arg((3001 - tenths) % 10);
        ASSERT_EQ(labelSetupProblem(form), QString()) << qPrintable(form.width);
        ASSERT_EQ(applyLabelSetup(form, settings, document), (LabelSize{tenths, 3001 - tenths, 0}))
            << qPrintable(form.width);
    }
    form.width = QStringLiteral("-0.1");
    EXPECT_EQ(labelSetupProblem(form), QStringLiteral("宽度必须大于0！"));
}

TEST(LabelSetup, ApplyingABadFieldStoresNothing)
{
    LabelSettings settings;
    Tobject document;
    LabelSetupForm form;
    form.useBackground = true;
    form.bgFile = QStringLiteral("/b.bmp");
    form.bgHeight = QStringLiteral("x");
    form.lock = true;
    EXPECT_THROW(applyLabelSetup(form, settings, document), ConversionError);
    EXPECT_EQ(settings, LabelSettings{});
    EXPECT_EQ(document.labelLock, 0);
}

TEST(LabelSetup, OnlyLowerCaseBmpNamesAreBitmaps)
{
    const struct {
        const char* name;
        bool bitmap;
    } cases[] = {
        {"/pictures/back.bmp", true}, {"back.BMP", false}, {"back.Bmp", false}, {"back.png", false},
        {"back", false}, {"/dir.bmp/back", false}, {"back.bmp.png", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasBitmapExtension(QString::fromLatin1(c.name)), c.bitmap) << c.name;
}

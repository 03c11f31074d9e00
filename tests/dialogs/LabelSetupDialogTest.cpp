#include "dialogs/LabelSetupDialog.h"
#include "files/FileChooser.h"
#include "model/MessageService.h"
#include "support/WidgetHelpers.h"

#include <QAccessible>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LabelSetupDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    template <typename Widget = QLineEdit>
    Widget* control(const char* name)
    {
        return testing_support::control<Widget>(&dialog, QString::fromLatin1(name));
    }

    void click(const char* name) { testing_support::clickButton(control<QAbstractButton>(name)); }

    QStringList sizeFields() { return {control("txtWidth")->text(), control("txtHeight")->text()}; }

    RecordingMessageService messages;
    Tf_labelset dialog;
};

} // namespace

TEST_F(LabelSetupDialog, StartsWithItsFormDefaults)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("标签设置"));
    EXPECT_EQ(sizeFields(), (QStringList{"130", "90"}));
    EXPECT_TRUE(control<QRadioButton>("rbVertical")->isChecked());
    EXPECT_EQ((QStringList{control("txtBGWidth")->text(), control("txtBGHeight")->text(),
                           control("txtBGX")->text(), control("txtBGY")->text()}),
              (QStringList{"77", "62", "3", "3"}));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(LabelSetupDialog, EveryReleaseOnTheChosenOrientationExchangesTheSize)
{
    control("txtWidth")->setText(QStringLiteral("40"));
    control("txtHeight")->setText(QStringLiteral("60"));
    const struct {
        const char* button;
        QStringList size;
        bool landscape;
    } clicks[] = {
        {"rbHorizontal", {"60", "40"}, true},
        {"rbHorizontal", {"40", "60"}, true}, // clicked again: exchanged again
        {"rbVertical", {"60", "40"}, false},
    };
    for (const auto& c : clicks) {
        click(c.button);
        EXPECT_EQ(sizeFields(), c.size) << c.button;
        EXPECT_EQ(dialog.form().landscape, c.landscape) << c.button;
        // One picture of each pair shows the chosen orientation.
        EXPECT_EQ(control<QLabel>("imgHorizontalPrinter")->isVisible(), c.landscape);
        EXPECT_EQ(control<QLabel>("imgHorizontalLabel")->isVisible(), c.landscape);
        EXPECT_EQ(control<QLabel>("imgVerticalPrinter")->isVisible(), !c.landscape);
        EXPECT_EQ(control<QLabel>("imgVerticalLabel")->isVisible(), !c.landscape);
    }
}

TEST_F(LabelSetupDialog, ConfirmingChecksTheSizeAndStaysOpenOnAProblem)
{
    const struct {
        const char* width;
        const char* height;
        const char* message;
    } cases[] = {
        {"abc", "60", "请输入正确的数据！"},
        {"0", "60", "宽度必须大于0！"},
        {"40", "-1", "高度必须大于0！"},
        {"40", "60", nullptr},
    };
    for (const auto& c : cases) {
        messages.messages.clear();
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        control("txtWidth")->setText(QString::fromLatin1(c.width));
        control("txtHeight")->setText(QString::fromLatin1(c.height));
        click("BitBtn1");
        if (c.message) {
            ASSERT_EQ(messages.messages.size(), 1) << c.width;
            EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message));
            EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示"));
            EXPECT_TRUE(dialog.isVisible()) << c.width << ": the dialog stays open";
        } else {
            EXPECT_TRUE(messages.messages.isEmpty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }
}

TEST_F(LabelSetupDialog, BackgroundFileMustBeALowerCaseBmp)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString bitmap = folder.filePath(QStringLiteral("back.bmp"));
    const QString capitals = folder.filePath(QStringLiteral("BACK.BMP"));
    ASSERT_TRUE(picture.save(bitmap, "BMP"));
    ASSERT_TRUE(picture.save(capitals, "BMP"));
    auto* preview = control<QLabel>("imgBackGround");

    dialog.backgroundFileChosen(capitals);
    EXPECT_EQ(control("txtBGFile")->text(), capitals) << "the name is written in all the same";
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("选择的文件必须是BMP文件！"));
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(preview->pixmap().isNull()) << "the preview is left as it was";

    dialog.backgroundFileChosen(bitmap);
    EXPECT_EQ(control("txtBGFile")->text(), bitmap);
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(preview->pixmap().size(), QSize(8, 6));
}

TEST_F(LabelSetupDialog, FormRoundTripsThroughTheControls)
{
    LabelSetupForm form;
    form.width = QStringLiteral("55.5");
    form.height = QStringLiteral("20");
    form.landscape = true;
    form.useBackground = true;
    form.bgFile = QStringLiteral("/b.bmp");
    form.bgWidth = QStringLiteral("10");
    form.bgHeight = QStringLiteral("11");
    form.bgX = QStringLiteral("1");
    form.bgY = QStringLiteral("2");
    form.lock = true;
    dialog.showForm(form);
    const LabelSetupForm shown = dialog.form();
    EXPECT_EQ((QStringList{shown.width, shown.height, shown.bgFile, shown.bgWidth, shown.bgHeight, shown.bgX,
                           shown.bgY}),
              (QStringList{"55.5", "20", "/b.bmp", "10", "11", "1", "2"}));
    EXPECT_TRUE(shown.landscape);
    EXPECT_TRUE(shown.useBackground);
    EXPECT_TRUE(shown.lock);
    EXPECT_TRUE(control<QCheckBox>("chbLabelLock")->isChecked());
}

// Screen readers and GUI test tools find a field by the caption the operator reads beside it.
TEST_F(LabelSetupDialog, FieldsAreNamedByTheirCaptions)
{
    const struct {
        const char* field;
        const char* name;
    } rows[] = {
        {"txtWidth", "标签宽："}, {"txtHeight", "标签高："}, {"txtBGWidth", "宽"}, {"txtBGHeight", "高"},
        {"txtBGX", "X"},          {"txtBGY", "Y"},           {"txtBGFile", "背景文件"},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(control(row.field));
        ASSERT_NE(field, nullptr) << row.field;
        EXPECT_EQ(field->text(QAccessible::Name), QString::fromUtf8(row.name)) << row.field;
    }
}

TEST_F(LabelSetupDialog, BackgroundFileIsChosenInTheBitmapDialog)
{
    RecordingFileChooser files;
    const struct {
        const char* name;
        QString answer;
        QString folder;
        QString field;
    } rows[] = {
        {"first choice", QStringLiteral("/pictures/back.png"), documentsFolder(), QStringLiteral("/pictures/back.png")},
        {"cancelled: the field keeps its name and the dialog starts beside it", {}, QStringLiteral("/pictures"),
         QStringLiteral("/pictures/back.png")},
    };
    for (const auto& row : rows) {
        files.asked.clear();
        files.answers = {row.answer};
        control<QAbstractButton>("btnSelectBGFile")->click();
        ASSERT_EQ(files.asked.size(), 1) << row.name;
        EXPECT_EQ(files.asked[0], (FileChoice{FileChoice::Mode::Open, QStringLiteral("图形文件 (*.bmp)|*.bmp|All files (*.*)|*.*"),
                                              QStringLiteral(".bmp"), row.folder}))
            << row.name;
        EXPECT_EQ(control("txtBGFile")->text(), row.field) << row.name;
    }
}

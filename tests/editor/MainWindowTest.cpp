#include "MainWindowFixture.h"

#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using testing_support::control;
using testing_support::messageTexts;

QString text(QWidget* dialog, const char* name)
{
    return control<QLineEdit>(dialog, QString::fromLatin1(name))->text();
}

void setText(QWidget* dialog, const char* name, const QString& value)
{
    control<QLineEdit>(dialog, QString::fromLatin1(name))->setText(value);
}

void click(QWidget* dialog, const char* name)
{
    testing_support::clickButton(control<QAbstractButton>(dialog, QString::fromLatin1(name)));
}

} // namespace

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, StartsWithTheDefaultLabelFittedAndTheTitleAlone)
{
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune"));
    EXPECT_EQ(labelSettings().Width, 1300);
    EXPECT_EQ(labelSettings().Height, 900);
    EXPECT_EQ(find<QComboBox>(&main(), QStringLiteral("cmbZoom"))->currentText(), QStringLiteral("全屏幕"));
    EXPECT_EQ(main().document().labelWidth, 1300);
    EXPECT_EQ(main().document().zoom, main().zoom());
    EXPECT_GT(main().zoom(), 0.0f);
    // The white sheet has the label's size at the fitted zoom and lies inside the view.
    auto* sheet = find<QWidget>(&main(), QStringLiteral("backimage"));
    auto* view = find<QScrollArea>(&main(), QStringLiteral("ScrollBox1"));
    EXPECT_EQ(sheet->pos(), QPoint(20, 20));
    EXPECT_LE(sheet->width() + 30, view->maximumViewportSize().width() + 1);
    EXPECT_LE(sheet->height() + 30, view->maximumViewportSize().height() + 1);
    EXPECT_EQ(find<QWidget>(&main(), QStringLiteral("imageRowRuler"))->geometry(),
              QRect(20, 0, sheet->width(), 20));
    EXPECT_EQ(find<QWidget>(&main(), QStringLiteral("imageColRuler"))->geometry(),
              QRect(0, 20, 20, sheet->height()));
    EXPECT_EQ(find<QToolButton>(&main(), QStringLiteral("btnRotation"))->geometry(), QRect(0, 0, 20, 20));
    EXPECT_EQ(find<QToolButton>(&main(), QStringLiteral("btnRotation"))->text(), QStringLiteral("↓"));
    EXPECT_TRUE(find<QWidget>(&main(), QStringLiteral("pnlToolWindow"))->isVisible());
}

TEST_F(MainWindow, NewLandscapeLabelExchangesTheSizeAndReturnsToTheFittedView)
{
    auto* zoom = find<QComboBox>(&main(), QStringLiteral("cmbZoom"));
    zoom->setCurrentIndex(7);
    main().cmbZoomChange();
    addObjects(2);
    labelSettings().BGFile = QStringLiteral("old.bmp");
    labelSettings().labelLock = 1;
    jobSettings().dbName = QStringLiteral("book.xls");
    jobSettings().ifDBPrint = 1;
    messages.answers = {MessageAnswer::No};

    QStringList shown;
    const bool opened = runWithDialog(action(QStringLiteral("actionNew")), [&](QWidget* dialog) {
        shown = {text(dialog, "txtWidth"), text(dialog, "txtHeight")};
        setText(dialog, "txtWidth", QStringLiteral("40"));
        setText(dialog, "txtHeight", QStringLiteral("60"));
        click(dialog, "rbHorizontal");
        shown << text(dialog, "txtWidth") << text(dialog, "txtHeight");
        click(dialog, "BitBtn1");
    });
    ASSERT_TRUE(opened);
    // The dialog opens with the current size in whole millimetres; landscape exchanges it.
    EXPECT_EQ(shown, (QStringList{"130", "90", "60", "40"}));
    EXPECT_EQ(labelSettings().Width, 600);
    EXPECT_EQ(labelSettings().Height, 400);
    EXPECT_EQ(labelSettings().Rotation, 3);
    EXPECT_EQ(zoom->currentText(), QStringLiteral("全屏幕"));
    EXPECT_EQ(find<QToolButton>(&main(), QStringLiteral("btnRotation"))->text(), QStringLiteral("←"));
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune    "));
    EXPECT_TRUE(main().document().objects.isEmpty());
    EXPECT_EQ(main().document().undoList.size(), 2) << "the previous objects can be undone";
    EXPECT_FALSE(main().document().modified);
    EXPECT_TRUE(labelSettings().BGFile.isEmpty());
    EXPECT_EQ(labelSettings().labelLock, 0);
    EXPECT_TRUE(jobSettings().dbName.isEmpty());
    EXPECT_EQ(jobSettings().ifDBPrint, 0);
    EXPECT_EQ(messageTexts(messages), QStringList{"文件尚未存盘。存盘吗？"}) << "the new objects were unsaved";
}

TEST_F(MainWindow, NewAsksBeforeDiscardingChanges)
{
    const struct {
        const char* name;
        MessageAnswer answer;
        bool dialogOpens;
    } cases[] = {
        {"cancel stops the command", MessageAnswer::Cancel, false},
        {"no goes on without saving", MessageAnswer::No, true},
        {"yes saves and goes on", MessageAnswer::Yes, true},
    };
    // Saving goes to the label's own file, so no save dialog interrupts the test.
    const QTemporaryDir folder;
    main().setCurrentFile(folder.filePath(QStringLiteral("label.xml")));
    for (const auto& c : cases) {
        messages.messages.clear();
        main().document().modified = true;
        messages.answers = {c.answer};
        const bool opened = runWithDialog(action(QStringLiteral("actionNew")),
                                          [&](QWidget* dialog) { click(dialog, "BitBtn2"); });
        EXPECT_EQ(opened, c.dialogOpens) << c.name;
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_EQ(messages.messages[0].text, QStringLiteral("文件尚未存盘。存盘吗？")) << c.name;
        EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNoCancel) << c.name;
        // A cancelled label setup leaves the label as it was.
        EXPECT_EQ(labelSettings().Width, 1300) << c.name;
    }
}

TEST_F(MainWindow, DeleteRemovesTheSelectionAndShiftDeleteEverything)
{
    const struct {
        const char* name;
        Qt::KeyboardModifiers modifiers;
        bool typingInOffset;
        int remaining;
    } cases[] = {
        {"Delete", Qt::NoModifier, false, 2},
        {"Shift+Delete", Qt::ShiftModifier, false, 0},
        {"Delete while typing an offset", Qt::NoModifier, true, 3},
    };
    for (const auto& c : cases) {
        main().document().DeleteAll();
        addObjects(3);
        main().document().SelectIndex(1);
        auto* offset = find<QLineEdit>(&main(), QStringLiteral("txtX"));
        offset->setText(QStringLiteral("12"));
        if (c.typingInOffset) {
            offset->setFocus();
            offset->setCursorPosition(0);
        } else {
            find<QWidget>(&main(), QStringLiteral("ScrollBox1"))->setFocus();
        }
        press(Qt::Key_Delete, c.modifiers);
        EXPECT_EQ(main().document().objects.size(), c.remaining) << c.name;
        EXPECT_EQ(offset->text(), c.typingInOffset ? QStringLiteral("2") : QStringLiteral("12")) << c.name;
        EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(),
                  c.typingInOffset ? 0 : c.remaining)
            << c.name << ": the list is rebuilt after a delete";
    }
}

TEST_F(MainWindow, CopyPasteAndUndoByShortcut)
{
    addObjects(2);
    main().document().SelectIndex(0);
    const Tshape copied = main().document().objects[0];
    find<QWidget>(&main(), QStringLiteral("ScrollBox1"))->setFocus();

    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(main().document().objects.size(), 2) << "copying leaves the label alone";
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(main().document().objects.size(), 4);
    EXPECT_EQ(main().document().objects[2], copied) << "pasted on the copied object";
    EXPECT_EQ(main().document().objects[3], copied);
    EXPECT_TRUE(main().document().modified);
    EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), 4);

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main().document().objects.size(), 3) << "undo takes back the last paste only";
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main().document().objects.size(), 3) << "there is one level of undo";

    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(main().document().SelectedCount(), 3);
    EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->selectedItems().size(), 3);
}

TEST_F(MainWindow, HidingTheToolWindowGivesItsWidthToTheView)
{
    auto* tools = find<QWidget>(&main(), QStringLiteral("pnlToolWindow"));
    auto* view = find<QWidget>(&main(), QStringLiteral("ScrollBox1"));
    EXPECT_EQ(tools->width(), 214);
    const int viewWidth = view->width();

    action(QStringLiteral("actionToolWindow"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(tools->isVisible());
    EXPECT_EQ(view->width(), viewWidth + 214);

    action(QStringLiteral("actionToolWindow"))->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(tools->isVisible());
    EXPECT_EQ(view->width(), viewWidth);
    for (const char* name : {"ListView1", "txtX", "txtY", "chbRelative", "btnCopy", "btnMove", "rbLeft",
                             "rbCenter", "rbRight", "rbTop", "rbMiddle", "rbBottom", "btnAlign", "rgAlignMode"})
        EXPECT_TRUE(find<QWidget>(tools, QString::fromLatin1(name))->isVisible()) << name;
}

TEST_F(MainWindow, ToolWindowStartsWithItsDefaults)
{
    auto* tools = find<QWidget>(&main(), QStringLiteral("pnlToolWindow"));
    EXPECT_EQ(find<QLineEdit>(tools, QStringLiteral("txtX"))->text(), QStringLiteral("0"));
    EXPECT_EQ(find<QLineEdit>(tools, QStringLiteral("txtY"))->text(), QStringLiteral("0"));
    EXPECT_TRUE(find<QAbstractButton>(tools, QStringLiteral("chbRelative"))->isChecked());
    for (const char* name : {"rbLeft", "rbCenter", "rbRight", "rbTop", "rbMiddle", "rbBottom"})
        EXPECT_FALSE(find<QRadioButton>(tools, QString::fromLatin1(name))->isChecked()) << name;
    // The six alignment choices are one group: choosing one clears the other.
    click(tools, "rbLeft");
    click(tools, "rbBottom");
    EXPECT_FALSE(find<QRadioButton>(tools, QStringLiteral("rbLeft"))->isChecked());
    EXPECT_TRUE(find<QRadioButton>(tools, QStringLiteral("rbBottom"))->isChecked());
    auto* list = find<QTreeWidget>(tools, QStringLiteral("ListView1"));
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("序"));
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("类型"));
}

TEST_F(MainWindow, CloseQueryAsksAboutUnsavedChanges)
{
    const struct {
        const char* name;
        bool modified;
        QList<MessageAnswer> answers;
        QStringList asked;
        bool closes;
    } cases[] = {
        {"saved label", false, {}, {}, true},
        {"cancel", true, {MessageAnswer::Cancel}, {"文件尚未存盘。存盘吗？"}, false},
        {"no", true, {MessageAnswer::No}, {"文件尚未存盘。存盘吗？"}, true},
        {"yes, then go on", true, {MessageAnswer::Yes, MessageAnswer::Yes}, {"文件尚未存盘。存盘吗？", "继续退出吗？"}, true},
        {"yes, then stay", true, {MessageAnswer::Yes, MessageAnswer::No}, {"文件尚未存盘。存盘吗？", "继续退出吗？"}, false},
    };
    const QTemporaryDir folder;
    main().setCurrentFile(folder.filePath(QStringLiteral("label.xml")));
    for (const auto& c : cases) {
        messages.messages.clear();
        messages.answers = c.answers;
        main().document().modified = c.modified;
        EXPECT_EQ(main().FormCloseQuery(), c.closes) << c.name;
        EXPECT_EQ(messageTexts(messages), c.asked) << c.name;
        for (const Message& message : messages.messages)
            EXPECT_EQ(message.caption, QStringLiteral("提示")) << c.name;
    }
    main().document().modified = true;
    messages.answers = {MessageAnswer::Cancel};
    action(QStringLiteral("actionClose"))->trigger();
    EXPECT_TRUE(main().isVisible()) << "exit runs the close query";
}

TEST_F(MainWindow, LabelSetupTurnsAPortraitLabelToLandscape)
{
    main().ApplyLabelSize(400, 600, 0);
    main().document().modified = false;
    auto* zoom = find<QComboBox>(&main(), QStringLiteral("cmbZoom"));
    zoom->setCurrentIndex(3);
    main().cmbZoomChange();

    QStringList shown;
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionLabelSet")), [&](QWidget* dialog) {
        shown = {text(dialog, "txtWidth"), text(dialog, "txtHeight")};
        click(dialog, "rbHorizontal");
        shown << text(dialog, "txtWidth") << text(dialog, "txtHeight");
        click(dialog, "BitBtn1");
    }));
    EXPECT_EQ(shown, (QStringList{"40", "60", "60", "40"}));
    EXPECT_EQ(labelSettings().Width, 600);
    EXPECT_EQ(labelSettings().Height, 400);
    EXPECT_EQ(labelSettings().Rotation, 3);
    EXPECT_EQ(zoom->currentText(), QStringLiteral("全屏幕"));
    EXPECT_TRUE(main().document().modified);
    EXPECT_EQ(main().document().labelWidth, 600);
}

TEST_F(MainWindow, LabelSetupCancelledChangesNothing)
{
    const LabelSettings before = labelSettings();
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionLabelSet")), [&](QWidget* dialog) {
        setText(dialog, "txtWidth", QStringLiteral("10"));
        click(dialog, "chbLabelLock");
        click(dialog, "BitBtn2");
    }));
    EXPECT_EQ(labelSettings(), before);
    EXPECT_FALSE(main().document().modified);
}

TEST_F(MainWindow, RotationButtonTurnsTheLabel)
{
    main().ApplyLabelSize(500, 300, 0);
    auto* rotation = find<QToolButton>(&main(), QStringLiteral("btnRotation"));
    const struct {
        int width;
        int height;
        int rotation;
        const char* caption;
    } steps[] = {{300, 500, 3, "←"}, {500, 300, 0, "↓"}};
    for (const auto& step : steps) {
        QTest::mouseClick(rotation, Qt::LeftButton);
        EXPECT_EQ(labelSettings().Width, step.width);
        EXPECT_EQ(labelSettings().Height, step.height);
        EXPECT_EQ(labelSettings().Rotation, step.rotation);
        EXPECT_EQ(rotation->text(), QString::fromUtf8(step.caption));
    }
}

TEST_F(MainWindow, ZoomCommandsStepThroughTheList)
{
    auto* zoom = find<QComboBox>(&main(), QStringLiteral("cmbZoom"));
    auto* sheet = find<QWidget>(&main(), QStringLiteral("backimage"));
    const struct {
        const char* command;
        const char* entry;
        float zoom;
    } steps[] = {
        {"btnZoomDown", "50%", 0.5f},  // from the fitted view zooming out gives 50 %
        {"btnZoomDown", "50%", 0.5f},
        {"btnZoomUp", "75%", 0.75f},
    };
    for (const auto& step : steps) {
        QTest::mouseClick(find<QToolButton>(&main(), QString::fromLatin1(step.command)), Qt::LeftButton);
        EXPECT_EQ(zoom->currentText(), QString::fromUtf8(step.entry));
        EXPECT_FLOAT_EQ(main().document().zoom, step.zoom);
        EXPECT_EQ(sheet->width(), static_cast<int>(1300 * main().dpi() / 254 * step.zoom));
    }
    action(QStringLiteral("actionZoomMax"))->trigger();
    EXPECT_EQ(zoom->currentText(), QStringLiteral("全屏幕"));
}

TEST_F(MainWindow, CloseFileLeavesAnEmptySquareLabel)
{
    addObjects(1);
    labelSettings().Rotation = 3;
    action(QStringLiteral("actionCloseFile"))->trigger();
    EXPECT_EQ(labelSettings().Width, 900);
    EXPECT_EQ(labelSettings().Height, 900);
    EXPECT_EQ(labelSettings().Rotation, 3) << "the rotation is kept";
    EXPECT_TRUE(main().document().objects.isEmpty());
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune    "));
}

TEST_F(MainWindow, AboutBoxShowsTitleAndVersion)
{
    QString caption;
    QStringList texts;
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionAbout")), [&](QWidget* dialog) {
        caption = dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            texts.append(label->text());
        static_cast<QDialog*>(dialog)->reject();
    }));
    EXPECT_EQ(caption, QStringLiteral("关于"));
    EXPECT_EQ(texts, (QStringList{"Marlune", "VER 201710250000"}));
}

TEST_F(MainWindow, ResizingRefitsOnlyAFittedLabel)
{
    auto* zoom = find<QComboBox>(&main(), QStringLiteral("cmbZoom"));
    const struct {
        const char* name;
        int entry;
        bool refits;
    } cases[] = {{"fitted", 0, true}, {"100%", 3, false}};
    for (const auto& c : cases) {
        main().resize(1200, 800);
        zoom->setCurrentIndex(c.entry);
        main().cmbZoomChange();
        QApplication::processEvents();
        const float before = main().zoom();
        main().resize(900, 600);
        QApplication::processEvents();
        EXPECT_EQ(main().zoom() < before, c.refits) << c.name;
        EXPECT_EQ(main().document().zoom, main().zoom()) << c.name;
        EXPECT_EQ(zoom->currentIndex(), c.entry) << c.name;
    }
}

TEST_F(MainWindow, RightClickOnTheLabelOpensItsContextMenu)
{
    auto* sheet = find<QWidget>(&main(), QStringLiteral("backimage"));
    auto* menu = find<QMenu>(&main(), QStringLiteral("PopupMenu1"));
    emit sheet->customContextMenuRequested(QPoint(10, 10));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(MainWindow, FileNameFollowsTheTitleInTheCaption)
{
    main().setCurrentFile(QStringLiteral("/labels/tea.xml"));
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune    /labels/tea.xml"));
    EXPECT_EQ(main().fileName(), QStringLiteral("/labels/tea.xml"));
}

#include "MainWindowFixture.h"

#include "editor/ObjectListPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

using testing_support::control;

} // namespace

// Five cut circles side by side, numbered 1 to 5 by where they lie, none selected, and the
// list rebuilt.
class ObjectList : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        addObjects(5);
        main().cmbZoomChange();
        list = find<ObjectListPanel>(&main(), QStringLiteral("ListView1"));
    }

    QList<int> order()
    {
        QList<int> numbers;
        for (const Tshape& shape : main().document().objects)
            numbers << shape.printLeft / 110 + 1;
        return numbers;
    }

    QPoint rowCentre(int number) { return list->visualItemRect(list->topLevelItem(number - 1)).center(); }

    void click(int number, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(list->viewport(), button, modifiers, rowCentre(number));
    }

    ObjectListPanel* list = nullptr;
};

TEST_F(ObjectList, ReordersByMovingToTheEndAndByDroppingRowsAndUndoes)
{
    const struct {
        const char* name;
        int first;
        Qt::KeyboardModifier extend;
        int second;
        int dropOn; // 0: "移到最后打印雕刻"
        QList<int> expected;
        int selectedAfter;
    } rows[] = {
        {"rows 2 and 4 to the end", 2, Qt::ControlModifier, 4, 0, {1, 3, 5, 2, 4}, 2},
        {"rows 4 and 5 dropped on row 1", 4, Qt::ShiftModifier, 5, 1, {4, 5, 1, 2, 3}, 0},
        {"rows 1 and 2 dropped on row 4", 1, Qt::ControlModifier, 2, 4, {3, 4, 1, 2, 5}, 0},
    };
    for (const auto& row : rows) {
        click(row.first);
        click(row.second, row.extend);
        ASSERT_EQ(main().document().SelectedCount(), 2) << row.name;
        if (row.dropOn == 0) {
            action(QStringLiteral("actionListMove"))->trigger();
        } else {
            const QPoint at = rowCentre(row.dropOn);
            main().ListView1DragDrop(at.x(), at.y());
        }
        EXPECT_EQ(order(), row.expected) << row.name;
        EXPECT_EQ(main().document().SelectedCount(), row.selectedAfter) << row.name;
        EXPECT_EQ(list->selectedItems().size(), row.selectedAfter) << row.name << ": the list was rebuilt";
        action(QStringLiteral("actionUndo"))->trigger();
        EXPECT_EQ(order(), (QList<int>{1, 2, 3, 4, 5})) << row.name;
    }
}

TEST_F(ObjectList, PrintFlagsOfTheSelectedRowsSwitchAndUndo)
{
    click(2);
    click(3, Qt::ShiftModifier);
    action(QStringLiteral("actionIfPrintFalse"))->trigger();
    const auto flags = [this] {
        QList<bool> on;
        for (const Tshape& shape : main().document().objects)
            on << shape.ifPrint;
        return on;
    };
    EXPECT_EQ(flags(), (QList<bool>{true, false, false, true, true}));
    EXPECT_TRUE(main().document().modified);
    action(QStringLiteral("actionUndo"))->trigger();
    EXPECT_EQ(flags(), QList<bool>(5, true));
}

TEST_F(ObjectList, ClicksSelectFromTheRowsWithoutRebuildingThem)
{
    const QTreeWidgetItem* third = list->topLevelItem(2);
    click(3);
    click(5, Qt::ControlModifier);
    EXPECT_EQ(list->topLevelItem(2), third) << "the rows stay as the operator left them";
    QList<bool> selected;
    for (const Tshape& shape : main().document().objects)
        selected << shape.Selected;
    EXPECT_EQ(selected, (QList<bool>{false, false, true, false, true}));
    EXPECT_EQ(main().document().current, 4) << "the last selected row";

    // The right button selects its row alone and opens the label's context menu.
    auto* menu = find<QMenu>(&main(), QStringLiteral("PopupMenu1"));
    click(2, {}, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    EXPECT_EQ(main().document().SelectedCount(), 1);
    EXPECT_EQ(main().document().current, 1);

    // Delete with the keyboard in the list removes the selected object.
    list->setFocus();
    press(Qt::Key_Delete);
    EXPECT_EQ(order(), (QList<int>{1, 3, 4, 5}));
    EXPECT_EQ(list->topLevelItemCount(), 4);
}

TEST_F(ObjectList, ADoubleClickOnARowEditsItsObject)
{
    const bool opened = testing_support::runWithModal(
        [&] { QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(2)); },
        [&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("刻圆"));
            auto* left = control<QLineEdit>(dialog, QStringLiteral("txtLeft"));
            EXPECT_EQ(left->text(), QStringLiteral("11"));
            EXPECT_FALSE(control<QComboBox>(dialog, QStringLiteral("cmbCol"))->isEnabled());
            left->setText(QStringLiteral("12"));
            testing_support::clickButton(control<QAbstractButton>(dialog, QStringLiteral("BitBtn1")));
        });
    ASSERT_TRUE(opened);
    EXPECT_EQ(main().document().objects[1].printLeft, 120);
    EXPECT_EQ(main().document().objects[1].printRight, 220);
    action(QStringLiteral("actionUndo"))->trigger();
    EXPECT_EQ(main().document().objects[1].printLeft, 110);
}

#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace {

using ObjectCommands = MainWindowFixture;

QLineEdit* edit(QWidget* dialog, const char* name)
{
    return testing_support::control<QLineEdit>(dialog, QString::fromLatin1(name));
}

void typeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

void click(QWidget* dialog, const char* name)
{
    testing_support::clickButton(testing_support::control<QAbstractButton>(dialog, QString::fromLatin1(name)));
}

} // namespace

TEST_F(ObjectCommands, CircleCommandPresetsTheDialogAndAddsTheConfirmedGrid)
{
    QWidget* shown = nullptr;
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionCutCircle")), [&](QWidget* dialog) {
        shown = dialog;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("刻圆"));
        EXPECT_EQ(edit(dialog, "txtLeft")->text(), QStringLiteral("0"));
        EXPECT_EQ(edit(dialog, "txtWidth")->text(), QStringLiteral("10"));
        EXPECT_EQ(dialog->font().pixelSize(), 16);
        QLineEdit* columnGap = edit(dialog, "txtColGap");
        EXPECT_FALSE(columnGap->isEnabled());
        typeInto(testing_support::control<QComboBox>(dialog, QStringLiteral("cmbCol"))->lineEdit(), QStringLiteral("3"));
        EXPECT_TRUE(columnGap->isEnabled()) << "a count other than 1 has a gap";
        click(dialog, "BitBtn1");
    }));
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(main().document().objects.size(), 3);
    EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), 3) << "redrawn with the list";

    // The dialog kept its counts; a bad number is refused over the dialog and Cancel then
    // leaves the label and its undo point as they were.
    const ShapeList undo = main().document().undoList;
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionCutCircle")), [&](QWidget* dialog) {
        EXPECT_EQ(testing_support::control<QComboBox>(dialog, QStringLiteral("cmbCol"))->currentText(), QStringLiteral("3"));
        typeInto(edit(dialog, "txtHeight"), QStringLiteral("1o"));
        click(dialog, "BitBtn1");
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].text, QStringLiteral("请输入正确的数据！"));
        EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(messages.messages[0].owner, dialog);
        EXPECT_TRUE(dialog->isVisible());
        click(dialog, "BitBtn2");
    }));
    EXPECT_EQ(main().document().objects.size(), 3);
    EXPECT_EQ(main().document().undoList.size(), undo.size());
}

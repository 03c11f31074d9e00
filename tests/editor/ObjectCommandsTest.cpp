#include "MainWindowFixture.h"
#include "support/TestApp.h"

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

// Every create command of this family, from the place the operator finds it: the dialog
// opens with its caption and preset, and OK adds the objects and redraws the list.
TEST_F(ObjectCommands, EachCreateCommandAddsThroughItsDialog)
{
    const struct {
        const char* command; // an action or the tool bar's own button for it
        const char* caption;
        const char* presetField;
        const char* presetText;
        const char* fileName; // typed into txtFileName when set
        int added;
        const char* kind; // of the first object added
    } rows[] = {
        {"actionCutRect", "雕刻矩形", "txtLeft", "20", nullptr, 1, "cutRoundRect"},
        {"tbCutLineRect", "雕刻矩形", "txtTop", "5", nullptr, 9, "cutLine"},
        {"actionCutHalfCircle", "刻半圆", "txtR", "2", nullptr, 1, "cutHalfCircle"},
        {"actionCutImage", "刻异形", "txtFileName", "", "a.bmp", 1, "cutImage"},
        {"actionCutLine", "刻直线", "txtEndX", "10", nullptr, 1, "cutLine"},
        {"actionCutArc", "刻弧", "txtRadiu", "10", nullptr, 1, "cutArc"},
        {"actionPrintRect", "打印矩形", "txtLineWidth", "0.3", nullptr, 1, "printRect"},
        {"actionPrintLine", "打印直线", "txtLineWidth", "0.3", nullptr, 1, "printLine"},
        {"actionPrintPicture", "打印图形", "txtFileName", "", "b.bmp", 1, "printImage"},
        {"actionPrintString", "添加字符窗口", "txtStr", "12345678", nullptr, 1, "printString"},
        {"actionPrintBar", "打印一维条码", "txtLeft", "0", nullptr, 1, "printBar"},
        {"actionPrintQRBar", "打印QR二维码", "txtLeft", "0", nullptr, 1, "printQRBar"},
        {"mnuPrintDataMatrix", "打印DataMatrix二维码", "txtTop", "0", nullptr, 1, "printDataMatrix"},
        {"actionPrintPdf417", "打印PDF417二维码", "txtLeft", "0", nullptr, 1, "printPdf417Bar"},
    };
    for (const auto& row : rows) {
        const qsizetype before = main().document().objects.size();
        ASSERT_TRUE(runWithDialog(action(QString::fromLatin1(row.command)), [&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(row.caption)) << row.command;
            EXPECT_EQ(edit(dialog, row.presetField)->text(), QString::fromLatin1(row.presetText)) << row.command;
            if (row.fileName)
                typeInto(edit(dialog, "txtFileName"), QString::fromLatin1(row.fileName));
            click(dialog, "BitBtn1");
            EXPECT_TRUE(messages.messages.isEmpty()) << row.command << ": " << qPrintable(testing_support::messageTexts(messages).join(u' '));
        })) << row.command;
        const ShapeList& objects = main().document().objects;
        ASSERT_EQ(objects.size(), before + row.added) << row.command;
        EXPECT_EQ(objects[before].Type, QString::fromLatin1(row.kind)) << row.command;
        EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), objects.size()) << row.command;
    }

    // What the dialogs made is a label like any other: saved and opened again, every object
    // comes back in its place in the list.
    QStringList kinds;
    for (const Tshape& shape : main().document().objects)
        kinds.append(shape.Type);
    files.answers = {path(QStringLiteral("every kind.xml"))};
    action(QStringLiteral("actionSaveTo"))->trigger();
    files.answers = {path(QStringLiteral("every kind.xml"))};
    action(QStringLiteral("actionOpen"))->trigger();
    QStringList reopened;
    for (const Tshape& shape : main().document().objects)
        reopened.append(shape.Type);
    EXPECT_EQ(reopened, kinds);
    EXPECT_TRUE(messages.messages.isEmpty()) << qPrintable(testing_support::messageTexts(messages).join(u' '));
}

TEST_F(ObjectCommands, CancelAddsNothing)
{
    for (const char* command : {"actionCutLine", "actionCutArc", "actionPrintRect"}) {
        ASSERT_TRUE(runWithDialog(action(QString::fromLatin1(command)), [&](QWidget* dialog) { click(dialog, "BitBtn2"); }));
        EXPECT_TRUE(main().document().objects.isEmpty()) << command;
        EXPECT_FALSE(main().document().modified) << command;
    }
}

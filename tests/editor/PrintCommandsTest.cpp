#include "MainWindowFixture.h"

#include "model/JobSettings.h"
#include "support/TestApp.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace {

using PrintCommands = MainWindowFixture;

template <typename Widget = QLineEdit>
Widget* field(QWidget* dialog, const char* name)
{
    return testing_support::control<Widget>(dialog, QString::fromLatin1(name));
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void typeInto(QComboBox* list, const QString& text)
{
    typeInto(list->lineEdit(), text);
}

void click(QWidget* dialog, const char* name)
{
    testing_support::clickButton(field<QAbstractButton>(dialog, name));
}

QString goods()
{
    return testing_support::sourcePath(QStringLiteral("examples/goods.xlsx"));
}

} // namespace

TEST_F(PrintCommands, TextCommandPresetsKeepsTheFontAndAddsTheConfirmedGrid)
{
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionPrintString")), [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("添加字符窗口"));
        EXPECT_EQ(field<QTabWidget>(dialog, "PageControl1")->currentIndex(), 0);
        EXPECT_EQ(dialog->focusWidget(), field(dialog, "txtStr"));
        EXPECT_EQ(field(dialog, "txtStr")->text(), QStringLiteral("12345678"));
        EXPECT_FALSE(field(dialog, "txtColGap")->isEnabled());
        auto* size = field<QComboBox>(dialog, "cmbFontSize");
        auto* sample = field<QLabel>(dialog, "pnlSample");
        // Every keystroke on the way to "20" leaves a size the sample can show or keeps it.
        for (const char* typed : {"", "x", "2", "20"})
            typeInto(size, QString::fromLatin1(typed));
        EXPECT_EQ(sample->font().pointSize(), 20);
        QTest::keyClicks(size->lineEdit(), QStringLiteral("x"));
        EXPECT_EQ(sample->font().pointSize(), 20) << "a size the sample cannot take is not shown";
        EXPECT_TRUE(messages.messages.isEmpty()) << "no message while typing a size";
        typeInto(field<QComboBox>(dialog, "cmbCol"), QStringLiteral("2"));
        typeInto(field(dialog, "txtStrGap"), QStringLiteral("1.000"));
        click(dialog, "BitBtn1");
    }));
    ASSERT_EQ(main().document().objects.size(), 2);
    EXPECT_EQ(main().document().objects[1].printLeft, 200);
    EXPECT_EQ(main().document().objects[1].printSize, 20) << "the sample's size, not the typed one";
    EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), 2);

    // A field that is no number: the serial step's message, the focus on the serial field,
    // and Cancel leaves the label and its undo point.
    const ShapeList undo = main().document().undoList;
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionPrintString")), [&](QWidget* dialog) {
        EXPECT_EQ(field<QComboBox>(dialog, "cmbCol")->currentText(), QStringLiteral("1"));
        EXPECT_EQ(field<QComboBox>(dialog, "cmbFontSize")->currentText(), QStringLiteral("20"));
        typeInto(field(dialog, "txtLeft"), QStringLiteral("1o"));
        click(dialog, "BitBtn1");
        EXPECT_EQ(testing_support::messageTexts(messages), QStringList{QStringLiteral("序列必须输入整数！")});
        EXPECT_EQ(dialog->focusWidget(), field<QComboBox>(dialog, "cmbSerial"));
        EXPECT_TRUE(dialog->isVisible());
        click(dialog, "BitBtn2");
    }));
    EXPECT_EQ(main().document().objects.size(), 2);
    EXPECT_EQ(main().document().undoList, undo);
}

TEST_F(PrintCommands, DatabaseBoxOffersTheSheetsColumnsOnlyOnceASourceIsSetUp)
{
    JobSettings& settings = jobSettings();
    settings.dbName = goods();
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionPrintBar")), [&](QWidget* dialog) {
        auto* use = field<QCheckBox>(dialog, "chbIfDB");
        auto* columns = field<QComboBox>(dialog, "cmbDBField");
        click(dialog, "chbIfDB");
        EXPECT_EQ(testing_support::messageTexts(messages), QStringList{QStringLiteral("请先进行数据库设置！")});
        EXPECT_EQ(messages.messages.value(0).icon, MessageIcon::Warning);
        EXPECT_FALSE(use->isChecked());
        EXPECT_FALSE(columns->isEnabled());

        settings.tableName = QStringLiteral("货品");
        click(dialog, "chbIfDB");
        EXPECT_TRUE(columns->isEnabled());
        EXPECT_EQ(columns->count(), 4);
        columns->setCurrentText(QStringLiteral("条码"));
        typeInto(field(dialog, "txtBarValue"), QStringLiteral("6901234567892"));
        field<QComboBox>(dialog, "cmbBarType")->setCurrentText(QStringLiteral("EAN13"));
        click(dialog, "BitBtn1");
        EXPECT_EQ(testing_support::messageTexts(messages).value(1), QStringLiteral("EAN13条码字符长度必须等于12位！"));
        typeInto(field(dialog, "txtBarValue"), QStringLiteral("690123456789"));
        click(dialog, "BitBtn1");
    }));
    ASSERT_EQ(main().document().objects.size(), 1);
    EXPECT_EQ(main().document().objects[0].DBField, QStringLiteral("条码"));

    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionPrintBar")), [&](QWidget* dialog) {
        EXPECT_FALSE(field<QCheckBox>(dialog, "chbIfDB")->isChecked()) << "each create starts unbound";
        EXPECT_EQ(field<QComboBox>(dialog, "cmbDBField")->count(), 0);
        EXPECT_EQ(field<QComboBox>(dialog, "cmbBarType")->currentText(), QStringLiteral("EAN13")) << "kept";
        click(dialog, "BitBtn2");
    }));
}

TEST_F(PrintCommands, CodeCommandsAddTheirCodeAtTheLabelsCorner)
{
    const struct {
        const char* command;
        const char* caption;
        const char* refusedModule; // typed into cmbBarWidth first, or nullptr
        const char* type;
    } cases[] = {
        {"actionPrintQRBar", "打印QR二维码", "", "printQRBar"},
        {"actionPrintDataMatrix", "打印DataMatrix二维码", "0", "printDataMatrix"},
        {"actionPrintPdf417", "打印PDF417二维码", nullptr, "printPdf417Bar"},
    };
    for (const auto& c : cases) {
        messages.messages.clear();
        main().document().DeleteAll();
        ASSERT_TRUE(runWithDialog(action(QString::fromLatin1(c.command)), [&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.caption));
            EXPECT_EQ(field(dialog, "txtLeft")->text(), QStringLiteral("0")) << c.command;
            field<QPlainTextEdit>(dialog, "txtBarValue")->setPlainText(QStringLiteral("第一行\n第二行"));
            if (c.refusedModule) {
                auto* module = field<QComboBox>(dialog, "cmbBarWidth");
                const QString keep = module->currentText();
                module->setCurrentText(QString::fromLatin1(c.refusedModule));
                click(dialog, "BitBtn1");
                EXPECT_EQ(testing_support::messageTexts(messages), QStringList{QStringLiteral("条码宽度不能为空！")}) << c.command;
                module->setCurrentText(keep);
            }
            click(dialog, "BitBtn1");
        }));
        ASSERT_EQ(main().document().objects.size(), 1) << c.command;
        EXPECT_EQ(main().document().objects[0].Type, QString::fromLatin1(c.type));
        EXPECT_EQ(main().document().objects[0].barValue, QStringLiteral("第一行\n第二行"));
        EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), 1) << c.command;
    }
}

TEST_F(PrintCommands, DataSourceDialogStoresNothingUntilItsCheckPasses)
{
    JobSettings& settings = jobSettings();
    settings.ifDBPrint = 1;
    settings.dbName = QStringLiteral("/old/book.xls");
    // Opened and cancelled with half a source: nothing is forgotten.
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionDBSet")), [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("数据库设置"));
        EXPECT_TRUE(field(dialog, "txtFileName")->text().isEmpty());
        click(dialog, "btnCancel");
    }));
    EXPECT_EQ(settings.dbName, QStringLiteral("/old/book.xls"));

    files.answers = {QStringLiteral("/data/list.txt"), goods()};
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionDBSet")), [&](QWidget* dialog) {
        auto* sheets = field<QComboBox>(dialog, "cbTableName");
        click(dialog, "btnSelectFile");
        EXPECT_EQ(testing_support::messageTexts(messages), QStringList{QStringLiteral("选择的文件必须是excel文件！")});
        click(dialog, "btnSelectFile");
        EXPECT_EQ(field(dialog, "txtFileName")->text(), goods());
        EXPECT_EQ(sheets->count(), 1);
        click(dialog, "btnOk");
        EXPECT_EQ(testing_support::messageTexts(messages).value(1), QStringLiteral("请先选择表！"));
        EXPECT_EQ(settings.dbName, QStringLiteral("/old/book.xls")) << "nothing stored before the check passes";

        sheets->setCurrentIndex(0);
        emit sheets->activated(0);
        EXPECT_EQ(field<QTableView>(dialog, "DBGrid1")->model()->rowCount(), 3);
        click(dialog, "btnOk");
    }));
    EXPECT_EQ(settings.dbName, goods());
    EXPECT_EQ(settings.tableName, QStringLiteral("货品"));
    EXPECT_EQ(files.asked.value(0).filter,
              QStringLiteral("XLS files (*.xls)|*.xls|XLSX files (*.xlsx)|*.xlsx|ODS files (*.ods)|*.ods|CSV files (*.csv)|*.csv"
                             "|All files (*.*)|*.*"));

    // Opened from a print dialog's button, it shows the source just stored; the columns
    // offered follow the source the operator leaves it with.
    ASSERT_TRUE(runWithDialog(action(QStringLiteral("actionPrintQRBar")), [&](QWidget* dialog) {
        auto* columns = field<QComboBox>(dialog, "cmbDBField");
        click(dialog, "chbIfDB");
        columns->setCurrentText(QStringLiteral("条码"));
        for (const char* closeWith : {"btnCancel", "btnOk"}) {
            EXPECT_TRUE(testing_support::runWithModal([&] { click(dialog, "btnDBSet"); }, [&](QWidget* source) {
                EXPECT_EQ(field<QComboBox>(source, "cbTableName")->currentText(), QStringLiteral("货品"));
                EXPECT_EQ(field<QTableView>(source, "DBGrid1")->model()->rowCount(), 3);
                field(source, "txtFileName")->clear();
                click(source, closeWith);
            }));
            const bool kept = QByteArray(closeWith) == "btnCancel";
            EXPECT_EQ(field<QCheckBox>(dialog, "chbIfDB")->isChecked(), kept) << closeWith;
            EXPECT_EQ(columns->currentText(), kept ? QStringLiteral("条码") : QString()) << closeWith;
        }
        click(dialog, "BitBtn2");
    }));
    EXPECT_TRUE(main().document().objects.isEmpty());
}

#include "dialogs/PrintStringDialog.h"
#include "dialogs/PrintStringForm.h"
#include "model/ConversionError.h"
#include "model/LabelSettings.h"
#include "model/Tobject.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>

TEST(PrintStringForm, ChecksRunInTheOperatorsOrderWithTheFieldAtFault)
{
    const QString serial = QStringLiteral("cmbSerial");
    const struct {
        const char* name;
        std::function<void(PrintStringForm&)> change;
        int labelWidth;
        const char* message;
        QString focus;
    } cases[] = {
        {"defaults", [](PrintStringForm&) {}, 1300, "", {}},
        {"blank text", [](PrintStringForm& f) { f.str = QStringLiteral("  "); f.left = QStringLiteral("-1"); }, 1300, "字符不能为空！", {}},
        {"left below 0", [](PrintStringForm& f) { f.left = QStringLiteral("-1"); f.top = QStringLiteral("-1"); }, 1300, "横坐标必须大于0！", {}},
        {"top below 0", [](PrintStringForm& f) { f.top = QStringLiteral("-0.1"); }, 1300, "纵坐标必须大于0！", {}},
        {"column pitch", [](PrintStringForm& f) { f.copies.columnGap = QStringLiteral("-1"); }, 1300, "水平间距必须大于等于0！", {}},
        {"row pitch", [](PrintStringForm& f) { f.copies.rowGap = QStringLiteral("-1"); }, 1300, "垂直间距必须大于等于0！", {}},
        {"no rows", [](PrintStringForm& f) { f.copies.rows = QStringLiteral("0"); f.copies.columns = QStringLiteral("0"); }, 1300, "行数必须大于0！", {}},
        {"no columns", [](PrintStringForm& f) { f.copies.columns = QStringLiteral("-2"); }, 1300, "列数必须大于0！", {}},
        {"a typing slip of a grid", [](PrintStringForm& f) { f.copies.rows = QStringLiteral("101"); f.copies.columns = QStringLiteral("100"); f.copies.rowGap = f.copies.columnGap = QStringLiteral("0"); }, 1300, "复制的对象总数（行数×列数）不能超过10000个！", {}},
        {"exactly the largest grid", [](PrintStringForm& f) { f.copies.rows = f.copies.columns = QStringLiteral("100"); f.copies.rowGap = f.copies.columnGap = QStringLiteral("0"); }, 1300, "", {}},
        // Two columns 20 mm apart from 10 mm: the last anchor at 30 mm.
        {"last anchor on the edge", [](PrintStringForm& f) { f.left = QStringLiteral("10"); f.copies.columns = QStringLiteral("2"); }, 300, "设置的横向距离大于标签宽度！", {}},
        {"last anchor inside", [](PrintStringForm& f) { f.left = QStringLiteral("10"); f.copies.columns = QStringLiteral("2"); }, 310, "", {}},
        {"pitch beyond any label", [](PrintStringForm& f) { f.copies.columns = QStringLiteral("3"); f.copies.columnGap = QStringLiteral("200000000"); }, 1300, "设置的横向距离大于标签宽度！", {}},
        {"rows past the bottom", [](PrintStringForm& f) { f.top = QStringLiteral("80"); f.copies.rows = QStringLiteral("2"); }, 1300, "设置的纵向距离大于标签高度！", {}},
        {"position no number", [](PrintStringForm& f) { f.left = QStringLiteral("1o"); }, 1300, "序列必须输入整数！", serial},
        {"count no number", [](PrintStringForm& f) { f.copies.rows = QStringLiteral("1.5"); }, 1300, "序列必须输入整数！", serial},
        {"serial no number", [](PrintStringForm& f) { f.serial = QStringLiteral("+1.5"); }, 1300, "序列必须输入整数！", serial},
        {"scale no number", [](PrintStringForm& f) { f.heightFactor = QStringLiteral("x"); }, 1300, "序列必须输入整数！", serial},
        {"gap no number", [](PrintStringForm& f) { f.strGap = QStringLiteral("1,5"); }, 1300, "字间距必须输入数值！", QStringLiteral("txtStrGap")},
        {"gap as the format dialog writes it", [](PrintStringForm& f) { f.strGap = QStringLiteral("0.000"); }, 1300, "", {}},
    };
    for (const auto& c : cases) {
        PrintStringForm form;
        c.change(form);
        LabelSettings label; // 90 mm high
        label.Width = c.labelWidth;
        const FormProblem problem = printStringProblem(form, label);
        EXPECT_EQ(problem.message, QString::fromUtf8(c.message)) << c.name;
        EXPECT_EQ(problem.control, c.focus) << c.name;
    }
}

TEST(PrintStringForm, AddsTheGridWithTheSampleFontAndWholePixelGaps)
{
    QImage surface(10, 10, QImage::Format_RGB32);
    const struct {
        const char* gap;
        float stored;
    } gaps[] = {{"0.000", 0.0f}, {"2.5", 2.0f}, {"-1.9", -1.0f}};
    for (const auto& g : gaps) {
        Tobject document;
        PrintStringForm form;
        form.str = QStringLiteral("批号 A1");
        form.left = QStringLiteral("1.55");
        form.copies.columns = QStringLiteral("3");
        form.copies.rows = QStringLiteral("2");
        form.font = {QStringLiteral("黑体"), 16, true, false, true, false};
        form.strGap = QString::fromLatin1(g.gap);
        form.serial = QStringLiteral("+2");
        form.record = {false, QStringLiteral("批号")}; // a column left chosen but not in use
        form.DBType = QStringLiteral("日期");
        form.DBDateStyle = 4;
        addPrintStrings(form, document, surface);

        ASSERT_EQ(document.objects.size(), 6) << g.gap;
        const Tshape& last = document.objects.last();
        EXPECT_EQ(last.printLeft, 15 + 2 * 200) << "pitches between anchors";
        EXPECT_EQ(last.printTop, 100);
        EXPECT_EQ(last.fontName, QStringLiteral("黑体"));
        EXPECT_EQ(last.printSize, 16);
        EXPECT_EQ((QList<int>{last.bold, last.italic, last.underLine, last.strikeOut}), (QList<int>{1, 0, 1, 0}));
        EXPECT_EQ(last.strGap, g.stored) << g.gap;
        EXPECT_EQ(last.serialNo, 2);
        EXPECT_TRUE(last.DBField.isEmpty());
        EXPECT_EQ(last.DBType, QStringLiteral("日期"));
        EXPECT_EQ(last.DBDateStyle, 4);
    }
}

TEST(PrintStringForm, ANumberThatFailsLeavesTheLabelAndItsUndoPoint)
{
    QImage surface(10, 10, QImage::Format_RGB32);
    Tobject document;
    PrintStringForm form;
    addPrintStrings(form, document, surface);
    const ShapeList objects = document.objects;
    const ShapeList undo = document.undoList;
    document.modified = false;
    for (QString PrintStringForm::*field : {&PrintStringForm::serial, &PrintStringForm::strGap, &PrintStringForm::widthFactor}) {
        PrintStringForm bad;
        bad.*field = QStringLiteral("abc");
        EXPECT_THROW(addPrintStrings(bad, document, surface), ConversionError);
        EXPECT_EQ(document.objects, objects);
        EXPECT_EQ(document.undoList, undo);
        EXPECT_FALSE(document.modified);
    }
}

TEST(PrintStringForm, PresetKeepsThePitchesAndTheFont)
{
    PrintStringForm form;
    form.str = QStringLiteral("old");
    form.copies = {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("8"), false, true, true};
    form.font.size = 30;
    form.record = {true, QStringLiteral("批号")};
    presetPrintString(form);
    EXPECT_EQ(form.str, QStringLiteral("12345678"));
    EXPECT_EQ((QStringList{form.copies.columns, form.copies.rows, form.copies.columnGap, form.copies.rowGap}),
              (QStringList{"1", "1", "7", "8"}));
    EXPECT_TRUE(form.copies.countsEnabled);
    EXPECT_FALSE(form.copies.columnGapEnabled || form.copies.rowGapEnabled);
    EXPECT_EQ(form.font.size, 30);
    EXPECT_FALSE(form.record.use);
    EXPECT_TRUE(form.record.column.isEmpty());
}

// The label file keeps the record type as "文本" or "日期" whatever language the dialog speaks:
// the print job tells a date column by that text.
TEST(PrintStringDialog, TheRecordTypeIsStoredAsTheLabelFileKeepsIt)
{
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/marlune_en.qm")));
    QCoreApplication::installTranslator(&english);
    {
        TfrmPrintString dialog;
        for (const char* stored : {"日期", "文本"}) {
            PrintStringForm form;
            form.DBType = QString::fromUtf8(stored);
            dialog.showForm(form);
            EXPECT_EQ(dialog.form().DBType, form.DBType);
        }
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cmbDBType"))->itemText(1), QStringLiteral("Date"));
    }
    QCoreApplication::removeTranslator(&english);
}

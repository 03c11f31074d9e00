#include "dialogs/MatrixCodeForms.h"
#include "dialogs/PrintBarForm.h"
#include "model/Tobject.h"

#include <gtest/gtest.h>

#include <functional>

TEST(PrintBarForm, ChecksRunInOrderWithTheTypesOwnRules)
{
    const struct {
        const char* name;
        std::function<void(PrintBarForm&)> change;
        const char* message;
    } cases[] = {
        {"defaults", [](PrintBarForm&) {}, ""},
        {"no value", [](PrintBarForm& f) { f.barValue.clear(); f.barHeight.clear(); }, "条码字符不能为空！"},
        {"no bar width", [](PrintBarForm& f) { f.barWidth.clear(); f.barHeight.clear(); }, "条码宽度不能为空！"},
        {"no height", [](PrintBarForm& f) { f.barHeight.clear(); f.selfAdd.clear(); }, "条码高度不能为空！"},
        {"no step", [](PrintBarForm& f) { f.selfAdd.clear(); f.left = QStringLiteral("-1"); }, "自增不能为空！"},
        {"EAN13 of 13 digits", [](PrintBarForm& f) { f.barType = QStringLiteral("EAN13"); f.barValue = QStringLiteral("1234567890128"); f.left = QStringLiteral("-1"); }, "EAN13条码字符长度必须等于12位！"},
        {"EAN13 named in lower case", [](PrintBarForm& f) { f.barType = QStringLiteral("ean13"); f.barValue = QStringLiteral("123"); }, "EAN13条码字符长度必须等于12位！"},
        {"EAN13 of 12 digits", [](PrintBarForm& f) { f.barType = QStringLiteral("EAN13"); f.barValue = QStringLiteral("123456789012"); }, ""},
        {"EAN8 of any length", [](PrintBarForm& f) { f.barType = QStringLiteral("EAN8"); f.barValue = QStringLiteral("123"); }, ""},
        {"left at the edge", [](PrintBarForm& f) { f.left = QStringLiteral("0"); }, ""},
        {"left just off the label", [](PrintBarForm& f) { f.left = QStringLiteral("-0.5"); f.top = QStringLiteral("x"); }, "横坐标必须输入正数！"},
        {"left no number", [](PrintBarForm& f) { f.left = QStringLiteral("1o"); }, "横坐标必须输入正数！"},
        {"top", [](PrintBarForm& f) { f.top = QStringLiteral("-3"); f.barHeight = QStringLiteral("x"); }, "纵坐标必须输入正数！"},
        {"height no number", [](PrintBarForm& f) { f.barHeight = QStringLiteral("1O"); f.selfAdd = QStringLiteral("x"); }, "条码高度必须输入数值！"},
        {"height below 0", [](PrintBarForm& f) { f.barHeight = QStringLiteral("-1"); }, "条码高度必须输入正数！"},
        {"height 0", [](PrintBarForm& f) { f.barHeight = QStringLiteral("0"); }, ""},
        {"step not whole", [](PrintBarForm& f) { f.selfAdd = QStringLiteral("1.5"); }, "自增必须输入整数！"},
        {"bar width from elsewhere", [](PrintBarForm& f) { f.barWidth = QStringLiteral("0"); }, "条码宽度必须输入正整数！"},
        {"gap", [](PrintBarForm& f) { f.strGap = QStringLiteral("x"); f.yOffset = QStringLiteral("x"); }, "字间距必须输入数值！"},
        {"width scale", [](PrintBarForm& f) { f.widthFactor = QStringLiteral("x"); }, "宽度缩放必须输入数值！"},
        {"height scale", [](PrintBarForm& f) { f.heightFactor = QStringLiteral(""); }, "高度缩放必须输入数值！"},
        {"offsets", [](PrintBarForm& f) { f.xOffset = QStringLiteral("x"); }, "水平偏移必须输入数值！"},
        {"vertical offset", [](PrintBarForm& f) { f.yOffset = QStringLiteral("x"); }, "垂直偏移必须输入数值！"},
    };
    for (const auto& c : cases) {
        PrintBarForm form;
        c.change(form);
        EXPECT_EQ(printBarProblem(form), QString::fromUtf8(c.message)) << c.name;
    }
}

TEST(PrintBarForm, WideBarFollowsTheRatio)
{
    const struct {
        int narrow;
        int ratio;
        int wide;
    } cases[] = {{3, 0, 6}, {3, 1, 9}, {3, 2, 7}, {2, 2, 5}, {15, 2, 37}};
    for (const auto& c : cases)
        EXPECT_EQ(wideBarWidth(c.narrow, c.ratio), c.wide) << c.narrow << " ratio " << c.ratio;
}

TEST(PrintBarForm, AddsTheBarcodeWithItsReadableLine)
{
    const struct {
        const char* type;
        bool star;
    } cases[] = {{"CODE39(standard)", true}, {"CODE128(with auto code)", true}, {"CODE39(full ASCII)", false}};
    for (const auto& c : cases) {
        Tobject document;
        PrintBarForm form;
        form.barType = QString::fromLatin1(c.type);
        form.barWidth = QStringLiteral("3");
        form.wideBarRatio = 2;
        form.barHeight = QStringLiteral("12.35");
        form.left = QStringLiteral("5.5");
        form.selfAdd = QStringLiteral("-1");
        form.if39Star = c.star;
        form.font = {QStringLiteral("黑体"), 14, false, true, false, true};
        form.strGap = QStringLiteral("0.5");
        form.xOffset = QStringLiteral("-1.5");
        form.record = {true, QStringLiteral("编号")};
        addPrintBar(form, document);

        ASSERT_EQ(document.objects.size(), 1) << c.type;
        const Tshape& bar = document.objects[0];
        EXPECT_EQ(bar.barType, form.barType);
        EXPECT_EQ(bar.printLeft, 55);
        EXPECT_EQ(bar.barHeight, 123) << "typed tenths are kept as typed";
        EXPECT_EQ(bar.wideBarWidth, 7) << "5:2 of a narrow bar of 3";
        EXPECT_EQ(bar.selfAdd, -1);
        EXPECT_EQ(bar.displayCode, 2);
        EXPECT_EQ(bar.alignMode, 2);
        EXPECT_EQ(bar.if39Star, c.star ? 1 : 0) << "stored for every type; only Code 39 shows it";
        EXPECT_EQ(bar.fontSize, 14.0f);
        EXPECT_EQ((QList<int>{bar.bold, bar.italic, bar.underLine, bar.strikeOut}), (QList<int>{0, 1, 0, 1}));
        EXPECT_EQ(bar.strGap, 0.5f) << "millimetres, not whole pixels";
        EXPECT_EQ(bar.xOffset, -1.5f);
        EXPECT_EQ(bar.DBField, QStringLiteral("编号"));
    }
}

namespace {

enum class Code { QR, DataMatrix, Pdf417 };

template <typename Form>
Form codeForm(const char* value, const char* left, const char* top)
{
    Form form;
    form.barValue = QString::fromLatin1(value);
    form.left = QString::fromLatin1(left);
    form.top = QString::fromLatin1(top);
    return form;
}

QString problemOf(Code code, const char* value, const char* module, const char* left, const char* top)
{
    switch (code) {
    case Code::QR: {
        auto form = codeForm<PrintQRBarForm>(value, left, top);
        form.barWidth = QString::fromLatin1(module);
        return printQRBarProblem(form);
    }
    case Code::DataMatrix: {
        auto form = codeForm<PrintDataMatrixForm>(value, left, top);
        form.barWidth = QString::fromLatin1(module);
        return printDataMatrixProblem(form);
    }
    case Code::Pdf417:
        return printPdf417BarProblem(codeForm<PrintPdf417BarForm>(value, left, top));
    }
    return {};
}

} // namespace

TEST(MatrixCodeForms, ChecksNameTheFirstFieldAtFault)
{
    const struct {
        Code code;
        const char* value;
        const char* module; // not asked by PDF417
        const char* left;
        const char* top;
        const char* message;
    } cases[] = {
        {Code::QR, "", "", "-1", "", "条码字符不能为空！"},
        {Code::QR, "a", "", "-1", "", "条码宽度不能为空！"},
        {Code::QR, "a", "52", "-1", "", "横坐标必须输入正数！"},
        {Code::QR, "a", "1", "0", "", "纵坐标必须输入正数！"},
        {Code::QR, "a", "1", "0", "0", ""},
        // A module of no dots draws nothing: refused like the empty entry.
        {Code::DataMatrix, "a", "0", "0", "0", "条码宽度不能为空！"},
        {Code::DataMatrix, "a", "", "0", "0", "条码宽度不能为空！"},
        {Code::DataMatrix, "a", "1", "0", "-2", "纵坐标必须输入正数！"},
        {Code::DataMatrix, "a", "1", "0", "0", ""},
        {Code::Pdf417, "", "", "x", "0", "条码字符不能为空！"},
        {Code::Pdf417, "a", "", "x", "0", "横坐标必须输入正数！"},
        {Code::Pdf417, "a", "", "10", "10", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(problemOf(c.code, c.value, c.module, c.left, c.top), QString::fromUtf8(c.message))
            << int(c.code) << " value '" << c.value << "' module '" << c.module << "' at " << c.left << ", " << c.top;
    }
}

TEST(MatrixCodeForms, Pdf417KeepsListPositionsWhereTheLabelFileDoes)
{
    const PrintPdf417BarForm defaults;
    const QStringList widths = pdf417WidthEntries();
    const QStringList columns = pdf417ColumnEntries();
    EXPECT_EQ(widths.value(defaults.barWidth), QStringLiteral("02"));
    EXPECT_EQ(columns.value(defaults.barColumn), QStringLiteral("10"));
    EXPECT_EQ(pdf417LevelEntries().value(defaults.barLevel), QStringLiteral("02"));

    Tobject document;
    PrintPdf417BarForm form;
    form.barHeight = QStringLiteral("37");
    form.barColumn = columns.indexOf(QStringLiteral("30"));
    form.barLevel = 8;
    addPrintPdf417Bar(form, document);
    ASSERT_EQ(document.objects.size(), 1);
    const Tshape& code = document.objects[0];
    EXPECT_EQ(code.barWidth, 1) << "\"02\" is stored as its position";
    EXPECT_EQ(code.barColumn, 29) << "\"30\" columns are stored as 29";
    EXPECT_EQ(code.barLevel, 8);
    EXPECT_EQ(code.barHeight, 37) << "the height is the number shown";
    EXPECT_EQ((QList<int>{code.printLeft, code.printTop}), (QList<int>{100, 100}));
}

TEST(PrintObjectForms, TheSampleTakesOnlySizesItCanShow)
{
    const struct {
        const char* text;
        std::optional<int> size;
    } cases[] = {{"12", 12}, {" 14 ", 14}, {"1", 1}, {"1000", 1000}, {"0", {}}, {"-8", {}},
                 {"", {}}, {"1", 1}, {"1.", {}}, {"1001", {}}, {"99999999999", {}}, {"abc", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(sampleFontSize(QString::fromLatin1(c.text)), c.size) << c.text;
}

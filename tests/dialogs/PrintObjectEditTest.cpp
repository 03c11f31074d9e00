#include "dialogs/EditStringForm.h"
#include "dialogs/ObjectEdit.h"
#include "dialogs/PrintObjectEdits.h"
#include "model/ConversionError.h"
#include "model/LabelSettings.h"
#include "model/Tobject.h"
#include "view/TextObjects.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage surface()
{
    return QImage(400, 400, QImage::Format_RGB32);
}

Tobject zoomedLabel()
{
    Tobject document;
    document.dpi = 96;
    document.zoom = 2;
    return document;
}

// A text, symbol or code as its create command adds it from the form.
template <typename Form>
Tshape created(const Form& form, void (*add)(const Form&, Tobject&))
{
    Tobject document = zoomedLabel();
    add(form, document);
    return document.objects.value(0);
}

Tshape createdText(const PrintStringForm& form)
{
    Tobject document = zoomedLabel();
    const QImage image = surface();
    addPrintStrings(form, document, image);
    return document.objects.value(0);
}

void writeText(const PrintStringForm& form, Tshape& shape, const Tobject& document)
{
    writePrintStringEdit(form, shape, document, surface());
}

// One row: a record created from a form, filled into a fresh form, one field retyped and
// written back must give exactly the record the retyped form would have been created as:
// every field survives the dialog's display formats, and the box is measured anew.
struct Row {
    const char* name;
    Tshape before;
    std::function<void(Tshape&, const Tobject&)> edit;
    Tshape expected;
};

template <typename Form>
Row row(const char* name, Form form, std::function<void(Form&)> change,
        void (*fill)(Form&, const Tshape&), void (*write)(const Form&, Tshape&, const Tobject&),
        std::function<Tshape(const Form&)> create)
{
    Form changed = form;
    change(changed);
    return {name, create(form),
            [=](Tshape& shape, const Tobject& document) {
                Form shown;
                fill(shown, shape);
                change(shown);
                write(shown, shape, document);
            },
            create(changed)};
}

PrintStringForm text()
{
    PrintStringForm form;
    form.name = QStringLiteral("price");
    form.left = QStringLiteral("5.5");
    form.top = QStringLiteral("7");
    form.font = {QStringLiteral("宋体"), 14, true, false, true, false};
    form.strGap = QStringLiteral("2");
    form.direction = 1;
    form.widthFactor = QStringLiteral("1.2");
    form.serial = QStringLiteral("+2");
    form.DBType = QStringLiteral("日期");
    form.DBDateStyle = 3;
    return form;
}

PrintBarForm bar()
{
    PrintBarForm form;
    form.barType = QStringLiteral("EAN13");
    form.barValue = QStringLiteral("123456789012");
    form.barWidth = QStringLiteral("3");
    form.wideBarRatio = 2; // 5:2, stored as 7 dots
    form.barHeight = QStringLiteral("12.5");
    form.left = QStringLiteral("20");
    form.displayCode = 1;
    form.selfAdd = QStringLiteral("-1");
    form.beginStr = QStringLiteral("<");
    form.strGap = QStringLiteral("0.25");
    form.heightFactor = QStringLiteral("0.8");
    form.alignMode = 3;
    form.xOffset = QStringLiteral("1.5");
    form.record = {true, QStringLiteral("code")};
    return form;
}

PrintPdf417BarForm pdf417()
{
    PrintPdf417BarForm form;
    form.barWidth = 2;
    form.barColumn = 5;
    form.barLevel = 3;
    form.barHeight = QStringLiteral("20");
    form.direction = 2;
    return form;
}

} // namespace

TEST(PrintObjectEdit, EachKindComesBackAsItsCreateCommandWouldMakeIt)
{
    PrintQRBarForm qr;
    qr.barLevel = 2;
    qr.barWidth = QStringLiteral("5");
    qr.direction = 3;
    const Row rows[] = {
        row<PrintStringForm>("text", text(), [](PrintStringForm& f) { f.str = QStringLiteral("ABC"); },
                             fillPrintStringEdit, writeText, createdText),
        row<PrintBarForm>("barcode value", bar(), [](PrintBarForm& f) { f.barValue = QStringLiteral("210987654321"); },
                          fillPrintBarEdit, writePrintBarEdit, [](const PrintBarForm& f) { return created(f, addPrintBar); }),
        row<PrintQRBarForm>("QR value", qr, [](PrintQRBarForm& f) { f.barValue = QStringLiteral("a longer value"); },
                            fillPrintQRBarEdit, writePrintQRBarEdit,
                            [](const PrintQRBarForm& f) { return created(f, addPrintQRBar); }),
        row<PrintDataMatrixForm>("Data Matrix module", {}, [](PrintDataMatrixForm& f) { f.barWidth = QStringLiteral("6"); },
                                 fillPrintDataMatrixEdit, writePrintDataMatrixEdit,
                                 [](const PrintDataMatrixForm& f) { return created(f, addPrintDataMatrix); }),
        row<PrintPdf417BarForm>("PDF417 value", pdf417(), [](PrintPdf417BarForm& f) { f.barValue = QStringLiteral("XYZ"); },
                                fillPrintPdf417BarEdit, writePrintPdf417BarEdit,
                                [](const PrintPdf417BarForm& f) { return created(f, addPrintPdf417Bar); }),
    };
    for (const Row& r : rows) {
        ASSERT_FALSE(r.before.Type.isEmpty()) << r.name;
        Tobject document = zoomedLabel();
        Tshape before = r.before;
        before.Selected = false;
        before.ifPrint = false;
        document.objects = {before};
        commitEdit(document, 0, [&](Tshape& shape) { r.edit(shape, document); });
        Tshape expected = r.expected;
        expected.Selected = false;
        expected.ifPrint = false;
        EXPECT_EQ(document.objects[0], expected) << r.name;
        EXPECT_NE(document.objects[0], before) << r.name << ": the change arrived";
        EXPECT_EQ(document.undoList.value(0), before) << r.name;
    }
}

TEST(PrintObjectEdit, BarcodeRatiosAndTypesShowAsTheirListEntries)
{
    const struct {
        int barWidth;
        int wideBarWidth;
        const char* type;
        int ratio;
        const char* shownType;
    } rows[] = {
        {3, 7, "ean13", 2, "EAN13"},   // 2.33: 5:2
        {2, 6, "CODE93", 1, "CODE93"}, // 3:1
        {2, 4, "code39(STANDARD)", 0, "CODE39(standard)"},
        {2, 5, "UPC-A", 2, "UPC-A"},   // 2.5: 5:2
        {0, 4, "UPC-E", 0, "UPC-E"},   // no narrow bar: no ratio to divide, 2:1
    };
    for (const auto& r : rows) {
        Tshape shape = makeShape(ShapeKind::PrintBar);
        shape.barWidth = r.barWidth;
        shape.wideBarWidth = r.wideBarWidth;
        shape.barType = QString::fromLatin1(r.type);
        PrintBarForm form;
        fillPrintBarEdit(form, shape);
        EXPECT_EQ(form.wideBarRatio, r.ratio) << r.type;
        EXPECT_EQ(form.barType, QString::fromLatin1(r.shownType));
    }
}

// The format dialog writes the gap with decimals; the text dialog must read it and keep it.
TEST(PrintObjectEdit, AGapTheFormatDialogSetSurvivesTheTextDialog)
{
    Tobject document = zoomedLabel();
    Tshape shape = createdText(text());
    shape.strGap = 0.5f;
    document.objects = {shape};
    PrintStringForm form;
    fillPrintStringEdit(form, shape);
    EXPECT_EQ(form.strGap, QStringLiteral("0.500"));
    LabelSettings label;
    EXPECT_TRUE(printStringProblem(form, label).ok());
    commitEdit(document, 0, [&](Tshape& edited) { writeText(form, edited, document); });
    EXPECT_FLOAT_EQ(document.objects[0].strGap, 0.5f);
}

TEST(EditString, SeveralTextsTakeOneFontFilledFromTheFirstSelectedText)
{
    Tobject document = zoomedLabel();
    Tshape rect = makeShape(ShapeKind::PrintRect);
    PrintStringForm other = text();
    other.str = QStringLiteral("unselected");
    Tshape unselected = createdText(other);
    unselected.Selected = false;
    document.objects = {rect, unselected, createdText(text()), createdText(text()), createdText(text())};
    document.objects[2].direction = 0;
    document.objects[3].printLeft = 300;
    document.current = 0; // the rectangle under the pointer, not selected

    EditStringForm form;
    fillEditStringForm(form, document);
    EXPECT_EQ(form.sampleText, QStringLiteral("12345678"));
    EXPECT_EQ(form.font, (FontSample{QStringLiteral("宋体"), 14, true, false, true, false}));
    EXPECT_EQ(form.direction, 0);
    EXPECT_EQ(form.strGap, QStringLiteral("2.000"));

    form.font = {QStringLiteral("黑体"), 16};
    form.strGap = QStringLiteral("1");
    const QImage image = surface();
    applyEditString(form, document, image);
    // 1 mm at 96 dots per inch: 3 pixels after each character.
    const QSize extent = measureTextExtent(QStringLiteral("12345678"), QStringLiteral("黑体"), 32, 3, image);
    for (int i = 2; i < 5; ++i) {
        const Tshape& edited = document.objects[i];
        EXPECT_EQ(edited.fontName, QStringLiteral("黑体")) << i;
        EXPECT_EQ(edited.printSize, 16) << i;
        EXPECT_FLOAT_EQ(edited.fontSize, 32) << i;
        EXPECT_EQ(edited.bold, 0) << i;
        EXPECT_FLOAT_EQ(edited.strGap, 1) << i;
        EXPECT_EQ(edited.Left, document.ToPixels(edited.printLeft)) << i;
        EXPECT_EQ(edited.Right - edited.Left, static_cast<int>(static_cast<long double>(1.2f) * extent.width())) << i;
    }
    EXPECT_EQ(document.objects[1].fontName, QStringLiteral("宋体")) << "only selected texts";
    EXPECT_EQ(document.undoList.size(), 5);

    // A gap that is no number is refused in the dialog and changes nothing.
    form.strGap = QStringLiteral("1,5");
    EXPECT_EQ(editStringProblem(form), QStringLiteral("字间距必须输入数值！"));
    const ShapeList before = document.objects;
    EXPECT_THROW(applyEditString(form, document, image), ConversionError);
    EXPECT_EQ(document.objects, before);
}

#include "dialogs/CutBoxForms.h"
#include "dialogs/LineForms.h"
#include "dialogs/ObjectEdit.h"
#include "dialogs/PrintBoxForms.h"
#include "dialogs/RoundRectForms.h"
#include "model/ConversionError.h"
#include "model/Tobject.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// At 127 dots per inch and zoom 1 a pixel is two tenths of a millimetre: ToPixels(301) is 151.
Tobject halfScale()
{
    Tobject document;
    document.dpi = 127;
    document.zoom = 1;
    return document;
}

using testing_support::placedShape;

Tshape roundRect()
{
    Tshape shape = placedShape(ShapeKind::CutRoundRect, 100, 100, 400, 300);
    shape.printR = 20;
    shape.gapPos = 1;
    shape.gapDistance = 50;
    shape.gapLenth = 20;
    return shape;
}

Tshape arc()
{
    Tshape shape = makeShape(ShapeKind::CutArc);
    shape.CenterX = shape.CenterY = 200;
    shape.Radiu = 80;
    shape.SAngle = 0;
    shape.EAngle = 90;
    shape.startDown = shape.endUp = 1;
    return shape;
}

// A cut line from bottom-right to top-left.
Tshape backLine()
{
    Tshape shape = makeShape(ShapeKind::CutLine);
    shape.startX = shape.startY = 200;
    shape.endX = shape.endY = 100;
    shape.direction = 2;
    return shape;
}

// Fills the form from the record, lets change retype a field, and writes the form back.
template <typename Form>
std::function<void(Tshape&, const Tobject&)> editing(void (*fill)(Form&, const Tshape&),
                                                    std::function<void(Form&)> change,
                                                    void (*write)(const Form&, Tshape&, const Tobject&))
{
    return [=](Tshape& shape, const Tobject& document) {
        Form form;
        fill(form, shape);
        change(form);
        write(form, shape, document);
    };
}

void setPixels(Tshape& shape, int left, int top, int right, int bottom)
{
    shape.Left = left;
    shape.Top = top;
    shape.Right = right;
    shape.Bottom = bottom;
}

} // namespace

// Every kind edited in its dialog: filled from the record, one field retyped, confirmed.
// The record changes in that field and in its boxes only; place, selection and print flag
// stay, and the change is one undo step.
TEST(ObjectEdit, EachKindWritesBackItsFieldAndBothBoxes)
{
    const struct {
        const char* name;
        Tshape before;
        std::function<void(Tshape&, const Tobject&)> edit;
        std::function<void(Tshape&)> expect; // applied to before
    } rows[] = {
        {"circle: the far edge from the unrounded sum", placedShape(ShapeKind::CutCircle, 100, 200, 450, 600),
         editing<BoxForm>(fillEditedBox, [](BoxForm& f) { f.left = "10.05"; f.width = "20.05"; }, writeEditedBox),
         [](Tshape& s) { s.printRight = 301; setPixels(s, 50, 100, 151, 300); }},
        {"cut rectangle", placedShape(ShapeKind::CutRect, 100, 200, 450, 600),
         editing<RoundedBoxForm>(fillCutRectEdit, [](RoundedBoxForm& f) { f.box.left = "12.5"; }, writeCutRectEdit),
         [](Tshape& s) { s.printLeft = 125; s.printRight = 475; setPixels(s, 63, 100, 238, 300); }},
        {"half circle radius", placedShape(ShapeKind::CutHalfCircle, 100, 200, 450, 600),
         editing<RoundedBoxForm>(fillCutHalfCircleEdit, [](RoundedBoxForm& f) { f.radius = "3.3"; }, writeCutHalfCircleEdit),
         [](Tshape& s) { s.printR = 33; s.R = 17; setPixels(s, 50, 100, 225, 300); }},
        {"picture", placedShape(ShapeKind::PrintImage, 100, 200, 450, 600),
         editing<PictureBoxForm>(fillPictureEdit, [](PictureBoxForm& f) { f.fileName = "b.bmp"; }, writePictureEdit),
         [](Tshape& s) { s.fileName = "b.bmp"; setPixels(s, 50, 100, 225, 300); }},
        {"printed rectangle made solid", placedShape(ShapeKind::PrintRect, 100, 200, 450, 600),
         editing<PrintRectForm>(fillPrintRectEdit, [](PrintRectForm& f) { f.lineWidth = "0.5"; f.solid = true; }, writePrintRectEdit),
         [](Tshape& s) { s.printLineWidth = s.lineWidth = 5; s.isSolid = 1; setPixels(s, 50, 100, 225, 300); }},
        {"rounded rectangle: the joint to the top side", roundRect(),
         editing<SegmentedRectForm>(fillCutRoundRectEdit, [](SegmentedRectForm& f) { f.side = RectSide::Top; f.upLine = "12.34"; }, writeCutRoundRectEdit),
         [](Tshape& s) { s.gapPos = 4; s.gapDistance = 123.4f; s.R = 10; setPixels(s, 50, 50, 200, 150); }},
        {"arc radius: model box around the centre", arc(),
         editing<CutArcForm>(fillCutArcEdit, [](CutArcForm& f) { f.radius = "5"; }, writeCutArcEdit),
         [](Tshape& s) {
             s.Radiu = 50;
             s.printLeft = s.printTop = 150;
             s.printRight = s.printBottom = 250;
             setPixels(s, 100, 75, 125, 100); // the quarter from 0 to 90 degrees, upwards
         }},
        {"cut line: start and end x swapped", backLine(),
         editing<CutLineForm>(fillCutLineEdit, [](CutLineForm& f) { std::swap(f.startX, f.endX); }, writeCutLineEdit),
         [](Tshape& s) {
             s.startX = 100;
             s.endX = 200;
             s.direction = 3; // now from bottom-left to top-right
             s.printLeft = s.printTop = 100;
             s.printRight = s.printBottom = 200;
             setPixels(s, 50, 50, 100, 100);
         }},
        {"printed line: the end moved up", [] { Tshape s = placedShape(ShapeKind::PrintLine, 100, 100, 300, 200); s.lineWidth = 3; return s; }(),
         editing<PrintLineForm>(fillPrintLineEdit, [](PrintLineForm& f) { f.endY = "5"; }, writePrintLineEdit),
         [](Tshape& s) { s.printTop = 50; s.printBottom = 100; s.direction = 3; setPixels(s, 50, 25, 150, 50); }},
    };
    for (const auto& row : rows) {
        Tobject document = halfScale();
        Tshape before = row.before;
        before.ifPrint = false;
        document.objects = {makeShape(ShapeKind::CutCircle), before};
        commitEdit(document, 1, [&](Tshape& shape) { row.edit(shape, document); });
        Tshape expected = before;
        row.expect(expected);
        EXPECT_EQ(document.objects[1], expected) << row.name;
        EXPECT_TRUE(document.modified) << row.name;
        ASSERT_EQ(document.undoList.size(), 2) << row.name;
        EXPECT_EQ(document.undoList[1], before) << row.name;
    }
}

// What each dialog shows of a record: millimetres as the shortest number, and the fixed
// forms of the arc, the line ends and the joint.
TEST(ObjectEdit, DialogsShowTheRecordInTheirFormats)
{
    const auto shown = [](auto fill, const Tshape& shape, auto fields) {
        typename decltype(fields)::Form form;
        fill(form, shape);
        return fields(form);
    };
    struct BoxFields {
        using Form = BoxForm;
        QString operator()(const BoxForm& f) const
        {
            return QStringList{f.left, f.top, f.width, f.height, f.copies.columns, f.copies.columnGap,
                               f.copies.countsEnabled ? "counts on" : "counts off"}.join(u' ');
        }
    };
    struct ArcFields {
        using Form = CutArcForm;
        QString operator()(const CutArcForm& f) const
        {
            return QStringList{f.centerX, f.radius, f.startAngle, f.endAngle}.join(u' ');
        }
    };
    struct RoundRectFields {
        using Form = SegmentedRectForm;
        QString operator()(const SegmentedRectForm& f) const
        {
            return QStringList{f.width, f.radius, f.leftLine, f.jointLength}.join(u' ');
        }
    };
    struct PrintLineFields {
        using Form = PrintLineForm;
        QString operator()(const PrintLineForm& f) const
        {
            return QStringList{f.startX, f.startY, f.endX, f.endY, f.lineWidth}.join(u' ');
        }
    };
    Tshape line = placedShape(ShapeKind::PrintLine, 100, 100, 300, 225);
    line.direction = 1; // from top-right to bottom-left
    line.lineWidth = 3;
    Tshape joint = roundRect();
    joint.gapLenth = 333.3f;
    const struct {
        const char* name;
        QString text;
        const char* expected;
    } rows[] = {
        {"box", shown(fillEditedBox, placedShape(ShapeKind::CutCircle, 25, 1300, 1325, 1305), BoxFields{}),
         "2.5 130 130 0.5 1 0 counts off"},
        {"arc", shown(fillCutArcEdit, arc(), ArcFields{}), "20.0000 8.0000 0.0000 90.0000"},
        {"round rectangle", shown(fillCutRoundRectEdit, joint, RoundRectFields{}), "30 2 5.00 33.33"},
        {"print line by its start corner", shown(fillPrintLineEdit, line, PrintLineFields{}), "30 10 10 22.5 0.3"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.text, QString::fromUtf8(row.expected)) << row.name;
}

TEST(ObjectEdit, AFieldThatIsNoNumberChangesNothing)
{
    const struct {
        const char* name;
        Tshape before;
        std::function<void(Tshape&, const Tobject&)> edit;
    } rows[] = {
        {"box width", placedShape(ShapeKind::CutCircle, 100, 200, 450, 600),
         editing<BoxForm>(fillEditedBox, [](BoxForm& f) { f.left = "5"; f.width = "1o"; }, writeEditedBox)},
        {"half circle radius", placedShape(ShapeKind::CutHalfCircle, 100, 200, 450, 600),
         editing<RoundedBoxForm>(fillCutHalfCircleEdit, [](RoundedBoxForm& f) { f.box.left = "5"; f.radius = "r"; }, writeCutHalfCircleEdit)},
        {"line end", backLine(),
         editing<CutLineForm>(fillCutLineEdit, [](CutLineForm& f) { f.startX = "5"; f.endY = ""; }, writeCutLineEdit)},
        {"joint delay", roundRect(),
         editing<SegmentedRectForm>(fillCutRoundRectEdit, [](SegmentedRectForm& f) { f.left = "5"; f.delayms = "0.5"; }, writeCutRoundRectEdit)},
    };
    for (const auto& row : rows) {
        Tobject document = halfScale();
        document.objects = {row.before};
        document.undoList = {makeShape(ShapeKind::CutLine), makeShape(ShapeKind::CutLine)};
        document.undoAvailable = true;
        EXPECT_THROW(commitEdit(document, 0, [&](Tshape& shape) { row.edit(shape, document); }), ConversionError)
            << row.name;
        EXPECT_EQ(document.objects[0], row.before) << row.name;
        EXPECT_EQ(document.undoList.size(), 2) << row.name << ": the previous undo point stays";
        EXPECT_FALSE(document.modified) << row.name;
    }
}

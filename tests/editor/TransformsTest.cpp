#include "editor/Transforms.h"
#include "model/MessageService.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// At 254 dots per inch and 100 % one pixel is one tenth of a millimetre.
constexpr int kDpi = 254;

Tshape boxed(ShapeKind kind, int left, int top, int right, int bottom, bool selected = true)
{
    Tshape shape = testing_support::boxedShape(kind, left, top, right, bottom);
    shape.Selected = selected;
    return shape;
}

// A text turned a quarter (printed from its bottom-left corner) or upside down (from its
// bottom-right corner).
Tshape turnedText(int direction = 2)
{
    Tshape text = boxed(ShapeKind::PrintString, 100, 100, 160, 120);
    text.direction = direction;
    text.printLeft = direction == 2 ? 160 : 100;
    text.printTop = 120;
    return text;
}

Tshape fullCircleArc()
{
    Tshape arc = boxed(ShapeKind::CutArc, 50, 50, 150, 150);
    arc.CenterX = 100;
    arc.CenterY = 100;
    arc.Radiu = 50;
    arc.EAngle = 360;
    return arc;
}

Tshape cutLine()
{
    Tshape line = boxed(ShapeKind::CutLine, 40, 50, 100, 80);
    line.startX = 100;
    line.startY = 50;
    line.endX = 40;
    line.endY = 80;
    return line;
}

Tobject labelWith(const ShapeList& objects)
{
    Tobject document;
    document.Reset(200, 100, kDpi, 1.0f);
    document.objects = objects;
    return document;
}

// Model box, then pixel box, then whether selected.
using Placed = std::tuple<int, int, int, int, int, int, int, int, bool>;

Placed placed(const Tshape& s)
{
    return {s.printLeft, s.printTop, s.printRight, s.printBottom, s.Left, s.Top, s.Right, s.Bottom, s.Selected};
}

Placed at(int left, int top, int right, int bottom, bool selected = true)
{
    return {left, top, right, bottom, left, top, right, bottom, selected};
}

} // namespace

TEST(Transform, CopiesAndMovesTheSelection)
{
    const struct {
        const char* name;
        ShapeList objects;
        float dx, dy;
        Placement placement;
        TransformAction action;
        QList<Placed> expected;
        QString message;
    } cases[] = {
        {"a relative copy is added selected, the source deselected", {boxed(ShapeKind::CutRect, 50, 50, 150, 150)},
         100, 0, Placement::Relative, TransformAction::Copy, {at(50, 50, 150, 150, false), at(150, 50, 250, 150)}, {}},
        {"an absolute move puts every top-left corner there",
         {boxed(ShapeKind::CutRect, 50, 50, 150, 150), boxed(ShapeKind::CutCircle, 20, 30, 80, 110)},
         0, 0, Placement::Absolute, TransformAction::Move, {at(0, 0, 100, 100), at(0, 0, 60, 80)}, {}},
        {"unselected objects stay",
         {boxed(ShapeKind::CutRect, 50, 50, 150, 150, false), boxed(ShapeKind::CutCircle, 20, 30, 80, 110)},
         -10, 5, Placement::Relative, TransformAction::Move,
         // A step to the left is a pixel shorter on screen: pixels round half up.
         {at(50, 50, 150, 150, false), {10, 35, 70, 115, 11, 35, 71, 115, true}}, {}},
        {"a turned text keeps the corner it is printed from under its box", {turnedText()},
         10, 20, Placement::Absolute, TransformAction::Move, {{70, 40, 10, 20, 10, 20, 70, 40, true}}, {}},
        {"a text turned a quarter likewise", {turnedText(1)},
         10, 20, Placement::Absolute, TransformAction::Move, {{10, 40, 70, 20, 10, 20, 70, 40, true}}, {}},
        {"a full circle is drawn around the centre it is cut around", {fullCircleArc()},
         60, 70, Placement::Absolute, TransformAction::Move, {{10, 20, 110, 120, 10, 20, 110, 120, true}}, {}},
        {"a cut line's leftmost and topmost ends go to the position", {cutLine()},
         10, 10, Placement::Absolute, TransformAction::Move, {at(10, 10, 70, 40)}, {}},
        {"left of the label", {boxed(ShapeKind::CutRect, 50, 50, 150, 150)},
         -10, 0, Placement::Absolute, TransformAction::Move, {at(50, 50, 150, 150)}, QStringLiteral("水平位置必须大于0！")},
        {"above the label", {boxed(ShapeKind::CutRect, 50, 50, 150, 150)},
         10, -10, Placement::Absolute, TransformAction::Copy, {at(50, 50, 150, 150)}, QStringLiteral("垂直位置必须大于0！")},
    };
    for (const auto& c : cases) {
        RecordingMessageService messages;
        Tobject document = labelWith(c.objects);
        Transform(document, c.dx, c.dy, c.placement, c.action);
        QList<Placed> result;
        for (const Tshape& shape : document.objects)
            result.append(placed(shape));
        EXPECT_EQ(result, c.expected) << c.name;
        EXPECT_EQ(testing_support::messageTexts(messages),
                  c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.name;
        EXPECT_EQ(document.undoAvailable, c.message.isEmpty()) << c.name;
    }
}

TEST(Transform, ACopyIsNamelessEnabledAndCarriesItsGeometry)
{
    Tobject document = labelWith({cutLine(), fullCircleArc()});
    document.objects[0].name = QStringLiteral("outline");
    document.objects[0].ifPrint = false;
    Transform(document, 5, -5, Placement::Relative, TransformAction::Copy);
    ASSERT_EQ(document.objects.size(), 4);
    const Tshape& line = document.objects[2];
    EXPECT_TRUE(line.name.isEmpty());
    EXPECT_TRUE(line.ifPrint);
    EXPECT_EQ(std::tuple(line.startX, line.startY, line.endX, line.endY), std::tuple(105.f, 45.f, 45.f, 75.f));
    EXPECT_EQ(std::tuple(document.objects[3].CenterX, document.objects[3].CenterY), std::tuple(105.0, 95.0));
}

TEST(Transform, TypedFieldsThatAreNoNumbersDoNothing)
{
    const struct {
        const char* x;
        const char* y;
        bool ran;
        int left;
    } cases[] = {
        {"10", "0", true, 150}, {"1.25", "0", true, 62}, {"abc", "0", false, 50}, {"10", "", false, 50},
    };
    for (const auto& c : cases) {
        Tobject document = labelWith({boxed(ShapeKind::CutRect, 50, 50, 150, 150)});
        EXPECT_EQ(TransformTyped(document, QString::fromLatin1(c.x), QString::fromLatin1(c.y), Placement::Relative,
                                 TransformAction::Move),
                  c.ran)
            << c.x;
        EXPECT_EQ(document.objects[0].printLeft, c.left) << c.x;
    }
}

TEST(Align, LinesTheSelectionUpWithTheReference)
{
    // The reference, selected last, is 8 mm wide and 4 mm high; the other 5 mm by 2 mm.
    const struct {
        const char* name;
        AlignMode mode;
        AlignReference reference;
        int lastClicked;
        Placed reference_;
        Placed other;
    } cases[] = {
        {"left", AlignMode::Left, AlignReference::LastClicked, 0, at(0, 0, 80, 40), at(0, 100, 50, 120)},
        {"centre: 40 less half of 50", AlignMode::Centre, AlignReference::LastClicked, 0, at(0, 0, 80, 40), at(15, 100, 65, 120)},
        {"right", AlignMode::Right, AlignReference::LastClicked, 0, at(0, 0, 80, 40), at(30, 100, 80, 120)},
        {"top", AlignMode::Top, AlignReference::LastClicked, 0, at(0, 0, 80, 40), at(100, 0, 150, 20)},
        {"middle", AlignMode::Middle, AlignReference::LastClicked, 0, at(0, 0, 80, 40), at(100, 10, 150, 30)},
        {"bottom", AlignMode::Bottom, AlignReference::LastClicked, 0, at(0, 0, 80, 40), at(100, 20, 150, 40)},
        {"to the label's left edge, the last selected too", AlignMode::Left, AlignReference::Label, 1,
         at(0, 0, 80, 40), at(0, 100, 50, 120)},
        {"centred on the label", AlignMode::Centre, AlignReference::Label, 1, at(60, 0, 140, 40), at(75, 100, 125, 120)},
        {"to the label's bottom", AlignMode::Bottom, AlignReference::Label, 1, at(0, 60, 80, 100), at(100, 80, 150, 100)},
        {"to the label with nothing selected last", AlignMode::Right, AlignReference::Label, -1,
         at(120, 0, 200, 40), at(150, 100, 200, 120)},
        {"by the object selected last when there is none", AlignMode::Left, AlignReference::LastClicked, -1,
         at(0, 0, 80, 40), at(100, 100, 150, 120)},
    };
    for (const auto& c : cases) {
        Tobject document = labelWith({boxed(ShapeKind::CutRect, 0, 0, 80, 40), boxed(ShapeKind::CutRect, 100, 100, 150, 120)});
        document.lastClicked = c.lastClicked;
        Align(document, c.mode, c.reference);
        EXPECT_EQ(placed(document.objects[0]), c.reference_) << c.name;
        EXPECT_EQ(placed(document.objects[1]), c.other) << c.name;
    }
}

TEST(Align, TextsAndSymbolsTakeTheirAnchorFromTheirBox)
{
    Tobject document = labelWith({boxed(ShapeKind::CutRect, 20, 10, 80, 40), turnedText()});
    document.lastClicked = 0;
    Align(document, AlignMode::Right, AlignReference::LastClicked);
    EXPECT_EQ(placed(document.objects[1]), (Placed{80, 120, 80, 120, 20, 100, 80, 120, true}));
}

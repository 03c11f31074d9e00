#include "editor/PointerTool.h"
#include "support/TestApp.h"
#include "view/LabelRenderer.h"
#include "view/TobjectAnchoredAdd.h"

#include <QImage>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// At 254 dots per inch and 100 % one pixel is one tenth of a millimetre, so that pixel and
// model boxes read alike.
constexpr int kDpi = 254;

using testing_support::boxedShape;

Tobject labelWith(const ShapeList& objects, int width = 200, int height = 200)
{
    Tobject document;
    document.Reset(width, height, kDpi, 1.0f);
    document.objects = objects;
    return document;
}

enum class Kind { Down, Move, Up, DoubleClick };

struct Event {
    Kind kind;
    QPoint at;
    Qt::KeyboardModifiers shift = Qt::NoModifier;
};

void run(PointerTool& tool, const std::vector<Event>& events)
{
    for (const Event& event : events) {
        switch (event.kind) {
        case Kind::Down:
        case Kind::DoubleClick:
            tool.PointerDown(Qt::LeftButton, event.shift, event.at, event.kind == Kind::DoubleClick);
            break;
        case Kind::Move:
            tool.PointerMove(event.at);
            break;
        case Kind::Up:
            tool.PointerUp(event.at);
            break;
        }
    }
}

QList<int> selected(const Tobject& document)
{
    QList<int> indexes;
    for (qsizetype i = 0; i < document.objects.size(); ++i) {
        if (document.objects[i].Selected)
            indexes.append(static_cast<int>(i));
    }
    return indexes;
}

// Pixel box then model box.
using Boxes = std::tuple<int, int, int, int, int, int, int, int>;

Boxes boxesOf(const Tshape& s)
{
    return {s.Left, s.Top, s.Right, s.Bottom, s.printLeft, s.printTop, s.printRight, s.printBottom};
}

Boxes same(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom, left, top, right, bottom};
}

} // namespace

TEST(PointerTool, PicksTheSmallestObjectUnderThePointer)
{
    const Tobject document = labelWith({
        boxedShape(ShapeKind::CutRect, 10, 10, 110, 110),
        boxedShape(ShapeKind::CutCircle, 40, 40, 60, 60),
        boxedShape(ShapeKind::PrintRect, 200, 10, 300, 110),
        boxedShape(ShapeKind::CutCircle, 150, 150, 170, 170),
        boxedShape(ShapeKind::CutRect, 150, 150, 170, 170),
        boxedShape(ShapeKind::CutRoundRect, 0, 0, 3000, 3000),
    });
    const struct {
        const char* name;
        QPoint at;
        int expected;
    } cases[] = {
        {"a small object on a large one wins although earlier", {50, 50}, 1},
        {"the large one around it", {20, 20}, 0},
        {"four pixels beyond the edge still grabs", {6, 50}, 0},
        {"five pixels beyond misses", {5, 50}, -1},
        {"well inside a hollow rectangle misses it", {250, 60}, -1},
        {"near the hollow rectangle's outline", {250, 14}, 2},
        {"beside its left side", {196, 60}, 2},
        {"equal boxes: the later object, drawn on top", {160, 160}, 4},
        {"an outline larger than a million square pixels is still picked", {1500, 2998}, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ObjectAt(document, c.at.x(), c.at.y()), c.expected) << c.name;
}

TEST(PointerTool, ZonesAndTheirCursors)
{
    const struct {
        QPoint at;
        QRect box; // left, top, width, height
        GrabZone zone;
        Qt::CursorShape cursor;
    } cases[] = {
        {{10, 10}, {10, 10, 40, 20}, GrabZone::TopLeft, Qt::SizeFDiagCursor},
        {{14, 34}, {10, 10, 40, 20}, GrabZone::BottomLeft, Qt::SizeBDiagCursor},
        {{46, 6}, {10, 10, 40, 20}, GrabZone::TopRight, Qt::SizeBDiagCursor},
        {{54, 34}, {10, 10, 40, 20}, GrabZone::BottomRight, Qt::SizeFDiagCursor},
        {{15, 20}, {10, 10, 40, 20}, GrabZone::Inside, Qt::SizeAllCursor},
        {{55, 20}, {10, 10, 40, 20}, GrabZone::Outside, Qt::ArrowCursor},
        {{11, 20}, {10, 10, 0, 20}, GrabZone::Inside, Qt::SizeAllCursor}, // a line is a pixel wider
        {{12, 20}, {10, 10, 0, 20}, GrabZone::Outside, Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        const QRect& b = c.box;
        const GrabZone zone = ZoneAt(c.at.x(), c.at.y(), b.x(), b.y(), b.x() + b.width(), b.y() + b.height());
        EXPECT_EQ(zone, c.zone) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(cursorOf(zone), c.cursor) << c.at.x() << "," << c.at.y();
    }
}

TEST(PointerTool, PressesAndBandsSelect)
{
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const struct {
        const char* name;
        bool locked;
        std::vector<Event> events;
        QList<int> selected;
        int lastClicked;
    } cases[] = {
        {"a click selects one", false, {{Kind::Down, {20, 25}}, {Kind::Up, {20, 25}}}, {0}, 0},
        {"Shift adds", false, {{Kind::Down, {20, 25}}, {Kind::Up, {20, 25}}, {Kind::Down, {60, 25}, shift}, {Kind::Up, {60, 25}}}, {0, 1}, 1},
        {"Ctrl adds", false, {{Kind::Down, {20, 25}}, {Kind::Up, {20, 25}}, {Kind::Down, {60, 25}, Qt::ControlModifier}, {Kind::Up, {60, 25}}}, {0, 1}, 1},
        {"Shift takes off the last selected: the first selected becomes the reference", false,
         {{Kind::Down, {60, 25}}, {Kind::Up, {60, 25}}, {Kind::Down, {100, 25}, shift}, {Kind::Up, {100, 25}},
          {Kind::Down, {20, 25}, shift}, {Kind::Up, {20, 25}}, {Kind::Down, {20, 25}, shift}, {Kind::Up, {20, 25}}},
         {1, 2}, 1},
        {"Shift takes off another: the reference stays", false,
         {{Kind::Down, {20, 25}}, {Kind::Up, {20, 25}}, {Kind::Down, {60, 25}, shift}, {Kind::Up, {60, 25}},
          {Kind::Down, {20, 25}, shift}, {Kind::Up, {20, 25}}},
         {1}, 1},
        {"a plain click on a member keeps the selection", false,
         {{Kind::Down, {20, 25}}, {Kind::Up, {20, 25}}, {Kind::Down, {60, 25}, shift}, {Kind::Up, {60, 25}},
          {Kind::Down, {20, 25}}, {Kind::Up, {20, 25}}},
         {0, 1}, 1},
        {"a click on empty space selects nothing", false,
         {{Kind::Down, {20, 25}}, {Kind::Up, {20, 25}}, {Kind::Down, {150, 150}}, {Kind::Up, {150, 150}}}, {}, 0},
        {"a band from left to right", false, {{Kind::Down, {5, 15}}, {Kind::Move, {75, 35}}, {Kind::Up, {75, 35}}}, {0, 1}, 0},
        {"the same band from right to left", false, {{Kind::Down, {75, 35}}, {Kind::Move, {5, 15}}, {Kind::Up, {5, 15}}}, {0, 1}, 0},
        {"an object partly outside the band is left out", false, {{Kind::Down, {5, 15}}, {Kind::Up, {60, 35}}}, {0}, 0},
        {"on a locked label a press then toggles what the band encloses", true,
         {{Kind::Down, {8, 18}}, {Kind::Move, {115, 35}}, {Kind::Up, {115, 35}}}, {1, 2}, 1},
    };
    for (const auto& c : cases) {
        Tobject document = labelWith({boxedShape(ShapeKind::CutRect, 10, 20, 30, 30), boxedShape(ShapeKind::CutRect, 50, 20, 70, 30),
                                      boxedShape(ShapeKind::CutRect, 90, 20, 110, 30)});
        document.labelLock = c.locked ? 1 : 0;
        PointerTool tool(document);
        run(tool, c.events);
        EXPECT_EQ(selected(document), c.selected) << c.name;
        EXPECT_EQ(document.lastClicked, c.lastClicked) << c.name;
        EXPECT_EQ(boxesOf(document.objects[0]), same(10, 20, 30, 30)) << c.name << ": nothing moves";
        EXPECT_EQ(tool.state(), PointerTool::State::Idle) << c.name;
    }
}

TEST(PointerTool, DragsMoveAndResizeWithinTheLabel)
{
    const struct {
        const char* name;
        ShapeList objects;
        std::vector<Event> events;
        QList<Boxes> expected;
    } cases[] = {
        {"a group against the left edge: each stops on its own",
         {boxedShape(ShapeKind::CutRect, 10, 10, 30, 30), boxedShape(ShapeKind::CutRect, 40, 10, 60, 30)},
         {{Kind::Down, {20, 20}}, {Kind::Up, {20, 20}}, {Kind::Down, {50, 20}, Qt::ShiftModifier},
          {Kind::Move, {35, 25}}, {Kind::Move, {20, 25}}},
         {same(10, 15, 30, 35), same(10, 15, 30, 35)}},
        {"onto the bottom edge, then no further", {boxedShape(ShapeKind::CutRect, 10, 170, 30, 190)},
         {{Kind::Down, {20, 180}}, {Kind::Move, {25, 190}}, {Kind::Move, {30, 195}}},
         {same(20, 180, 40, 200)}},
        {"onto the top-left corner", {boxedShape(ShapeKind::CutRect, 10, 10, 30, 30)},
         {{Kind::Down, {20, 20}}, {Kind::Move, {10, 10}}}, {same(0, 0, 20, 20)}},
        {"up and to the right", {boxedShape(ShapeKind::CutCircle, 50, 50, 100, 100)},
         {{Kind::Down, {75, 75}}, {Kind::Move, {85, 70}}}, {same(60, 45, 110, 95)}},
        {"top-left corner", {boxedShape(ShapeKind::CutRect, 50, 50, 100, 100)},
         {{Kind::Down, {50, 50}}, {Kind::Move, {60, 55}}}, {same(60, 55, 100, 100)}},
        {"bottom-left corner", {boxedShape(ShapeKind::CutRect, 50, 50, 100, 100)},
         {{Kind::Down, {50, 100}}, {Kind::Move, {60, 105}}}, {same(60, 50, 100, 105)}},
        {"top-right corner", {boxedShape(ShapeKind::CutRect, 50, 50, 100, 100)},
         {{Kind::Down, {100, 50}}, {Kind::Move, {110, 55}}}, {same(50, 55, 110, 100)}},
        {"bottom-right corner", {boxedShape(ShapeKind::CutRect, 50, 50, 100, 100)},
         {{Kind::Down, {100, 100}}, {Kind::Move, {110, 105}}}, {same(50, 50, 110, 105)}},
        {"a corner stops at the label edge on that axis only", {boxedShape(ShapeKind::CutRect, 50, 50, 100, 100)},
         {{Kind::Down, {50, 50}}, {Kind::Move, {-10, 55}}}, {same(50, 55, 100, 100)}},
        {"a box turned inside out is turned back and the mirrored corner drags on",
         {boxedShape(ShapeKind::CutRect, 50, 50, 100, 100)},
         {{Kind::Down, {100, 100}}, {Kind::Move, {30, 105}}, {Kind::Move, {20, 105}}}, {same(20, 50, 50, 105)}},
        {"an object made not to stretch keeps its size", {[] {
             Tshape fixed = boxedShape(ShapeKind::CutRect, 50, 50, 100, 100);
             fixed.Stretch = false;
             return fixed;
         }()},
         {{Kind::Down, {100, 100}}, {Kind::Move, {110, 105}}}, {same(50, 50, 100, 100)}},
        {"a QR code dragged by a corner ends square", {boxedShape(ShapeKind::PrintQRBar, 50, 50, 90, 80)},
         {{Kind::Move, {90, 80}}, {Kind::Down, {90, 80}}, {Kind::Move, {100, 80}}, {Kind::Up, {100, 80}}},
         {{50, 50, 80, 80, 50, 50, 100, 80}}},
    };
    for (const auto& c : cases) {
        Tobject document = labelWith(c.objects);
        PointerTool tool(document);
        run(tool, c.events);
        ASSERT_EQ(document.objects.size(), c.expected.size()) << c.name;
        for (qsizetype i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(boxesOf(document.objects[i]), c.expected[i]) << c.name << ", object " << i;
        EXPECT_TRUE(document.modified) << c.name;
    }
}

TEST(PointerTool, ASymbolThatDidNotMoveKeepsItsAnchorToTheTenth)
{
    // At 96 dots per inch a pixel is about 2.6 tenths: taken back from whole pixels, the
    // anchor at 101 would become 100.
    Tobject document;
    document.Reset(1000, 1000, 96, 1.0f);
    Tshape code = testing_support::placedShape(ShapeKind::PrintQRBar, 101, 101);
    code.Stretch = false;
    code.Left = code.Top = document.ToPixels(101);
    code.Right = code.Bottom = code.Left + 40;
    document.objects = {code};
    PointerTool tool(document);
    const QPoint corner(code.Right, code.Bottom);
    run(tool, {{Kind::Down, corner}, {Kind::Move, corner + QPoint(10, 10)}, {Kind::Up, corner + QPoint(10, 10)}});
    EXPECT_EQ(std::tuple(document.objects[0].printLeft, document.objects[0].printTop), std::tuple(101, 101));
}

TEST(PointerTool, ACutLineResizedByItsCornerCarriesTheEndOnThatCorner)
{
    Tobject document = labelWith({});
    document.AddCutLine(50, 100, 100, 50, 0, 0, 0);
    PointerTool tool(document);
    run(tool, {{Kind::Down, {50, 100}}, {Kind::Move, {40, 110}}});
    const Tshape& line = document.objects[0];
    EXPECT_EQ(std::tuple(line.startX, line.startY, line.endX, line.endY), std::tuple(40.f, 110.f, 100.f, 50.f));
    EXPECT_EQ(boxesOf(line), same(40, 50, 100, 110));
}

TEST(PointerTool, OneUndoPointPerDragAndNoneForAClick)
{
    const struct {
        const char* name;
        std::vector<Event> events;
        bool undoPoint;
    } cases[] = {
        {"a click", {{Kind::Down, {20, 20}}, {Kind::Up, {20, 20}}}, false},
        {"a move that did not move", {{Kind::Down, {20, 20}}, {Kind::Move, {20, 20}}, {Kind::Up, {20, 20}}}, false},
        {"a drag of three steps", {{Kind::Down, {20, 20}}, {Kind::Move, {25, 20}}, {Kind::Move, {30, 20}}, {Kind::Move, {35, 22}}, {Kind::Up, {35, 22}}}, true},
    };
    for (const auto& c : cases) {
        Tobject document = labelWith({boxedShape(ShapeKind::CutRect, 10, 10, 30, 30)});
        document.modified = false;
        PointerTool tool(document);
        run(tool, c.events);
        EXPECT_EQ(document.undoAvailable, c.undoPoint) << c.name;
        EXPECT_EQ(document.modified, c.undoPoint) << c.name;
        if (c.undoPoint) {
            document.Undo();
            EXPECT_EQ(boxesOf(document.objects[0]), same(10, 10, 30, 30)) << c.name << ": taken before the first step";
        }
    }
}

TEST(PointerTool, TextsResizeByWholePointsAndKeepTheirPlace)
{
    for (const int direction : {0, 1}) {
        Tobject document;
        document.Reset(1000, 1000, 96, 1.0f);
        QImage surface(400, 400, QImage::Format_RGB32);
        AddPrintStrings(document, {}, 500, 500, 1, 1, 0, 0, QStringLiteral("Label text"), direction,
                        QStringLiteral("DejaVu Sans"), 10, 0, 0, 0, 0, 0, surface, 0, 1, 1, {}, {}, 0);
        Draw(surface, document, false);
        PointerTool tool(document);
        const Tshape& text = document.objects[0];
        const QPoint corner(text.Right, text.Bottom);
        const QPoint topLeft(text.Left, text.Top);
        run(tool, {{Kind::Move, corner}, {Kind::Down, corner}, {Kind::Move, corner + QPoint(1, 1)}});
        EXPECT_EQ(text.fontSize, 10.f) << direction << ": the next point is not reached yet";
        run(tool, {{Kind::Move, corner + QPoint(300, 300)}, {Kind::Move, corner + QPoint(301, 301)}});
        EXPECT_EQ(text.fontSize, 12.f) << direction << ": one point per step";
        EXPECT_EQ(text.printSize, 12) << direction;
        run(tool, {{Kind::Move, corner - QPoint(1, 1)}, {Kind::Up, corner - QPoint(1, 1)}});
        EXPECT_EQ(text.fontSize, 11.f) << direction << ": back up and left, one point smaller";
        Draw(surface, document, false);
        EXPECT_NEAR(text.Left, topLeft.x(), 1) << direction << ": the text stays where it was";
        EXPECT_NEAR(text.Top, topLeft.y(), 1) << direction << ": the text stays where it was";
    }
}

TEST(PointerTool, ADoubleClickAsksForTheEditAndLeavesNothingPressed)
{
    Tobject document = labelWith({boxedShape(ShapeKind::CutRect, 10, 10, 30, 30)});
    PointerTool tool(document);
    QList<int> asked;
    QObject::connect(&tool, &PointerTool::editRequested, [&](int index) { asked.append(index); });
    // As the window system delivers them: press, release, press, double click, release.
    for (const QPoint at : {QPoint(100, 100), QPoint(20, 20)})
        run(tool, {{Kind::Down, at}, {Kind::Up, at}, {Kind::Down, at}, {Kind::DoubleClick, at}, {Kind::Up, at}});
    EXPECT_EQ(asked, QList<int>{0});
    EXPECT_EQ(tool.state(), PointerTool::State::Idle);
    EXPECT_EQ(selected(document), QList<int>{0});
}

TEST(PointerTool, HoverMakesTheObjectUnderThePointerCurrent)
{
    Tobject document = labelWith({boxedShape(ShapeKind::CutRect, 10, 10, 30, 30)});
    PointerTool tool(document);
    const struct {
        QPoint at;
        int current;
        bool redraw;
        Qt::CursorShape cursor;
    } steps[] = {
        {{20, 20}, 0, true, Qt::SizeAllCursor},
        {{22, 20}, 0, false, Qt::SizeAllCursor},
        {{31, 31}, 0, false, Qt::SizeFDiagCursor},
        {{100, 100}, -1, true, Qt::ArrowCursor},
    };
    for (const auto& s : steps) {
        const PointerReply reply = tool.PointerMove(s.at);
        EXPECT_EQ(document.current, s.current) << s.at.x();
        EXPECT_EQ(reply.redraw, s.redraw) << s.at.x();
        EXPECT_EQ(reply.cursor, s.cursor) << s.at.x();
    }
}

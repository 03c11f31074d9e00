#include "cutter/PathStart.h"

#include "cutter/DxfImport.h"

#include "model/MessageService.h"
#include "model/Tobject.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {

// Pieces as a drawing import leaves them: knife down at every start, up at every end.
void addLine(Tobject& document, float x1, float y1, float x2, float y2)
{
    document.AddCutLine(x1, y1, x2, y2, 1, 1, 0);
}

void select(Tobject& document, std::initializer_list<int> indexes)
{
    document.SelectAll(false);
    for (const int index : indexes)
        document.objects[index].Selected = true;
}

struct Flags {
    float startX;
    float startY;
    int startDown;
    int endUp;
    friend bool operator==(const Flags&, const Flags&) = default;
};

std::ostream& operator<<(std::ostream& out, const Flags& f)
{
    return out << "(" << f.startX << "," << f.startY << " down " << f.startDown << " up "
               << f.endUp << ")";
}

// Each line by its start point and knife flags, in list order.
std::vector<Flags> lines(const Tobject& document)
{
    std::vector<Flags> result;
    for (const Tshape& shape : document.objects)
        result.push_back({shape.startX, shape.startY, shape.startDown, shape.endUp});
    return result;
}

TEST(PathStart, SquareReorderedFromTheBottomLine)
{
    Tobject document;
    addLine(document, 0, 0, 100, 0);     // top
    addLine(document, 100, 0, 100, 100); // right
    addLine(document, 100, 100, 0, 100); // bottom
    addLine(document, 0, 100, 0, 0);     // left
    select(document, {2});
    document.modified = false;
    RecordingMessageService messages;
    EXPECT_TRUE(setPathStart(document));
    EXPECT_TRUE(messages.messages.isEmpty());
    const std::vector<Flags> expected{
        {100, 100, 1, 0}, {0, 100, 0, 0}, {0, 0, 0, 0}, {100, 0, 0, 1}};
    EXPECT_EQ(lines(document), expected);
    EXPECT_TRUE(document.modified);
    EXPECT_FALSE(document.undoAvailable) << "the reordering takes no snapshot";
}

TEST(PathStart, WrongWayLineIsTurnedWhenItJoins)
{
    Tobject document;
    addLine(document, 0, 0, 100, 0);
    addLine(document, 100, 0, 100, 100);
    addLine(document, 100, 100, 0, 100);
    addLine(document, 0, 0, 0, 100); // drawn downwards, against the path
    ASSERT_EQ(document.objects[3].direction, 0);
    select(document, {0});
    setPathStart(document);
    const Tshape& left = document.objects[3];
    EXPECT_EQ(Flags(left.startX, left.startY, left.startDown, left.endUp), Flags(0, 100, 0, 1));
    EXPECT_FLOAT_EQ(left.endY, 0);
    EXPECT_EQ(left.direction, 3) << "start corner follows the new start";
}

TEST(PathStart, ArcRunningClockwiseStartsAtItsEndAngle)
{
    Tobject document;
    addLine(document, 50, 0, 0, 0);          // meets the arc's 90° point only
    addLine(document, 100, 50, 100, 150);    // meets its 0° point
    document.AddCutArc(50, 50, 50, 0, 90, 1, 1, 1);
    select(document, {2});
    setPathStart(document);
    EXPECT_EQ(document.objects[0].Type, "cutLine");
    EXPECT_FLOAT_EQ(document.objects[0].startX, 50) << "the line before the arc did not join";
    EXPECT_EQ(document.objects[1].Type, "cutArc");
    EXPECT_EQ(document.objects[1].startDown, 1);
    EXPECT_FLOAT_EQ(document.objects[2].startX, 100);
    EXPECT_EQ(document.objects[2].startDown, 0);
}

TEST(PathStart, ArcsJoinInWhicheverDirectionMeetsTheChain)
{
    Tobject document;
    addLine(document, 0, 0, 100, 0);
    // The top-right quarter of a circle round (100, 50): its 90° point is (100, 0).
    document.AddCutArc(100, 50, 50, 0, 90, 1, 1, 0);
    select(document, {0});
    setPathStart(document);
    EXPECT_EQ(document.objects[1].direction, 1);
    EXPECT_EQ(document.objects[1].startDown, 0);
    EXPECT_EQ(document.objects[1].endUp, 0); // the chain stays open
}

TEST(PathStart, OpenChainKeepsTheKnifeDown)
{
    Tobject document;
    addLine(document, 10, 0, 20, 0); // joins the chosen line
    document.AddCutCircles(200, 200, 300, 300, 1, 1, 0, 0);
    addLine(document, 0, 0, 10, 0); // chosen
    select(document, {2});
    setPathStart(document);
    EXPECT_EQ(document.objects[0].Type, "cutCircle");
    EXPECT_EQ(Flags(document.objects[1].startX, 0, document.objects[1].startDown,
                    document.objects[1].endUp),
              Flags(0, 0, 1, 0));
    // Only a closed path lifts the knife at its end.
    EXPECT_EQ(Flags(document.objects[2].startX, 0, document.objects[2].startDown,
                    document.objects[2].endUp),
              Flags(10, 0, 0, 0));
}

TEST(PathStart, NothingToJoin)
{
    {
        // A full circle drawn as one arc: nothing joins it, so the command leaves the knife
        // down at its end.
        Tobject document;
        document.AddCutCircles(200, 200, 300, 300, 1, 1, 0, 0);
        document.AddCutArc(50, 50, 20, 0, 360, 0, 0, 0);
        select(document, {1});
        setPathStart(document);
        EXPECT_EQ(document.objects[1].startDown, 1);
        EXPECT_EQ(document.objects[1].endUp, 0);
    }
    {
        // The only object of the label is left as it is, flags included.
        Tobject document;
        document.AddCutLine(0, 0, 10, 0, 0, 0, 0);
        select(document, {0});
        const ShapeList before = document.objects;
        EXPECT_TRUE(setPathStart(document));
        EXPECT_EQ(document.objects, before);
    }
}

TEST(PathStart, OnlyOneSelectedLineOrArc)
{
    const struct {
        const char* name;
        std::initializer_list<int> selected;
    } cases[] = {
        {"two lines", {0, 1}},
        {"a circle", {2}},
        {"nothing", {}},
    };
    for (const auto& c : cases) {
        Tobject document;
        addLine(document, 0, 0, 10, 0);
        addLine(document, 10, 0, 20, 0);
        document.AddCutCircles(200, 200, 300, 300, 1, 1, 0, 0);
        select(document, c.selected);
        const ShapeList before = document.objects;
        RecordingMessageService messages;
        EXPECT_FALSE(setPathStart(document)) << c.name;
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_EQ(messages.messages[0].text, QStringLiteral("请先选择一条直线或弧线！"));
        EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(document.objects, before) << c.name;
    }
}

TEST(PathStart, PointsAHundredthOfAMillimetreApartMeet)
{
    const struct {
        float end;       // x where the chosen line ends
        float nextStart; // x where the other line starts
        bool joins;
    } cases[] = {
        {100, 100.1f, true}, {100, 99.9f, true}, {100, 100.11f, false},
        {0.1f, 0, true},      // 0.1 is not exact in a float
        {1000, 999.9f, true}, {1000, 999.89f, false},
    };
    for (const auto& c : cases) {
        Tobject document;
        addLine(document, c.end - 50, 0, c.end, 0);
        addLine(document, c.nextStart, 0, c.nextStart + 50, 0);
        select(document, {0});
        setPathStart(document);
        EXPECT_EQ(document.objects[1].startDown == 0, c.joins)
            << c.end << " to " << c.nextStart;
    }
}

TEST(PathStart, LowerListPositionWins)
{
    Tobject document;
    addLine(document, 10, 0, 10, 10); // Y: meets the chosen line's end, stands first
    addLine(document, 0, 0, 10, 0);   // chosen
    addLine(document, 10, 0, 20, 0);  // X: meets it too
    select(document, {1});
    setPathStart(document);
    EXPECT_FLOAT_EQ(document.objects[1].endY, 10) << "Y follows the chosen line";
    EXPECT_EQ(document.objects[2].startDown, 1) << "X stayed out of the chain";
}

TEST(PathStart, DoubledLinesJoinOnceAndTheCommandEnds)
{
    Tobject document;
    addLine(document, 0, 0, 10, 0); // chosen
    addLine(document, 10, 0, 20, 0);
    addLine(document, 20, 0, 10, 0); // the same line again, as imports often hold
    addLine(document, 10, 0, 20, 0);
    select(document, {0});
    setPathStart(document);
    const std::vector<Flags> expected{{0, 0, 1, 0}, {10, 0, 0, 0}, {20, 0, 0, 0}, {10, 0, 0, 0}}; // open: knife stays down
    EXPECT_EQ(lines(document), expected);
}

} // namespace

namespace {

// The example die-line: a 60 x 40 mm rounded rectangle drawn as four lines followed by its
// four corner arcs, and two holes.
TEST(PathStart, ImportedDrawingBecomesOneCutFromTheChosenLine)
{
    Tobject document;
    const DxfImportResult result =
        importDxf(document, testing_support::sourcePath(QStringLiteral("examples/die-line.dxf")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    ASSERT_EQ(document.objects.size(), 10);
    select(document, {2}); // the top line, drawn from right to left
    setPathStart(document);

    QStringList types;
    QList<int> downs;
    QList<int> ups;
    for (const Tshape& shape : document.objects) {
        types.append(shape.Type);
        downs.append(shape.startDown);
        ups.append(shape.endUp);
    }
    const QString line = QStringLiteral("cutLine");
    const QString arc = QStringLiteral("cutArc");
    const QString circle = QStringLiteral("cutCircle");
    // Top line, top-left corner, left line, ... round to the top-right corner: the pieces
    // before the top line moved up behind it; the holes stay at the end.
    EXPECT_EQ(types, (QStringList{line, arc, line, arc, line, arc, line, arc, circle, circle}));
    EXPECT_EQ(downs, (QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ups, (QList<int>{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_FLOAT_EQ(document.objects[0].startX, 550);
    EXPECT_FLOAT_EQ(document.objects[0].startY, 0);
}

} // namespace

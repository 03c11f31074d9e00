#include "model/Tobject.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

// A document holding print rectangles numbered 1..count by their printLeft, with the
// given numbers selected.
Tobject numbered(int count, std::initializer_list<int> selected)
{
    Tobject document;
    for (int n = 1; n <= count; ++n) {
        Tshape shape = makeShape(ShapeKind::PrintRect);
        shape.printLeft = n;
        document.objects.append(shape);
    }
    for (int n : selected)
        document.objects[n - 1].Selected = true;
    return document;
}

QList<int> order(const Tobject& document)
{
    QList<int> numbers;
    for (const Tshape& shape : document.objects)
        numbers << shape.printLeft;
    return numbers;
}

} // namespace

TEST(Tobject, MoveSelectedToEndKeepsRelativeOrderAndSelection)
{
    Tobject document = numbered(5, {2, 4});
    document.MoveSelectedToEnd();
    EXPECT_EQ(order(document), (QList<int>{1, 3, 5, 2, 4}));
    EXPECT_TRUE(document.objects[3].Selected);
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(document.undoList.size(), 5) << "a reorder can be undone";
}

TEST(Tobject, ListChangesWithNothingSelectedLeaveTheLabelAndItsUndoPointAlone)
{
    for (void (*change)(Tobject&) : {+[](Tobject& d) { d.MoveSelectedToEnd(); },
                                     +[](Tobject& d) { d.MoveSelectedTo(0); },
                                     +[](Tobject& d) { d.SetPrintFlag(false); }}) {
        Tobject document = numbered(3, {});
        change(document);
        EXPECT_EQ(order(document), (QList<int>{1, 2, 3}));
        EXPECT_FALSE(document.modified);
        EXPECT_FALSE(document.undoAvailable);
    }
}

TEST(Tobject, MoveSelectedToDropsTheSelectionAsOneBlock)
{
    struct Row {
        int count;
        std::initializer_list<int> selected;
        int target;
        QList<int> expected;
    };
    const Row rows[] = {
        {5, {1, 2}, 3, {3, 4, 1, 2, 5}},     // dragged down: block ends at the drop row
        {5, {4, 5}, 1, {1, 4, 5, 2, 3}},     // dragged up: block starts at the drop row
        {5, {1, 5}, 2, {2, 3, 1, 5, 4}},     // one from above, one from below
        {5, {2}, 99, {1, 3, 4, 5, 2}},       // beyond the last row: the last row
        {1, {1}, 0, {1}},                    // fewer than two objects: nothing happens
    };
    for (const Row& row : rows) {
        Tobject document = numbered(row.count, row.selected);
        document.MoveSelectedTo(row.target);
        EXPECT_EQ(order(document), row.expected) << "target " << row.target;
        EXPECT_EQ(document.SelectedCount(), row.count < 2 ? 1 : 0);
        EXPECT_EQ(document.undoAvailable, row.count >= 2);
    }
}

TEST(Tobject, SelectionQueries)
{
    Tobject document = numbered(4, {2, 3});
    EXPECT_EQ(document.SelectedCount(), 2);
    EXPECT_EQ(document.FirstSelected(), 1);
    EXPECT_FALSE(document.AllSelectedAreTexts());
    document.SelectAll(false);
    EXPECT_EQ(document.FirstSelected(), -1);
    document.SelectIndex(7); // out of range: nothing
    document.SelectIndex(3);
    EXPECT_EQ(document.FirstSelected(), 3);
}

TEST(Tobject, AllSelectedAreTextsNeedsTwoTexts)
{
    Tobject document;
    for (int i = 0; i < 3; ++i) {
        Tshape text = makeShape(ShapeKind::PrintString);
        text.Selected = i < 2;
        document.objects.append(text);
    }
    EXPECT_TRUE(document.AllSelectedAreTexts());
    document.objects[1].Selected = false;
    EXPECT_FALSE(document.AllSelectedAreTexts());
}

TEST(Tobject, SetPrintFlagTouchesSelectedOnlyAndCanBeUndone)
{
    Tobject document = numbered(3, {2});
    document.SetPrintFlag(false);
    EXPECT_TRUE(document.objects[0].ifPrint);
    EXPECT_FALSE(document.objects[1].ifPrint);
    EXPECT_TRUE(document.modified);
    document.Undo();
    EXPECT_TRUE(document.objects[1].ifPrint);
}

TEST(Tobject, DeleteSelected)
{
    Tobject document = numbered(4, {1, 3});
    document.current = 2;
    document.DeleteSelected();
    EXPECT_EQ(order(document), (QList<int>{2, 4}));
    EXPECT_EQ(document.current, -1);
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(document.undoList.size(), 4);
}

TEST(Tobject, DeleteSelectedWithNothingSelectedStillSnapshots)
{
    Tobject document = numbered(2, {});
    document.DeleteSelected();
    EXPECT_EQ(document.objects.size(), 2);
    EXPECT_TRUE(document.undoAvailable);
    EXPECT_FALSE(document.modified);
}

TEST(Tobject, DeleteOnAnEmptyLabelChangesNothing)
{
    Tobject document;
    document.DeleteAll();
    document.DeleteSelected();
    EXPECT_FALSE(document.undoAvailable);
    EXPECT_FALSE(document.modified);
}

TEST(Tobject, DeleteAllKeepsTheObjectsForUndo)
{
    Tobject document = numbered(3, {});
    document.DeleteAll();
    EXPECT_TRUE(document.objects.isEmpty());
    EXPECT_TRUE(document.modified);
    EXPECT_EQ(document.undoList.size(), 3);
}

TEST(Tobject, PositionsNeverOutliveARemovalOrReorder)
{
    // Object 3 (position 2) is selected; current names object 3, lastClicked object 4.
    const struct {
        const char* name;
        void (*operation)(Tobject&);
        int current; // -1: forgotten
        int lastClicked;
    } cases[] = {
        {"delete", [](Tobject& d) { d.DeleteSelected(); }, -1, -1},
        {"delete with nothing selected", [](Tobject& d) { d.SelectAll(false); d.DeleteSelected(); }, 2, 3},
        {"delete all", [](Tobject& d) { d.DeleteAll(); }, -1, -1},
        {"undo", [](Tobject& d) { d.TakeSnapshot(); d.Undo(); }, -1, -1},
        {"move to the end", [](Tobject& d) { d.MoveSelectedToEnd(); }, 3, 2},      // 1 2 4 3
        {"move in the list", [](Tobject& d) { d.MoveSelectedTo(0); }, 0, 3},       // 3 1 2 4
        {"move down past both", [](Tobject& d) { d.MoveSelectedTo(3); }, 3, 2},    // 1 2 4 3
        {"a new label", [](Tobject& d) { d.Reset(100, 100, 96, 1); }, -1, -1},
        {"paste appends", [](Tobject& d) { d.CopyToClipboard(); d.PasteFromClipboard(); }, 2, 3},
    };
    for (const auto& c : cases) {
        Tobject document = numbered(4, {3});
        document.current = 2;
        document.lastClicked = 3;
        c.operation(document);
        EXPECT_EQ(document.current, c.current) << c.name;
        EXPECT_EQ(document.lastClicked, c.lastClicked) << c.name;
    }
}

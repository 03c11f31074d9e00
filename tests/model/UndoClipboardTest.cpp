#include "model/Tobject.h"

#include <gtest/gtest.h>

namespace {

Tshape rect(int left, bool selected)
{
    Tshape shape = makeShape(ShapeKind::PrintRect);
    shape.printLeft = left;
    shape.printRight = left + 10;
    shape.Left = left / 2;
    shape.Selected = selected;
    return shape;
}

} // namespace

TEST(UndoClipboard, WhichOperationsTakeASnapshot)
{
    struct Row {
        const char* operation;
        void (*run)(Tobject&);
        bool snapshot;
    };
    const Row rows[] = {
        {"AddPrintRects", [](Tobject& d) { d.AddPrintRects(0, 0, 5, 5, 1, 1, 0, 0, 0, 1, 0); }, true},
        {"AddPrintLine", [](Tobject& d) { d.AddPrintLine(0, 0, 5, 5, 1); }, true},
        {"AddCutRoundRect", [](Tobject& d) { d.AddCutRoundRect(0, 0, 5, 5, 1, 0, 1, 0, 0, 0, 0); }, true},
        {"AddCutLine", [](Tobject& d) { d.AddCutLine(0, 0, 5, 5, 1, 1, 0); }, false},
        {"AddCutArc", [](Tobject& d) { d.AddCutArc(0, 0, 5, 0, 90, 1, 1, 0); }, false},
        {"DeleteSelected", [](Tobject& d) { d.DeleteSelected(); }, true},
        {"DeleteAll", [](Tobject& d) { d.DeleteAll(); }, true},
        {"PasteFromClipboard", [](Tobject& d) { d.PasteFromClipboard(); }, true},
        {"SetPrintFlag", [](Tobject& d) { d.SetPrintFlag(false); }, true},
        {"MoveSelectedToEnd", [](Tobject& d) { d.MoveSelectedToEnd(); }, true},
        {"MoveSelectedTo", [](Tobject& d) { d.MoveSelectedTo(0); }, true},
        {"SelectAll", [](Tobject& d) { d.SelectAll(true); }, false},
        {"CopyToClipboard", [](Tobject& d) { d.CopyToClipboard(); }, false},
    };
    for (const Row& row : rows) {
        Tobject document;
        document.objects = {rect(10, false), rect(20, true)};
        row.run(document);
        EXPECT_EQ(document.undoAvailable, row.snapshot) << row.operation;
    }
}

TEST(UndoClipboard, UndoRestoresOrderAndSelectionOnceOnly)
{
    Tobject document;
    document.objects = {rect(10, false), rect(20, true), rect(30, false)};
    const ShapeList before = document.objects;
    document.DeleteSelected();
    ASSERT_EQ(document.objects.size(), 2);
    document.Undo();
    EXPECT_EQ(document.objects, before);
    EXPECT_FALSE(document.undoAvailable);
    EXPECT_TRUE(document.undoList.isEmpty());
    EXPECT_TRUE(document.modified); // undo leaves the modified flag alone
    document.objects.removeLast();
    document.Undo(); // no redo, no second level
    EXPECT_EQ(document.objects.size(), 2);
}

TEST(UndoClipboard, UndoAfterPrintFlagChangeBringsBackTheFlagsOnly)
{
    Tobject document;
    document.objects = {rect(10, true)};
    document.AddPrintLine(0, 0, 5, 5, 1);
    document.SelectAll(true);
    document.SetPrintFlag(false);
    document.Undo();
    ASSERT_EQ(document.objects.size(), 2) << "the line added before stays";
    EXPECT_TRUE(document.objects[0].ifPrint);
    EXPECT_TRUE(document.objects[1].ifPrint);
}

TEST(UndoClipboard, CopyWithNothingSelectedEmptiesTheClipboard)
{
    Tobject document;
    document.objects = {rect(10, true)};
    document.CopyToClipboard();
    ASSERT_EQ(document.clipboard.size(), 1);
    document.SelectAll(false);
    document.CopyToClipboard();
    EXPECT_TRUE(document.clipboard.isEmpty());
    EXPECT_FALSE(document.modified);
    document.PasteFromClipboard();
    EXPECT_EQ(document.objects.size(), 1);
    EXPECT_TRUE(document.undoAvailable);
}

TEST(UndoClipboard, PasteTwiceAppendsCopiesOnTopOfTheOriginals)
{
    Tobject document;
    document.objects = {rect(10, true), rect(20, false), rect(30, true)};
    document.CopyToClipboard();
    document.PasteFromClipboard();
    document.PasteFromClipboard();
    ASSERT_EQ(document.objects.size(), 7);
    const int expected[] = {10, 30, 10, 30};
    for (int k = 0; k < 4; ++k) {
        const Tshape& pasted = document.objects[3 + k];
        EXPECT_EQ(pasted.printLeft, expected[k]);
        EXPECT_EQ(pasted.Left, expected[k] / 2);
        EXPECT_TRUE(pasted.Selected);
    }
    EXPECT_EQ(document.clipboard.size(), 2); // paste keeps the clipboard
    EXPECT_FALSE(document.objects[1].Selected);
}

TEST(UndoClipboard, ClipboardSurvivesANewLabel)
{
    Tobject document;
    document.objects = {rect(40, true)};
    document.CopyToClipboard();
    document.Reset(900, 900, 96, 1.0f);
    document.PasteFromClipboard();
    ASSERT_EQ(document.objects.size(), 1);
    EXPECT_EQ(document.objects[0].printLeft, 40);
}

TEST(UndoClipboard, UndoAfterResetBringsThePreviousLabelBack)
{
    Tobject document;
    document.objects = {rect(10, false), rect(20, false)};
    document.Reset(900, 900, 96, 1.0f);
    document.objects = {rect(99, false)}; // the records a loaded file appended
    document.Undo();
    ASSERT_EQ(document.objects.size(), 2);
    EXPECT_EQ(document.objects[1].printLeft, 20);
}

TEST(UndoClipboard, RecordsOfNoKindAreNotCopied)
{
    Tobject document;
    Tshape unknown = rect(5, true);
    unknown.Type = QStringLiteral("printCircle");
    document.objects = {unknown, rect(10, true)};
    document.TakeSnapshot();
    document.CopyToClipboard();
    EXPECT_EQ(document.undoList.size(), 1);
    EXPECT_EQ(document.clipboard.size(), 1);
    EXPECT_EQ(document.objects.size(), 2); // but the label itself keeps it
}

TEST(UndoClipboard, CopiesAreIndependent)
{
    Tobject document;
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("原文");
    text.Selected = true;
    document.objects = {text};
    document.CopyToClipboard();
    document.TakeSnapshot();
    document.objects[0].str = QStringLiteral("改");
    EXPECT_EQ(document.clipboard[0].str, QStringLiteral("原文"));
    EXPECT_EQ(document.undoList[0].str, QStringLiteral("原文"));
}

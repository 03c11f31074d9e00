#include "model/Tobject.h"

#include <gtest/gtest.h>

TEST(Tobject, ToPixelsRoundsHalfUpAtEveryZoomAndResolution)
{
    struct Row {
        int dpi;
        float zoom;
        double value;
        int pixels;
    };
    const Row rows[] = {
        {96, 1.0f, 254, 96},   // one inch
        {96, 1.0f, 1, 0},      // 0.378 + 0.5 truncated
        {96, 1.0f, 2, 1},      // 0.756 + 0.5
        {96, 2.0f, 254, 192},
        {96, 0.5f, 254, 48},
        {120, 1.0f, 254, 120},
        {96, 1.0f, -254, -95}, // truncation toward zero after adding 0.5
        {96, 1.0f, 1e12, 2147483647}, // clamped, never undefined
    };
    for (const Row& row : rows) {
        Tobject document;
        document.dpi = row.dpi;
        document.zoom = row.zoom;
        EXPECT_EQ(document.ToPixels(row.value), row.pixels) << row.dpi << " " << row.zoom << " " << row.value;
    }
}

TEST(Tobject, FromPixelsIsTheInverseScale)
{
    Tobject document;
    document.zoom = 2.0f;
    EXPECT_FLOAT_EQ(document.FromPixels(192), 254.0f);
}

TEST(Tobject, GridAddsRowByRowLeftToRightAllSelected)
{
    Tobject document;
    document.AddPrintRects(0, 0, 10, 10, 1, 1, 0, 0, 0, 1, 0);
    document.AddCutCircles(100, 200, 150, 230, 3, 2, 20, 10);
    ASSERT_EQ(document.objects.size(), 7);
    EXPECT_FALSE(document.objects[0].Selected); // the earlier object is deselected
    const int expected[6][2] = {{100, 200}, {160, 200}, {100, 250}, {160, 250}, {100, 300}, {160, 300}};
    for (int k = 0; k < 6; ++k) {
        const Tshape& circle = document.objects[k + 1];
        EXPECT_EQ(circle.Type, QStringLiteral("cutCircle"));
        EXPECT_TRUE(circle.Selected);
        EXPECT_EQ(circle.printLeft, expected[k][0]) << k;
        EXPECT_EQ(circle.printTop, expected[k][1]) << k;
        EXPECT_EQ(circle.modelWidth(), 50);
        EXPECT_EQ(circle.modelHeight(), 30);
    }
    EXPECT_TRUE(document.modified);
    EXPECT_TRUE(document.undoAvailable);
}

TEST(Tobject, GridPixelBoxesStepInWholePixels)
{
    Tobject document;
    // 2.5 mm boxes with a 1 mm gap at 96 dpi: ToPixels(25) = 9, ToPixels(10) = 4.
    document.AddPrintImages(0, 0, 25, 25, 1, 3, 0, 10, QStringLiteral("a.bmp"));
    ASSERT_EQ(document.objects.size(), 3);
    EXPECT_EQ(document.objects[1].Left, 13);
    EXPECT_EQ(document.objects[2].Left, 26);
    EXPECT_EQ(document.objects[2].Right, 35);
    EXPECT_EQ(document.objects[2].printLeft, 70);
    EXPECT_EQ(document.objects[2].fileName, QStringLiteral("a.bmp"));
}

TEST(Tobject, EmptyGridStillSnapshotsDeselectsAndMarksModified)
{
    for (const auto& [rows, columns] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{-1, 2}}) {
        Tobject document;
        document.AddPrintRects(0, 0, 10, 10, 1, 1, 0, 0, 0, 1, 0);
        document.modified = false;
        document.AddCutHalfCircles(0, 0, 100, 50, rows, columns, 0, 0, 25);
        EXPECT_EQ(document.objects.size(), 1);
        EXPECT_FALSE(document.objects[0].Selected);
        EXPECT_TRUE(document.modified);
        EXPECT_EQ(document.undoList.size(), 1);
    }
}

TEST(Tobject, CutLineNormalisesItsBoxAndRecordsTheStartCorner)
{
    Tobject document;
    document.AddCutLine(350, 350, 100, 100, 1, 1, 0);
    const Tshape& line = document.objects.at(0);
    EXPECT_EQ(line.startX, 350.0f);
    EXPECT_EQ(line.endY, 100.0f);
    EXPECT_EQ(line.direction, 2);
    EXPECT_EQ(line.printLeft, 100);
    EXPECT_EQ(line.printTop, 100);
    EXPECT_EQ(line.printRight, 350);
    EXPECT_EQ(line.printBottom, 350);
    EXPECT_FALSE(document.undoAvailable); // the caller takes the snapshot for cut lines
}

TEST(Tobject, PrintRectKeepsOutlineWidthForPrinterAndView)
{
    Tobject document;
    document.AddPrintRects(10, 10, 110, 60, 1, 1, 0, 0, 20, 3, 1);
    const Tshape& rect = document.objects.at(0);
    EXPECT_EQ(rect.printLineWidth, 3);
    EXPECT_EQ(rect.lineWidth, 3);
    EXPECT_EQ(rect.printR, 20);
    EXPECT_EQ(rect.R, 8); // 20 tenths at 96 dpi: 7.56 + 0.5
    EXPECT_EQ(rect.isSolid, 1);
}

TEST(Tobject, PrintLineFromBottomLeft)
{
    Tobject document;
    document.AddPrintLine(10, 90, 80, 20, 2);
    const Tshape& line = document.objects.at(0);
    EXPECT_EQ(line.direction, 3);
    EXPECT_EQ(line.printLeft, 10);
    EXPECT_EQ(line.printTop, 20);
    EXPECT_EQ(line.printRight, 80);
    EXPECT_EQ(line.printBottom, 90);
    EXPECT_EQ(line.lineWidth, 2);
}

TEST(Tobject, CutArcBoxes)
{
    Tobject document;
    // Quarter arc from 0 to 90 degrees around (254, 254), radius 254 at 96 dpi: it runs
    // from the right of the centre up to its top, screen y pointing down.
    document.AddCutArc(254, 254, 254, 0, 90, 1, 0, 0);
    const Tshape& arc = document.objects.at(0);
    EXPECT_FALSE(arc.Stretch);
    EXPECT_EQ(arc.printLeft, 0);
    EXPECT_EQ(arc.printRight, 508);
    EXPECT_EQ(arc.printBottom, 508);
    EXPECT_EQ(arc.Left, 96);
    EXPECT_EQ(arc.Top, 0);
    EXPECT_EQ(arc.Right, 192);
    EXPECT_EQ(arc.Bottom, 96);
}

TEST(Tobject, CutArcWithAbsurdAnglesFinishes)
{
    Tobject document;
    document.AddCutArc(100, 100, 50, -1e300, 1e300, 0, 0, 0);
    const Tshape& arc = document.objects.at(0);
    EXPECT_LE(arc.Left, arc.Right);
    EXPECT_LE(arc.Top, arc.Bottom);
}

TEST(Tobject, ResetEmptiesTheLabelButKeepsItForUndo)
{
    Tobject document;
    document.AddPrintRects(0, 0, 10, 10, 2, 2, 0, 0, 0, 1, 0);
    document.Reset(600, 400, 120, 1.5f);
    EXPECT_TRUE(document.objects.isEmpty());
    EXPECT_EQ(document.undoList.size(), 4);
    EXPECT_TRUE(document.undoAvailable);
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(document.labelWidth, 600);
    EXPECT_EQ(document.labelHeight, 400);
    EXPECT_EQ(document.dpi, 120);
    EXPECT_FLOAT_EQ(document.zoom, 1.5f);
    EXPECT_EQ(document.current, -1) << "an empty label has no current object";
}

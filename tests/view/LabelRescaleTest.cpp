#include "view/LabelRescale.h"

#include "view/TextObjects.h"

#include "ViewTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// 254 dpi: at 100 % one pixel per tenth of a millimetre.
Tobject documentAt(float zoom)
{
    Tobject document;
    document.dpi = 254;
    document.zoom = zoom;
    return document;
}

} // namespace

TEST(LabelRescale, PixelBoxesFollowTheZoom)
{
    struct Case {
        float from;
        float to;
        PixelBox expected;
    };
    const Case cases[] = {
        {1.0f, 1.5f, {15, 16, 31, 49}}, // truncated, not rounded
        {1.0f, 0.5f, {5, 5, 10, 16}},
        {2.0f, 1.0f, {5, 5, 10, 16}},
        {0.0f, 3.0f, {10, 11, 21, 33}}, // a zoom that cannot divide keeps the pixels
    };
    for (const Case& c : cases) {
        Tobject document = documentAt(c.from);
        Tshape rect = makeShape(ShapeKind::PrintRect);
        setPixelBox(rect, {10, 11, 21, 33});
        rect.R = 7;
        rect.lineWidth = 3;
        document.objects = {rect};
        rescaleObjects(document, c.to);
        EXPECT_EQ(pixelBoxOf(document.objects[0]), c.expected) << c.from << " to " << c.to;
        EXPECT_EQ(document.objects[0].R, 7) << "corner radius keeps its pixels";
        EXPECT_EQ(document.objects[0].lineWidth, 3) << "line width keeps its pixels";
        EXPECT_EQ(document.zoom, c.to);
    }
}

TEST(LabelRescale, ArcsAndCutLinesAreRebuiltFromTheirGeometry)
{
    Tobject document = documentAt(1);
    Tshape arc = makeShape(ShapeKind::CutArc);
    arc.CenterX = arc.CenterY = 200;
    arc.Radiu = 100;
    arc.SAngle = 0;
    arc.EAngle = 90; // from the right up to the top
    Tshape line = makeShape(ShapeKind::CutLine);
    line.startX = 300.7f;
    line.startY = 100;
    line.endX = 100;
    line.endY = 200.4f;
    document.objects = {arc, line}; // both with stale zero boxes
    rescaleObjects(document, 2);

    EXPECT_EQ(pixelBoxOf(document.objects[0]), (PixelBox{400, 200, 600, 400}));
    const Tshape& cut = document.objects[1];
    EXPECT_EQ(pixelBoxOf(cut), (PixelBox{200, 200, 602, 400}));
    EXPECT_EQ(cut.printLeft, 100);
    EXPECT_EQ(cut.printTop, 100);
    EXPECT_EQ(cut.printRight, 300);
    EXPECT_EQ(cut.printBottom, 200);
    EXPECT_EQ(cut.direction, 1) << "starts at the top-right corner";
}

TEST(LabelRescale, TextKeepsItsModelPlaceAndGrowsWithTheZoom)
{
    Tobject document = documentAt(1);
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("Batch 42");
    text.fontName = QStringLiteral("DejaVu Sans");
    text.fontSize = 10;
    text.widthFactor = text.heightFactor = 1;
    text.printLeft = 100;
    text.printTop = 120;
    document.objects = {text};
    QImage surface = view_test::whiteSurface();
    Draw(surface, document, false);
    const PixelBox at100 = pixelBoxOf(document.objects[0]);
    ASSERT_GT(at100.right - at100.left, 10);

    Rescale(document, 2, surface);
    const Tshape& shown = document.objects[0];
    EXPECT_FLOAT_EQ(shown.fontSize, 20);
    EXPECT_EQ(shown.printLeft, 100);
    EXPECT_EQ(shown.printTop, 120);
    EXPECT_EQ(shown.Left, 200) << "the model anchor at 200 %";
    EXPECT_EQ(shown.Top, 240);
    const double growth = static_cast<double>(shown.Right - shown.Left) / (at100.right - at100.left);
    EXPECT_NEAR(growth, 2.0, 0.2);
}

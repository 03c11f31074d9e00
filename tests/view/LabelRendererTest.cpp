#include "view/LabelRenderer.h"

#include "support/TestApp.h"
#include "view/PictureCache.h"

#include "ViewTestSupport.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// At 254 dpi and 100 % a model value in tenths of a millimetre is the same number of pixels,
// so every position below reads in both units.
Tobject plainDocument()
{
    Tobject document;
    document.dpi = 254;
    document.zoom = 1;
    document.current = -1;
    return document;
}

using testing_support::boxedShape;

QImage render(Tobject& document, std::optional<ObjectListContent>* list = nullptr)
{
    QImage surface(400, 400, QImage::Format_RGB32);
    surface.fill(Qt::black); // anything left undrawn shows
    auto content = Draw(surface, document, true);
    if (list)
        *list = std::move(content);
    return surface;
}

QRgb rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

const QRgb kWhite = rgb(255, 255, 255);
const QRgb kDarkRed = rgb(128, 0, 0);
const QRgb kGrey = rgb(128, 128, 128);
const QRgb kBlue = rgb(0, 0, 255);
const QRgb kRed = rgb(255, 0, 0);
const QRgb kGreen = rgb(0, 128, 0);
const QRgb kBlack = rgb(0, 0, 0);

int countInRow(const QImage& image, int y, int fromX, int toX, QRgb colour)
{
    int count = 0;
    for (int x = fromX; x <= toX; ++x)
        count += image.pixel(x, y) == colour;
    return count;
}

bool anyPixel(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

// The handle squares around the four corners of the frame two pixels outside box, probed on
// their outer side, where neither the frame nor the object reaches.
void expectHandles(const QImage& image, const PixelBox& box, QRgb colour)
{
    for (const int outX : {-1, 1}) {
        for (const int outY : {-1, 1}) {
            const int x = outX < 0 ? box.left - 2 : box.right + 2;
            const int y = outY < 0 ? box.top - 2 : box.bottom + 2;
            for (const int d : {2, 3})
                EXPECT_EQ(image.pixel(x + d * outX, y + d * outY), colour) << "handle at " << x << "," << y;
        }
    }
}

} // namespace

TEST(LabelRenderer, EmptyLabelIsWhiteWithoutCurrentMarks)
{
    for (const int current : {-1, 0, 3}) {
        Tobject document = plainDocument();
        document.current = current;
        std::optional<ObjectListContent> list;
        const QImage surface = render(document, &list);
        EXPECT_EQ(view_test::inkBox(surface), PixelBox{}) << "current " << current;
        ASSERT_TRUE(list.has_value());
        EXPECT_TRUE(list->rows.isEmpty());
        EXPECT_EQ(list->scrollPixels, 0);
    }
}

TEST(LabelRenderer, CutOutlinesAreTwoPixelsWideInTheirColour)
{
    struct Case {
        const char* name;
        bool enabled;
        QRgb colour;
    };
    for (const Case& c : {Case{"enabled", true, kDarkRed}, Case{"disabled", false, kGrey}}) {
        Tobject document = plainDocument();
        Tshape rect = boxedShape(ShapeKind::CutRect, 100, 100, 300, 200);
        rect.ifPrint = c.enabled;
        document.objects = {rect};
        const QImage surface = render(document);
        EXPECT_EQ(countInRow(surface, 150, 90, 110, c.colour), 2) << c.name << ": left edge";
        EXPECT_EQ(countInRow(surface, 150, 290, 310, c.colour), 2) << c.name << ": right edge";
        EXPECT_EQ(surface.pixel(200, 150), kWhite) << c.name << ": outlines are not filled";
    }
}

TEST(LabelRenderer, SelectionAndCurrentMarks)
{
    const PixelBox box{100, 100, 300, 200};
    Tobject document = plainDocument();
    document.objects = {boxedShape(ShapeKind::CutRect, 100, 100, 300, 200)};

    document.objects[0].Selected = true;
    QImage surface = render(document);
    expectHandles(surface, box, kBlue);
    EXPECT_EQ(countInRow(surface, 150, 90, 99, kBlue), 2) << "the blue frame two pixels outside";

    // The current object, not selected: red frame, green handles, drawn over the object.
    document.objects[0].Selected = false;
    document.current = 0;
    surface = render(document);
    expectHandles(surface, box, kGreen);
    EXPECT_GE(countInRow(surface, 150, 90, 110, kRed), 1);
    EXPECT_FALSE(anyPixel(surface, kBlue));
}

TEST(LabelRenderer, SelectedMarksLieUnderTheObject)
{
    Tobject document = plainDocument();
    Tshape solid = boxedShape(ShapeKind::PrintRect, 100, 100, 300, 200);
    solid.isSolid = 1;
    solid.Selected = true;
    document.objects = {solid};
    const QImage surface = render(document);
    EXPECT_EQ(surface.pixel(101, 101), kBlack) << "the fill covers the inner part of the handle";
    EXPECT_EQ(surface.pixel(95, 95), kBlue);
}

TEST(LabelRenderer, JointGapMarkerOnlyForAnEdge)
{
    for (const int gapPos : {0, 1, 2, 3, 4, 5}) {
        Tobject document = plainDocument();
        Tshape round = boxedShape(ShapeKind::CutRoundRect, 100, 100, 300, 200);
        round.gapPos = gapPos;
        round.gapDistance = 50;
        round.R = 10;
        round.Left = round.Top = round.Right = round.Bottom = 0; // rewritten by the redraw
        document.objects = {round};
        const QImage surface = render(document);
        EXPECT_EQ(pixelBoxOf(document.objects[0]), (PixelBox{100, 100, 300, 200}));
        const bool marked = gapPos >= 1 && gapPos <= 4;
        EXPECT_EQ(anyPixel(surface, kRed), marked) << "gapPos " << gapPos;
        if (gapPos == 1) {
            EXPECT_EQ(surface.pixel(101, 150), kRed) << "the marker on the left edge";
        }
        if (gapPos == 4) {
            EXPECT_EQ(surface.pixel(150, 101), kRed) << "the marker on the top edge";
        }
    }
}

TEST(LabelRenderer, ChevronsFollowTheCuttingDirection)
{
    // The chevron at the middle of the top edge opens away from where it points.
    for (const int direction : {0, 1}) {
        Tobject document = plainDocument();
        document.zoom = 2; // chevrons 10 pixels long; the model box is 200-400
        Tshape round = boxedShape(ShapeKind::CutRoundRect, 50, 50, 150, 150);
        round.gapPos = 1;
        round.direction = direction;
        document.objects = {round};
        QImage surface(400, 400, QImage::Format_RGB32);
        Draw(surface, document, false);
        const int apex = 200;
        const int behind = direction != 0 ? apex - 8 : apex + 8;
        const int ahead = direction != 0 ? apex + 8 : apex - 8;
        EXPECT_EQ(surface.pixel(behind, 100 - 8), kRed) << "direction " << direction;
        EXPECT_NE(surface.pixel(ahead, 100 - 8), kRed) << "direction " << direction;
    }
}

TEST(LabelRenderer, ArcOfAFullTurnIsTheEllipseOfItsBox)
{
    struct Case {
        double start;
        double end;
    };
    for (const Case c : {Case{0, 360}, Case{360, 0}, Case{10, 800}}) {
        Tobject document = plainDocument();
        Tshape arc = boxedShape(ShapeKind::CutArc, 100, 100, 300, 300);
        arc.CenterX = arc.CenterY = 200;
        arc.Radiu = 100;
        arc.SAngle = c.start;
        arc.EAngle = c.end;
        document.objects = {arc};
        const QImage surface = render(document);
        EXPECT_FALSE(anyPixel(surface, kGreen)) << c.start << " to " << c.end << ": no arrow";
        for (const QPoint p : {QPoint(100, 200), QPoint(299, 200), QPoint(200, 100), QPoint(200, 299)})
            EXPECT_TRUE(view_test::hasInk(surface, {p.x() - 2, p.y() - 2, p.x() + 2, p.y() + 2}))
                << c.start << " to " << c.end << " at " << p.x() << "," << p.y();
    }
}

TEST(LabelRenderer, ArcRunsCounterClockwiseWithItsArrow)
{
    Tobject document = plainDocument();
    Tshape arc = makeShape(ShapeKind::CutArc);
    arc.CenterX = arc.CenterY = 200;
    arc.Radiu = 100;
    arc.SAngle = 0;
    arc.EAngle = 90;
    document.objects = {arc};
    const QImage surface = render(document);
    // From the right (angle 0) up to the top (90): the upper right quarter only.
    EXPECT_TRUE(view_test::hasInk(surface, {268, 126, 274, 132}));
    EXPECT_FALSE(view_test::hasInk(surface, {126, 268, 132, 274}));
    EXPECT_FALSE(view_test::hasInk(surface, {126, 126, 132, 132}));
    EXPECT_TRUE(anyPixel(surface, kGreen));
}

TEST(LabelRenderer, HalfCircleStandsOnItsBottomEdge)
{
    Tobject document = plainDocument();
    document.objects = {boxedShape(ShapeKind::CutHalfCircle, 100, 100, 300, 200)};
    const QImage surface = render(document);
    EXPECT_TRUE(view_test::hasInk(surface, {198, 98, 202, 102})) << "the top of the half ellipse";
    EXPECT_TRUE(view_test::hasInk(surface, {148, 198, 152, 202})) << "the closing bottom edge";
    EXPECT_LE(view_test::inkBox(surface).bottom, 202) << "nothing below the bottom edge";
}

TEST(LabelRenderer, CutLineArrowPointsToItsEnd)
{
    for (const bool rightward : {true, false}) {
        Tobject document = plainDocument();
        Tshape line = makeShape(ShapeKind::CutLine);
        line.startX = rightward ? 100 : 300;
        line.endX = rightward ? 300 : 100;
        line.startY = line.endY = 200;
        document.objects = {line};
        const QImage surface = render(document);
        // The arrowhead's strokes run back from the middle (200) toward the start.
        const int back = rightward ? 193 : 207;
        const int front = rightward ? 207 : 193;
        EXPECT_TRUE(anyPixel(surface.copy(back - 2, 190, 5, 20), kGreen)) << "rightward " << rightward;
        EXPECT_FALSE(anyPixel(surface.copy(front - 2, 190, 5, 20), kGreen)) << "rightward " << rightward;
    }
}

TEST(LabelRenderer, PrintLineRunsFromItsStartCorner)
{
    struct Case {
        int direction;
        QPoint onLine;
        QPoint offLine;
    };
    for (const Case& c : {Case{0, {150, 150}, {250, 150}}, Case{1, {250, 150}, {150, 150}},
                          Case{2, {150, 150}, {250, 150}}, Case{3, {250, 150}, {150, 150}}}) {
        Tobject document = plainDocument();
        Tshape line = boxedShape(ShapeKind::PrintLine, 100, 100, 300, 300);
        line.direction = c.direction;
        line.lineWidth = 3;
        line.Left = 0;
        document.objects = {line};
        const QImage surface = render(document);
        EXPECT_EQ(surface.pixel(c.onLine), kBlack) << "direction " << c.direction;
        EXPECT_EQ(surface.pixel(c.offLine), kWhite) << "direction " << c.direction;
        EXPECT_EQ(document.objects[0].Left, 100) << "box written back";
    }
}

TEST(LabelRenderer, MissingPictureShowsItsDiagonals)
{
    Tobject document = plainDocument();
    Tshape picture = boxedShape(ShapeKind::PrintImage, 100, 100, 300, 300);
    picture.fileName = QStringLiteral("/nonexistent/picture.bmp");
    picture.Left = 7; // not written back: the pointer keeps the box it had
    document.objects = {picture};
    const QImage surface = render(document);
    for (const QPoint p : {QPoint(150, 150), QPoint(200, 200), QPoint(250, 150), QPoint(150, 250)})
        EXPECT_EQ(surface.pixel(p), kBlack) << p.x() << "," << p.y();
    EXPECT_EQ(surface.pixel(200, 150), kWhite);
    EXPECT_EQ(document.objects[0].Left, 7);
}

TEST(LabelRenderer, PicturesAndBackgroundFromTheirFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A picture with a red middle on white: the white lets what lies beneath show.
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(10, 10, qRgb(255, 0, 0));
    const QString picturePath = dir.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(picture.save(picturePath));
    QImage background(4, 4, QImage::Format_RGB32);
    background.fill(qRgb(0, 0, 255));
    const QString backgroundPath = dir.filePath(QStringLiteral("background.png"));
    ASSERT_TRUE(background.save(backgroundPath));

    Tobject document = plainDocument();
    document.bgFile = backgroundPath;
    document.bgX = 5; // millimetres: pixels 50 to 150
    document.bgY = 5;
    document.bgWidth = 10;
    document.bgHeight = 10;
    Tshape object = boxedShape(ShapeKind::PrintImage, 100, 100, 300, 300);
    object.fileName = picturePath;
    object.Left = 0;
    document.objects = {object};
    const QImage surface = render(document);
    EXPECT_EQ(surface.pixel(60, 60), kBlue) << "background in its millimetre box";
    EXPECT_EQ(surface.pixel(160, 160), kWhite) << "nothing beyond the background's box";
    EXPECT_EQ(surface.pixel(120, 120), kBlue) << "the picture's white is transparent";
    EXPECT_EQ(surface.pixel(205, 205), kRed) << "its red middle, stretched tenfold";
    EXPECT_EQ(document.objects[0].Left, 100) << "box written back";

    document.bgWidth = 40; // pixels 50 to 450, partly beyond the surface
    const QImage widened = render(document);
    EXPECT_EQ(widened.pixel(399, 60), kBlue) << "the background kept between redraws follows its place";
}

TEST(LabelRenderer, ObjectListRowsAndScroll)
{
    Tobject document = plainDocument();
    Tshape text = boxedShape(ShapeKind::PrintString, 10, 10, 20, 20);
    text.str = QStringLiteral("品名");
    text.fontName = QStringLiteral("DejaVu Sans");
    text.fontSize = 9;
    text.widthFactor = text.heightFactor = 1;
    Tshape outline = boxedShape(ShapeKind::CutImage, 10, 10, 20, 20);
    outline.fileName = QStringLiteral("/nonexistent/outline.bmp");
    Tshape unknown = boxedShape(ShapeKind::CutRect, 10, 10, 20, 20);
    unknown.Type = QStringLiteral("cutStar");
    document.objects = {boxedShape(ShapeKind::CutRect, 10, 10, 20, 20), text, outline, unknown,
                        boxedShape(ShapeKind::CutCircle, 10, 10, 20, 20)};
    document.objects[1].Selected = true;
    document.objects[3].Selected = true;

    std::optional<ObjectListContent> list;
    render(document, &list);
    ASSERT_TRUE(list.has_value());
    const QList<ObjectListRow> expected{
        {1, QStringLiteral("雕刻矩形"), false},
        {2, QStringLiteral("字符 品名"), true},
        {3, QString(), false}, // an outline whose bitmap is missing keeps only its number
        {4, QString(), true},  // a kind the program does not know
        {5, QStringLiteral("雕刻圆形"), false},
    };
    EXPECT_EQ(list->rows, expected);
    EXPECT_EQ(list->scrollPixels, 3 * kObjectListRowHeight);

    QImage surface(100, 100, QImage::Format_RGB32);
    EXPECT_FALSE(Draw(surface, document, false).has_value()) << "the list's own clicks keep it";
}

TEST(LabelRenderer, ClearsTheWholeSurface)
{
    Tobject document = plainDocument();
    QImage surface(2600, 2100, QImage::Format_RGB32);
    surface.fill(Qt::black);
    Draw(surface, document, false);
    EXPECT_EQ(surface.pixel(2599, 2099), kWhite);
    EXPECT_EQ(surface.pixel(2100, 10), kWhite);
}

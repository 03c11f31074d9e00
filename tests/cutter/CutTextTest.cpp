#include "TracingSupport.h"
#include "cutter/CutPaths.h"
#include "cutter/CutText.h"
#include "support/TestApp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testing_support::placedShape;

CutContext job(bool commandMode, bool rotated, int offsetX = 0, int offsetY = 0)
{
    CutContext context;
    context.kx = CutContext::pulseFactor(40);
    context.ky = CutContext::pulseFactor(43);
    context.offsetX = offsetX;
    context.offsetY = offsetY;
    context.commandMode = commandMode;
    context.rotated = rotated;
    context.labelWidth = 900;
    return context;
}

QString cutText(const Tshape& shape, const CutContext& context)
{
    const CutText result = CutObjectText(shape, context);
    EXPECT_TRUE(result.ok()) << qPrintable(result.error);
    return result.text;
}

Tshape arc(double centerX, double centerY, double radius, double start, double end)
{
    Tshape shape = makeShape(ShapeKind::CutArc);
    shape.CenterX = centerX;
    shape.CenterY = centerY;
    shape.Radiu = radius;
    shape.SAngle = start;
    shape.EAngle = end;
    return shape;
}

Tshape line(float startX, float startY, float endX, float endY)
{
    Tshape shape = makeShape(ShapeKind::CutLine);
    shape.startX = startX;
    shape.startY = startY;
    shape.endX = endX;
    shape.endY = endY;
    shape.printLeft = int(std::min(startX, endX));
    shape.printTop = int(std::min(startY, endY));
    shape.printRight = int(std::max(startX, endX));
    shape.printBottom = int(std::max(startY, endY));
    shape.direction = lineStartCorner(startX, startY, endX, endY);
    return shape;
}

} // namespace

TEST(CutText, RoundRectangleCommandWithJoint)
{
    Tshape shape = placedShape(ShapeKind::CutRoundRect, 100, 50, 400, 250);
    shape.printR = 20;
    shape.gapPos = 1;
    shape.gapDistance = 15;
    shape.gapLenth = 2;
    EXPECT_EQ(cutText(shape, job(true, false, 20, 5)),
              QStringLiteral(" O12.0000,5.5000,30.0000,20.0000,2.0000,0,1,1.5000,0.2000,0.0000,0"));
}

TEST(CutText, RotatedRoundRectangleTurnsBackWithItsJointEdge)
{
    struct Row {
        int gapPos;
        const char* edge;
    };
    const Row rows[] = {{1, "2"}, {2, "3"}, {3, "4"}, {4, "1"}, {0, "1"}, {-1, "0"}, {5, "2"}};
    for (const Row& row : rows) {
        Tshape shape = placedShape(ShapeKind::CutRoundRect, 100, 200, 400, 300);
        shape.gapPos = row.gapPos;
        shape.direction = 1;
        shape.delayms = 7;
        // Left 200, top 900 - 400, width 300 - 200, height 400 - 100.
        EXPECT_EQ(cutText(shape, job(true, true)),
                  QStringLiteral(" O20.0000,50.0000,10.0000,30.0000,0.0000,1,%1,0.0000,0.0000,0.0000,7").arg(row.edge))
            << "joint edge " << row.gapPos;
    }
}

TEST(CutText, RoundRectanglePathTurnsBackWhenRotated)
{
    Tshape shape = placedShape(ShapeKind::CutRoundRect, 100, 200, 400, 300);
    shape.printR = 15;
    const CutContext upright = job(false, false, 30, 40);
    const CutContext turned = job(false, true, 30, 40);
    EXPECT_EQ(cutText(shape, upright), RoundRectPath(upright, 130, 240, 300, 100, 15));
    EXPECT_EQ(cutText(shape, turned), RoundRectPath(turned, 230, 540, 100, 300, 15));
}

TEST(CutText, RectangleIsARoundRectangleOfRadiusZeroWithoutJoint)
{
    Tshape rect = placedShape(ShapeKind::CutRect, 120, 80, 520, 330);
    Tshape rounded = rect;
    rounded.Type = typeName(ShapeKind::CutRoundRect);
    // Stray values in the plain rectangle's record are not its own and must not be cut.
    rect.printR = 40;
    rect.gapPos = 3;
    rect.gapLenth = 9;
    rect.delayms = 100;
    for (const bool commandMode : {true, false}) {
        for (const bool rotated : {false, true}) {
            const CutContext context = job(commandMode, rotated, 11, 22);
            EXPECT_EQ(cutText(rect, context), cutText(rounded, context))
                << "command " << commandMode << " rotated " << rotated;
        }
    }
    EXPECT_EQ(cutText(rect, job(true, false)).section(u',', 6, 6), QStringLiteral("0"));
    EXPECT_EQ(cutText(rect, job(true, true)).section(u',', 6, 6), QStringLiteral("1"));
}

TEST(CutText, CircleCommandInGeneralNotation)
{
    const Tshape circle = placedShape(ShapeKind::CutCircle, 125, 30, 425, 230);
    EXPECT_EQ(cutText(circle, job(true, false)), QStringLiteral(" E12.5,3,30,20"));
    EXPECT_EQ(cutText(circle, job(true, false, 1, 0)), QStringLiteral(" E12.6,3,30,20"));
    EXPECT_EQ(cutText(circle, job(true, true)), QStringLiteral(" E3,47.5,20,30"));
}

TEST(CutText, PathFormsThatAreNeverTurnedBack)
{
    Tshape halfCircle = placedShape(ShapeKind::CutHalfCircle, 100, 200, 400, 300);
    halfCircle.printR = 10;
    const Tshape circle = placedShape(ShapeKind::CutCircle, 100, 200, 400, 300);
    const Tshape arcShape = arc(300, 250, 80, 0, 135);
    Tshape lineShape = line(100, 200, 300, 260);
    lineShape.startDown = 1;
    struct Row {
        const char* kind;
        Tshape shape;
        QString expected;
    };
    const CutContext path = job(false, false, 7, 9);
    const Row rows[] = {
        {"half circle", halfCircle, HalfCirclePath(path, 107, 209, 300, 100, 10)},
        {"ellipse", circle, EllipsePath(path, 107, 209, 300, 100)},
        {"arc", arcShape, *ArcPath(path, 307, 259, 80, 0, 135)},
        {"line", lineShape, cutText(lineShape, path)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(cutText(row.shape, job(false, false, 7, 9)), row.expected) << row.kind;
        EXPECT_EQ(cutText(row.shape, job(false, true, 7, 9)), row.expected) << row.kind << " rotated";
    }
    // A half circle has no command of its own: it is sent as a path in command form too.
    EXPECT_EQ(cutText(halfCircle, job(true, true, 7, 9)), rows[0].expected);
}

TEST(CutText, ArcCommandWithKnifeAndDirectionFlags)
{
    struct Row {
        Tshape shape;
        bool rotated;
        const char* text;
        const char* what;
    };
    Tshape flagged = arc(500, 300, 150, 0, 90);
    flagged.startDown = 1;
    flagged.direction = 1;
    Tshape notOne = flagged;
    notOne.startDown = 2;
    notOne.endUp = 1;
    notOne.direction = 0;
    const Row rows[] = {
        {flagged, false, " A52.0000,31.0000,15.0000,0.0000,90.0000,1,0,1", "upright"},
        {flagged, true, " A32.0000,41.0000,15.0000,90.0000,180.0000,1,0,1",
         "turned back: centre (300, 900 - 500), angles a quarter on"},
        {notOne, false, " A52.0000,31.0000,15.0000,0.0000,90.0000,0,1,0", "only a 1 sets a flag"},
        {arc(0.5, 0, 12.5, 12.34567, -30), false, " A2.0500,1.0000,1.2500,12.3457,-30.0000,0,0,0",
         "fractions"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(cutText(row.shape, job(true, row.rotated, 20, 10)), QString::fromUtf8(row.text)) << row.what;
}

TEST(CutText, ArcPathTruncatesItsModelValues)
{
    const CutContext context = job(false, false, 3, 4);
    EXPECT_EQ(cutText(arc(100.7, 50.9, 30.9, 10.9, 80.2), context), *ArcPath(context, 103, 54, 30, 10, 80));
    EXPECT_EQ(cutText(arc(100, 50, 30, -10.5, -90.9), context), *ArcPath(context, 103, 54, 30, -10, -90));
}

TEST(CutText, ArcSweepingEndlesslyFailsInPathFormOnly)
{
    const Tshape endless = arc(100, 100, 50, 0, 1e12);
    const CutText path = CutObjectText(endless, job(false, false));
    EXPECT_FALSE(path.ok());
    EXPECT_TRUE(path.text.isEmpty());
    EXPECT_TRUE(CutObjectText(endless, job(true, false)).ok());
}

TEST(CutText, LinePathMovesBetweenCornersWithSwappedFactors)
{
    struct Row {
        int direction;
        const char* text;
    };
    // L = 3 × (10 + 1), R = 3 × (30 + 1), T = 2 × (20 + 2), B = 2 × (40 + 2).
    const Row rows[] = {
        {0, " U44,33 K1 U84,93 K0"},
        {1, " U44,93 K1 U84,33 K0"},
        {2, " U84,93 K1 U44,33 K0"},
        {3, " U84,33 K1 U44,93 K0"},
        {7, " K0"},
        {-1, " K0"},
    };
    CutContext context = job(false, false, 1, 2);
    context.kx = 2;
    context.ky = 3;
    for (const Row& row : rows) {
        Tshape shape = placedShape(ShapeKind::CutLine, 10, 20, 30, 40);
        shape.direction = row.direction;
        shape.startDown = 1;
        shape.endUp = 1;
        shape.Delay = 1;
        EXPECT_EQ(cutText(shape, context), QString::fromUtf8(row.text)) << "direction " << row.direction;
    }
    Tshape plain = placedShape(ShapeKind::CutLine, 10, 20, 30, 40);
    plain.direction = 2;
    EXPECT_EQ(cutText(plain, context), QStringLiteral(" U84,93 U44,33"));
}

TEST(CutText, LineCommands)
{
    struct Row {
        Tshape shape;
        bool rotated;
        const char* text;
        const char* what;
    };
    Tshape flagged = line(100, 200, 300, 200);
    flagged.startDown = 1;
    flagged.Delay = 1;
    flagged.endUp = 1;
    const Row rows[] = {
        {line(100, 200, 300, 200), true, " M25.0000,83.0000 M25.0000,63.0000",
         "turned back on a label 900 wide: (200, 800) to (200, 600)"},
        {flagged, false, " M15.0000,23.0000 K1 M35.0000,23.0000 I K0", "knife down, delay, knife up"},
        {line(-50.0001f, -30, 0, 0), false, " M0.0000,0.0000 M5.0000,3.0000", "no negative zero"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(cutText(row.shape, job(true, row.rotated, 50, 30)), QString::fromUtf8(row.text)) << row.what;
}

TEST(CutText, PrintObjectsAndUnknownKindsGiveNothing)
{
    Tshape unknown = placedShape(ShapeKind::CutRect, 0, 0, 10, 10);
    unknown.Type = QStringLiteral("cutStar");
    for (const Tshape& shape : {placedShape(ShapeKind::PrintRect, 0, 0, 10, 10), makeShape(ShapeKind::PrintString),
                                makeShape(ShapeKind::PrintImage), unknown}) {
        const CutText result = CutObjectText(shape, job(false, false));
        EXPECT_TRUE(result.ok()) << qPrintable(shape.Type);
        EXPECT_TRUE(result.text.isEmpty()) << qPrintable(shape.Type);
    }
}

class CutImageText : public testing::Test {
protected:
    QString bitmap(const QString& name, const QList<QPoint>& black)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(cut_testing::drawing(12, 10, black).save(path, "BMP"));
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(CutImageText, OutlineScaledIntoTheBoxTwiceAtTheStart)
{
    Tshape shape = placedShape(ShapeKind::CutImage, 0, 0, 120, 100);
    shape.fileName = bitmap(QStringLiteral("frame.bmp"), cut_testing::rectangleOutline({2, 2}, {9, 8}));
    CutContext context = job(false, false);
    context.kx = 1;
    context.ky = 1;
    // Traced (x, y): (2,5) twice, the corners (2,8) (9,8) (9,2) (2,2), then the closing
    // stretch; ten pulses per pixel, vertical first, and a space after the last point.
    EXPECT_EQ(cutText(shape, context),
              QStringLiteral(" U50,20 D50,20,50,20,80,20,80,90,20,90,20,20,50,20,80,20,80,90,20,90,20,20 "));
}

TEST_F(CutImageText, FactorsSwappedOffsetsAddedNeverTurnedBack)
{
    Tshape shape = placedShape(ShapeKind::CutImage, 10, 20, 130, 120);
    shape.fileName = bitmap(QStringLiteral("frame.bmp"), cut_testing::rectangleOutline({2, 2}, {9, 8}));
    CutContext context = job(false, false, 5, 7);
    context.kx = 2;
    context.ky = 3;
    // H = 3 × 5 + 3 × 10 + 2 × (3 × 120 / 12), V = 2 × 7 + 2 × 20 + 5 × (2 × 100 / 10).
    const QString text = cutText(shape, context);
    EXPECT_TRUE(text.startsWith(QStringLiteral(" U154,105 D154,105,154,105,214,105,"))) << qPrintable(text);
    context.rotated = true;
    context.commandMode = true;
    EXPECT_EQ(cutText(shape, context), text);
}

TEST_F(CutImageText, MissingFileOrEmptyOutlineFails)
{
    struct Row {
        QString file;
        const char* what;
    };
    const Row rows[] = {
        {m_dir.filePath(QStringLiteral("missing.bmp")), "missing file"},
        {bitmap(QStringLiteral("blank.bmp"), {}), "white picture"},
        {bitmap(QStringLiteral("high.bmp"), {{3, 1}, {4, 1}, {5, 2}}), "black only above the middle row"},
    };
    for (const Row& row : rows) {
        Tshape shape = placedShape(ShapeKind::CutImage, 0, 0, 120, 100);
        shape.fileName = row.file;
        const CutText result = CutObjectText(shape, job(false, false));
        EXPECT_FALSE(result.ok()) << row.what;
        EXPECT_TRUE(result.text.isEmpty()) << row.what;
        EXPECT_TRUE(result.error.contains(row.file)) << qPrintable(result.error);
    }
}

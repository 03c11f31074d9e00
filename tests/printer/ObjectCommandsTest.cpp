#include "PrinterTestSupport.h"

#include "printer/ObjectCommands.h"

#include <gtest/gtest.h>

namespace {

TEST(ObjectCommands, PositionsAreMappedByTheLabelRotationThenOffset)
{
    const Tshape box = placedShape(ShapeKind::PrintRect, 100, 200, 300, 250);
    struct Case {
        int rotation, offsetX, offsetY;
        QPoint anchor, first, second;
    } const cases[] = {
        {0, 0, 0, {100, 200}, {100, 200}, {300, 250}},
        {1, 0, 0, {1100, 100}, {1050, 100}, {1100, 300}},
        {2, 0, 0, {800, 1100}, {600, 1050}, {800, 1100}},
        {3, 0, 0, {200, 1200}, {200, 1000}, {250, 1200}},
        {3, 15, -20, {215, 1180}, {215, 980}, {265, 1180}},
    };
    for (const Case& c : cases) {
        const LabelFrame frame{1300, 900, c.rotation, c.offsetX, c.offsetY};
        EXPECT_EQ(frame.anchor(box), c.anchor) << c.rotation;
        EXPECT_EQ(frame.firstCorner(box), c.first) << c.rotation;
        EXPECT_EQ(frame.secondCorner(box), c.second) << c.rotation;
    }
}

TEST(ObjectCommands, RotationCodesOfSymbolsAndTexts)
{
    // symbol[label rotation][direction], text likewise
    const int symbol[4][4] = {{0, 3, 2, 1}, {0, 1, 2, 3}, {0, 1, 2, 3}, {3, 2, 1, 0}};
    const int text[4][4] = {{0, 1, 2, 3}, {3, 0, 1, 2}, {2, 3, 0, 1}, {1, 2, 3, 0}};
    for (int rotation = 0; rotation < 4; ++rotation) {
        for (int d = 0; d < 4; ++d) {
            EXPECT_EQ(symbolRotationCode(d, rotation), symbol[rotation][d]) << rotation << d;
            EXPECT_EQ(textRotation(d, rotation), text[rotation][d]) << rotation << d;
        }
    }
}

TEST(ObjectCommands, RectanglesAndLines)
{
    const LabelFrame frame{1300, 900, 0, 0, 0};
    Tshape solid = placedShape(ShapeKind::PrintRect, 10, 20, 300, 400);
    solid.isSolid = 1;
    Tshape outline = solid;
    outline.isSolid = 0;
    outline.printLineWidth = 3;
    outline.printR = 15;
    Tshape line = placedShape(ShapeKind::PrintLine, 10, 20, 300, 20);
    line.lineWidth = 2;
    line.direction = 2; // the start corner does not change the command
    EXPECT_EQ(objectCommand(solid, 0, frame, {}), QByteArray("{XR;0010,0020,0300,0400,B|}"));
    EXPECT_EQ(objectCommand(outline, 0, frame, {}), QByteArray("{LC;0010,0020,0300,0400,1,3,015|}"));
    EXPECT_EQ(objectCommand(line, 0, frame, {}), QByteArray("{LC;0010,0020,0300,0020,0,2|}"));
}

TEST(ObjectCommands, SymbolCommandsCarryIndexRotationAndData)
{
    const LabelFrame frame{1300, 900, 0, 0, 0};
    Tshape bar = placedShape(ShapeKind::PrintBar, 100, 200, 0, 0);
    bar.barType = QStringLiteral("code128(with auto code)"); // compared in upper case
    bar.barWidth = 3;
    bar.barHeight = 100;
    bar.direction = 1;
    Tshape countingDown = bar;
    countingDown.selfAdd = -2;
    countingDown.displayCode = 1;
    Tshape ean = bar;
    ean.barType = QStringLiteral("EAN13");
    Tshape code39 = bar;
    code39.barType = QStringLiteral("CODE39(STANDARD)");
    code39.wideBarWidth = 7;
    Tshape unknown = bar;
    unknown.barType = QStringLiteral("CODABAR");
    Tshape qr = placedShape(ShapeKind::PrintQRBar, 5, 6, 0, 0);
    qr.barWidth = 4;
    qr.barLevel = 2;
    Tshape qrHigh = qr;
    qrHigh.barLevel = 3;
    Tshape qrNoLevel = qr;
    qrNoLevel.barLevel = 7;
    Tshape matrix = placedShape(ShapeKind::PrintDataMatrix, 5, 6, 0, 0);
    matrix.barWidth = 5;
    matrix.direction = 3;
    Tshape pdf = placedShape(ShapeKind::PrintPdf417Bar, 5, 6, 0, 0);
    pdf.barLevel = 2;
    pdf.barWidth = 3;
    pdf.barColumn = 4;
    pdf.barHeight = 12;

    struct Case {
        const Tshape* shape;
        int index;
        const char* data;
        const char* command;
    } const cases[] = {
        {&bar, 7, "A001", "{XB07;0100,0200,9,1,03,3,0100,+0000000000,017,0,00=A001|}"},
        {&countingDown, 7, "A001", "{XB07;0100,0200,9,1,03,3,0100,-0000000002,017,1,00=A001|}"},
        {&ean, 0, "690123456789", "{XB00;0100,0200,5,3,03,3,0100,+0000000000,017,0,00=690123456789|}"},
        {&code39, 123, "X1", "{XB123;0100,0200,3,1,03,03,07,07,03,3,0100,+0000000000,0,00=X1|}"},
        {&unknown, 0, "1", ""},
        {&qr, 2, "网址", "{XB02;0005,0006,T,Q,04,A,0,M2=网址|}"},
        {&qrHigh, 2, "x", "{XB02;0005,0006,T,H,04,A,0,M2=x|}"},
        {&qrNoLevel, 2, "x", "{XB02;0005,0006,T,,04,A,0,M2=x|}"},
        {&matrix, 3, "DM", "{XB03;0005,0006,Q,20,05,01,1=DM|}"},
        {&pdf, 4, "P", "{XB04;0005,0006,P,02,03,04,0,0012=P|}"},
    };
    for (const Case& c : cases) {
        const QByteArray expected = QByteArray(c.command).replace("网址", "\xcd\xf8\xd6\xb7"); // GBK bytes
        EXPECT_EQ(objectCommand(*c.shape, c.index, frame, QString::fromUtf8(c.data)), expected) << c.command;
    }
}

} // namespace

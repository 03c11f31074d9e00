#include "cutter/DxfImport.h"


#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A drawing with the given extents (millimetres) and the given ENTITIES body.
QByteArray drawing(const QByteArray& entities, const QByteArray& header =
                       "9\n$EXTMIN\n10\n10\n20\n20\n30\n0\n"
                       "9\n$EXTMAX\n10\n110\n20\n70\n30\n0\n")
{
    return "0\nSECTION\n2\nHEADER\n" + header + "0\nENDSEC\n"
           "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nLINE\n0\nENDTAB\n0\nENDSEC\n"
           "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

DxfImportResult importText(Tobject& document, const QByteArray& text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return importDxf(document, buffer);
}

ShapeList imported(const QByteArray& text)
{
    Tobject document;
    const DxfImportResult result = importText(document, text);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.added, document.objects.size());
    return document.objects;
}

TEST(DxfImport, LinesTakeTheExtentsAsTheLabelsTopLeftCorner)
{
    // Extents (10, 20)-(110, 70) mm: the drawing's (10, 70) is the label's (0, 0).
    const ShapeList objects = imported(drawing("0\nLINE\n8\n0\n10\n10\n20\n70\n11\n110\n21\n20\n"));
    ASSERT_EQ(objects.size(), 1);
    const Tshape& line = objects[0];
    EXPECT_EQ(line.Type, "cutLine");
    EXPECT_FLOAT_EQ(line.startX, 0);
    EXPECT_FLOAT_EQ(line.startY, 0);
    EXPECT_FLOAT_EQ(line.endX, 1000);
    EXPECT_FLOAT_EQ(line.endY, 500);
    EXPECT_EQ(line.direction, 0);
    EXPECT_EQ(line.startDown, 1);
    EXPECT_EQ(line.endUp, 1);
    EXPECT_EQ(line.Delay, 0);
}

TEST(DxfImport, EntitiesBecomeCutObjects)
{
    const struct {
        const char* name;
        QByteArray entity;
        const char* type;
        QList<double> expected; // arc: centre, radius, angles; circle: model box
    } cases[] = {
        {"arc past 0 degrees gets its end angle + 360",
         "0\nARC\n10\n60\n20\n45\n40\n5\n50\n270\n51\n90\n", "cutArc", {500, 250, 50, 270, 450}},
        {"arc in order keeps its angles",
         "0\nARC\n10\n60\n20\n45\n40\n5\n50\n30\n51\n120\n", "cutArc", {500, 250, 50, 30, 120}},
        {"circle", "0\nCIRCLE\n10\n60\n20\n45\n40\n5\n", "cutCircle", {450, 200, 550, 300}},
        {"ellipse with a vertical major axis",
         "0\nELLIPSE\n10\n60\n20\n45\n11\n0\n21\n20\n40\n0.5\n", "cutCircle",
         {400, 50, 600, 450}},
        {"ellipse with a horizontal major axis",
         "0\nELLIPSE\n10\n60\n20\n45\n11\n-20\n21\n0\n40\n0.5\n", "cutCircle",
         {300, 150, 700, 350}},
        // A CAD program writes cos(90°) as 6e-17: the ellipse must not collapse to a point.
        {"ellipse whose axis is vertical up to rounding",
         "0\nELLIPSE\n10\n60\n20\n45\n11\n6.1e-17\n21\n20\n40\n0.5\n", "cutCircle",
         {400, 50, 600, 450}},
    };
    for (const auto& c : cases) {
        const ShapeList objects = imported(drawing(c.entity));
        ASSERT_EQ(objects.size(), 1) << c.name;
        const Tshape& shape = objects[0];
        EXPECT_EQ(shape.Type, QLatin1StringView(c.type)) << c.name;
        QList<double> actual;
        if (shape.kind() == ShapeKind::CutArc) {
            actual = {shape.CenterX, shape.CenterY, shape.Radiu, shape.SAngle, shape.EAngle};
            EXPECT_EQ(shape.startDown, 1) << c.name;
            EXPECT_EQ(shape.endUp, 1) << c.name;
            EXPECT_EQ(shape.direction, 0) << c.name;
        } else {
            actual = {double(shape.printLeft), double(shape.printTop), double(shape.printRight),
                      double(shape.printBottom)};
        }
        EXPECT_EQ(actual, c.expected) << c.name;
    }
}

TEST(DxfImport, OnlyGroupZeroStartsEntitiesAndSections)
{
    const struct {
        const char* name;
        QByteArray entities;
        QStringList types;
    } cases[] = {
        // The layer table of drawing() already holds a layer named "LINE".
        {"layer named LINE", "0\nCIRCLE\n8\nLINE\n10\n1\n20\n1\n40\n1\n", {"cutCircle"}},
        {"layer named ENDSEC does not end the entities",
         "0\nCIRCLE\n8\nENDSEC\n10\n1\n20\n1\n40\n1\n0\nLINE\n10\n1\n20\n1\n11\n2\n21\n2\n",
         {"cutCircle", "cutLine"}},
        {"text reading ARC", "0\nTEXT\n1\nARC\n10\n1\n20\n1\n0\nLINE\n11\n2\n21\n2\n",
         {"cutLine"}},
        {"unknown entities are skipped",
         "0\nLWPOLYLINE\n90\n2\n10\n1\n20\n1\n10\n2\n20\n2\n0\nSPLINE\n0\nCIRCLE\n40\n1\n",
         {"cutCircle"}},
    };
    for (const auto& c : cases) {
        QStringList types;
        for (const Tshape& shape : imported(drawing(c.entities)))
            types.append(shape.Type);
        EXPECT_EQ(types, c.types) << c.name;
    }
}

TEST(DxfImport, MissingGroupsTakeTheDefaultNotThePreviousEntitysValue)
{
    const ShapeList objects = imported(drawing("0\nLINE\n10\n10\n20\n70\n11\n110\n21\n20\n"
                                               "0\nLINE\n10\n20\n20\n60\n21\n30\n"));
    ASSERT_EQ(objects.size(), 2);
    // No "11": the end x is the drawing's 0, which lies 10 mm left of the label's edge.
    EXPECT_FLOAT_EQ(objects[1].endX, -100);
    EXPECT_FLOAT_EQ(objects[1].endY, 400);
}

TEST(DxfImport, DrawingsAsCadProgramsWriteThem)
{
    QByteArray crlf = drawing("0\nLINE\n10\n10\n20\n70\n11\n110\n21\n20\n");
    crlf.replace("\n", "\r\n");
    // Whatever follows the EOF marker is not part of the drawing.
    crlf += "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nCIRCLE\r\n40\r\n1\r\n0\r\nENDSEC\r\n";
    EXPECT_EQ(imported(crlf).size(), 1);

    // Group codes right-aligned in three columns, as many exporters write them.
    const ShapeList padded = imported(drawing("  0\nCIRCLE\n 10\n60.0\n 20\n45.0\n 40\n5.0\n"));
    ASSERT_EQ(padded.size(), 1);
    EXPECT_EQ(padded[0].printLeft, 450);
}

TEST(DxfImport, MissingExtentsCountAsZeroWithAWarning)
{
    Tobject document;
    const DxfImportResult result =
        importText(document, "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1\n20\n2\n11\n3\n21\n4\n"
                             "0\nENDSEC\n0\nEOF\n");
    ASSERT_EQ(document.objects.size(), 1);
    EXPECT_FLOAT_EQ(document.objects[0].startX, 10);
    EXPECT_FLOAT_EQ(document.objects[0].startY, -20);
    EXPECT_EQ(result.warnings.size(), 1);
}

TEST(DxfImport, OneUndoSnapshotTakesBackTheWholeImport)
{
    Tobject document;
    document.AddCutLine(1, 2, 3, 4, 1, 1, 0);
    const ShapeList before = document.objects;
    importText(document, drawing("0\nCIRCLE\n40\n1\n0\nLINE\n11\n1\n0\nCIRCLE\n40\n2\n"
                                 "0\nELLIPSE\n11\n1\n40\n1\n"));
    ASSERT_EQ(document.objects.size(), 5);
    EXPECT_TRUE(document.modified);
    // Only the newest imported object stays selected, as after any add operation.
    QList<bool> selected;
    for (const Tshape& shape : document.objects)
        selected.append(shape.Selected);
    EXPECT_EQ(selected, (QList<bool>{false, false, false, false, true}));
    document.Undo();
    EXPECT_EQ(document.objects, before);
}

TEST(DxfImport, BadDrawingsAreReportedAndKeepWhatWasAddedBefore)
{
    const QByteArray twoLines = "0\nLINE\n10\n1\n20\n1\n11\n2\n21\n2\n"
                                "0\nLINE\n10\n1\n20\n1\n11\n2\n21\n2\n";
    Tobject document;
    const DxfImportResult badNumber = importText(document, drawing(twoLines + "0\nCIRCLE\n10\n1,5\n"));
    EXPECT_FALSE(badNumber.ok());
    EXPECT_EQ(badNumber.added, 2);
    EXPECT_EQ(document.objects.size(), 2);

    Tobject header;
    const DxfImportResult badExtent = importText(header, drawing("", "9\n$EXTMIN\n10\nabc\n20\n0\n"));
    EXPECT_EQ(badExtent.error, QStringLiteral("DXF文件第8行的“abc”不是数字"));
    ASSERT_TRUE(badExtent.stop.has_value());
    EXPECT_EQ(badExtent.stop->line, 8);
    Tobject huge;
    EXPECT_FALSE(importText(huge, drawing("0\nCIRCLE\n40\n1e300\n")).ok());

    Tobject binary;
    binary.AddCutLine(1, 2, 3, 4, 1, 1, 0);
    binary.TakeSnapshot();
    const DxfImportResult refused =
        importText(binary, QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22) + "\x00\x01LINE");
    EXPECT_FALSE(refused.ok());
    EXPECT_FALSE(refused.stop) << "refused as a whole, not stopped at a value";
    EXPECT_EQ(binary.objects.size(), 1);
    EXPECT_EQ(binary.undoList.size(), 1);

    // Cut off inside the last entity: it is not imported, and the operator is told.
    Tobject truncated;
    const DxfImportResult cut = importText(
        truncated, "0\nSECTION\n2\nENTITIES\n" + twoLines + "0\nCIRCLE\n10\n1\n20\n");
    EXPECT_EQ(truncated.objects.size(), 2);
    EXPECT_EQ(cut.warnings.size(), 2); // the cut-off entity and the missing extents

    Tobject crowded;
    const DxfImportResult refusedCrowd =
        importText(crowded, drawing(QByteArray("0\nCIRCLE\n").repeated(100001)));
    EXPECT_FALSE(refusedCrowd.ok());
    EXPECT_TRUE(crowded.objects.isEmpty());
    EXPECT_EQ(imported(drawing(QByteArray("0\nCIRCLE\n").repeated(100000))).size(), 100000);

    Tobject empty;
    const DxfImportResult nothing = importText(empty, drawing("0\nTEXT\n1\nLINE\n"));
    EXPECT_TRUE(nothing.ok());
    EXPECT_EQ(nothing.warnings.size(), 1) << "the operator learns that nothing was found";

    Tobject missing;
    EXPECT_FALSE(importDxf(missing, QStringLiteral("/nonexistent/drawing.dxf")).ok());
    EXPECT_FALSE(missing.undoAvailable);
}

// A drawing is made of sections; another file imported as an empty drawing would hide the
// mistake, so it is refused and the label keeps what it held.
TEST(DxfImport, FilesThatAreNoDrawingAreRefused)
{
    const struct {
        const char* description;
        QByteArray bytes;
        bool drawing;
    } rows[] = {
        {"empty file", "", false},
        {"text", "hello\nworld\n", false},
        {"label file", "<?xml version=\"1.0\"?><Object><Label/></Object>", false},
        {"pairs without a section", "0\nLINE\n10\n1\n20\n1\n11\n2\n21\n2\n0\nEOF\n", false},
        {"section header only", "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n", true},
    };
    for (const auto& row : rows) {
        Tobject document;
        document.AddCutLine(1, 2, 3, 4, 1, 1, 0);
        const DxfImportResult result = importText(document, row.bytes);
        EXPECT_EQ(result.ok(), row.drawing) << row.description;
        EXPECT_EQ(result.error, row.drawing ? QString() : QStringLiteral("不是DXF图形文件")) << row.description;
        EXPECT_EQ(document.objects.size(), 1) << row.description;
    }
}

TEST(DxfImport, SurvivesDamagedDrawings)
{
    const QByteArray original = drawing("0\nLINE\n10\n10\n20\n70\n11\n110\n21\n20\n"
                                        "0\nARC\n10\n60\n20\n45\n40\n5\n50\n270\n51\n90\n"
                                        "0\nELLIPSE\n10\n60\n20\n45\n11\n0\n21\n20\n40\n0.5\n");
    QRandomGenerator random(13);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = original;
        for (int k = 0; k < 5; ++k) {
            const auto at = random.bounded(static_cast<int>(damaged.size()));
            switch (random.bounded(3)) {
            case 0:
                damaged[at] = static_cast<char>(random.bounded(256));
                break;
            case 1:
                damaged.remove(at, random.bounded(20));
                break;
            default:
                damaged.truncate(at);
                break;
            }
            if (damaged.isEmpty())
                break;
        }
        Tobject document;
        const DxfImportResult result = importText(document, damaged);
        EXPECT_EQ(document.objects.size(), result.added) << "round " << round;
        EXPECT_LE(document.objects.size(), 3) << "round " << round;
    }
}

TEST(DxfImport, NewLabelHoldsTheDrawing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drawing.dxf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(drawing("0\nCIRCLE\n10\n60\n20\n45\n40\n5\n"));
    file.close();

    const DxfLabel label = importDxfLabel(path, 1300, 900);
    EXPECT_TRUE(label.result.ok());
    EXPECT_EQ(label.document.labelWidth, 1300);
    EXPECT_EQ(label.document.labelHeight, 900);
    ASSERT_EQ(label.document.objects.size(), 1);
    EXPECT_EQ(label.document.objects[0].Type, "cutCircle");
}

} // namespace

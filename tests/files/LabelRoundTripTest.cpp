#include "LabelTestData.h"

#include "files/FileError.h"
#include "files/LabelFormat.h"
#include "model/MessageService.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

LabelLoadResult readInto(LabelState& state, const QByteArray& bytes)
{
    return readLabel(bytes, QStringLiteral("test.xml"), state.target());
}

TEST(LabelRoundTrip, EveryFieldOfEveryKindAndEverySettingReadsBack)
{
    LabelState saved = everyKindLabel();
    setDistinctSettings(saved);
    LabelState loaded;
    const LabelLoadResult result = readInto(loaded, saved.bytes());

    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(result.settingsComplete);
    ASSERT_EQ(loaded.document.objects.size(), saved.document.objects.size());
    for (qsizetype i = 0; i < saved.document.objects.size(); ++i)
        EXPECT_EQ(loaded.document.objects[i], saved.document.objects[i]) << "object " << i;
    EXPECT_EQ(loaded.job, saved.job);
    LabelSettings expected = saved.label;
    expected.Zoom = saved.document.zoom; // the file carries the view's zoom
    EXPECT_EQ(loaded.label, expected);
    EXPECT_EQ(loaded.document.zoom, 1.5f);
    EXPECT_EQ(loaded.document.labelLock, saved.label.labelLock);
    EXPECT_EQ(loaded.document.bgFile, saved.label.BGFile);
    EXPECT_EQ(loaded.document.bgWidth, saved.label.BGWidth);
    EXPECT_EQ(loaded.document.labelWidth, saved.label.Width);
    EXPECT_FALSE(loaded.document.modified);
}

TEST(LabelRoundTrip, AFileTheProgramWroteIsWrittenBackByteForByte)
{
    LabelState first = everyKindLabel();
    setDistinctSettings(first);
    first.document.objects[4].CenterX = 0.1 + 0.2; // needs 17 digits: the file keeps 15
    const QByteArray written = first.bytes();

    LabelState second;
    readInto(second, written);
    EXPECT_NEAR(second.document.objects[4].CenterX, 0.3, 1e-15);
    EXPECT_EQ(second.bytes(), written);
}

TEST(LabelRoundTrip, ValuesAreWrittenInTheFileForms)
{
    LabelState state;
    state.document.zoom = 0.75f;
    state.job.mcX = 66.667f;
    Tshape text = makeShape(ShapeKind::PrintString);
    text.strGap = 1.1f;
    text.fontSize = 1.5f;
    text.widthFactor = 0.000001f;
    text.Selected = true;
    text.Stretch = false;
    text.printLeft = -12;
    state.document.objects.append(text);
    Tshape bar = makeShape(ShapeKind::PrintBar);
    bar.beginStr = QStringLiteral(" (");
    state.document.objects.append(bar);
    Tshape arc = makeShape(ShapeKind::CutArc);
    arc.CenterX = 1e15;
    state.document.objects.append(arc);

    const QByteArray bytes = state.bytes();
    const struct {
        const char* expected;
    } rows[] = {
        {"<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Object><Label><Width>1300</Width>"},
        {"<Zoom>0.75</Zoom>"},
        {"<mcX>66.667</mcX>"},
        {"<strGap>1.10000002384186</strGap>"},
        {"<fontSize>1.5</fontSize>"},
        {"<widthFactor>9.99999997475243E-7</widthFactor>"},
        {"<Selected>1</Selected><Stretch>0</Stretch><Type>printString</Type>"},
        {"<printLeft>-12</printLeft>"},
        {"<beginStr>* (*</beginStr><endStr>**</endStr>"},
        {"<CenterX>1E15</CenterX>"},
        {"</cutArc></Object>\n"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(bytes.contains(row.expected)) << row.expected;
    // No indentation and no line breaks between elements.
    EXPECT_EQ(bytes.count('\n'), 2);
}

TEST(LabelRoundTrip, ElementsAreWrittenInTheOrderOfTheFormat)
{
    const QString head = QStringLiteral("Left,Top,Right,Bottom,printLeft,printTop,printRight,printBottom,Selected,Stretch,Type,");
    const struct {
        const char* element;
        QString children;
    } rows[] = {
        {"cutRect", head + "ifPrint"},
        {"cutCircle", head + "ifPrint"},
        {"cutHalfCircle", head + "R,printR,ifPrint"},
        {"cutRoundRect", head + "R,printR,ifPrint,direction,gapPos,gapDistance,gapLenth,gapOffset,delayms"},
        {"cutArc", head + "CenterX,CenterY,Radiu,SAngle,EAngle,ifPrint,startDown,endUp,direction"},
        {"cutLine", head + "direction,ifPrint,startDown,endUp,Delay,startX,startY,endX,endY"},
        {"cutImage", head + "fileName,ifPrint"},
        {"printImage", head + "fileName,ifPrint"},
        {"printLine", head + "direction,lineWidth,ifPrint"},
        {"printRect", head + "R,printR,lineWidth,printLineWidth,isSolid,ifPrint"},
        {"printString", "name," + head + "str,strGap,direction,fontName,fontSize,bold,italic,underLine,strikeOut,"
                                         "printSize,ifPrint,serialNo,widthFactor,heightFactor,DBField,DBType,DBDateStyle"},
        {"printBar", "name," + head + "barType,barValue,direction,barWidth,wideBarWidth,barHeight,selfAdd,ifPrint,"
                                      "displayCode,DBField,fontName,fontSize,bold,italic,underLine,strikeOut,strGap,"
                                      "widthFactor,heightFactor,alignMode,if39Star,xOffset,yOffset,beginStr,endStr"},
        {"printQRBar", "name," + head + "barLevel,barValue,direction,barWidth,ifPrint,DBField"},
        {"printDataMatrix", "name," + head + "barLevel,barValue,direction,barWidth,ifPrint,DBField"},
        {"printPdf417Bar", "name," + head + "barLevel,barValue,direction,barWidth,barHeight,barColumn,ifPrint,DBField"},
    };
    const QByteArray bytes = everyKindLabel().bytes();
    for (const auto& row : rows)
        EXPECT_EQ(childNames(bytes, row.element).join(u','), row.children) << row.element;

    const QStringList settings = childNames(bytes, "Label");
    ASSERT_EQ(settings.size(), 58);
    const struct {
        int position; // from 1
        const char* name;
    } settingRows[] = {{1, "Width"}, {6, "quantity"}, {7, "Zoom"}, {13, "cutPort"}, {22, "ostrel"},
                       {27, "printStatusPort"}, {36, "ifBlack"}, {43, "cutBaud"}, {46, "mcY"},
                       {48, "dbName"}, {53, "BGFile"}, {58, "labelLock"}};
    for (const auto& row : settingRows)
        EXPECT_EQ(settings.at(row.position - 1), QLatin1StringView(row.name)) << row.position;
}

TEST(LabelRoundTrip, ARecordOfNoKnownKindIsNotWritten)
{
    LabelState state;
    Tshape stray;
    stray.Type = QStringLiteral("cutStar");
    state.document.objects.append(stray);
    state.document.objects.append(makeShape(ShapeKind::CutRect));
    LabelState loaded;
    readInto(loaded, state.bytes());
    ASSERT_EQ(loaded.document.objects.size(), 1);
    EXPECT_EQ(loaded.document.objects[0].Type, u"cutRect");
}

TEST(LabelSave, ReplacesTheFileAndClearsModified)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.xml"));
    ASSERT_TRUE(writeFile(path, QByteArray(100000, 'x')));

    LabelState state = everyKindLabel();
    state.document.modified = true;
    SaveLabel(path, state.document, state.label, state.job);
    EXPECT_FALSE(state.document.modified);
    EXPECT_EQ(testing_support::fileContent(path), state.bytes());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

TEST(LabelSave, AFailedSaveKeepsTheDocumentModifiedAndTheOldFile)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    ASSERT_TRUE(writeFile(blocker, "keep me"));

    LabelState state = everyKindLabel();
    state.document.modified = true;
    const QString paths[] = {blocker + QStringLiteral("/label.xml"), dir.path()};
    for (const QString& path : paths) {
        EXPECT_THROW(SaveLabel(path, state.document, state.label, state.job), FileError) << path.toStdString();
        EXPECT_TRUE(state.document.modified);
    }
    EXPECT_EQ(testing_support::fileContent(blocker), QByteArray("keep me"));
}

TEST(LabelLoad, AMissingFileShowsTheMessageAndChangesNothing)
{
    RecordingMessageService messages;
    LabelState state = everyKindLabel();
    const ShapeList before = state.document.objects;
    const LabelLoadResult result =
        LoadLabel(QStringLiteral("/nonexistent/label.xml"), state.target(), nullptr);
    EXPECT_FALSE(result.fileFound);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].caption, u"提示");
    EXPECT_EQ(messages.messages[0].text, u"文件不存在！");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(state.document.objects, before);
}

TEST(LabelLoad, ThePreviousObjectsStayInTheUndoList)
{
    LabelState state = everyKindLabel();
    const ShapeList previous = state.document.objects;
    LabelState other;
    other.document.objects.append(makeShape(ShapeKind::CutCircle));
    readInto(state, other.bytes());
    EXPECT_EQ(state.document.objects.size(), 1);
    EXPECT_TRUE(state.document.undoAvailable);
    state.document.Undo();
    EXPECT_EQ(state.document.objects, previous);
}

} // namespace

namespace {

TEST(LabelExamples, TheExamplesAreLabelsTheProgramWrote)
{
    const struct {
        const char* file;
        qsizetype objects;
    } rows[] = {{"examples/sample.xml", 9}, {"examples/reference-200.xml", 200}};
    for (const auto& row : rows) {
        const QString path = testing_support::sourcePath(QString::fromLatin1(row.file));
        const QByteArray bytes = testing_support::fileContent(path);
        ASSERT_FALSE(bytes.isEmpty()) << row.file;
        LabelState state;
        const LabelLoadResult result = readLabel(bytes, path, state.target());
        EXPECT_TRUE(result.complete && result.settingsComplete) << row.file;
        EXPECT_EQ(state.document.objects.size(), row.objects) << row.file;
        EXPECT_EQ(state.bytes(), bytes) << row.file;
        for (const Tshape& shape : state.document.objects) {
            if (!shape.fileName.isEmpty()) {
                EXPECT_TRUE(QFile::exists(testing_support::sourcePath(shape.fileName)))
                    << shape.fileName.toStdString();
            }
        }
    }
}

} // namespace

#include "LabelTestData.h"

#include "files/FileError.h"

#include <gtest/gtest.h>

namespace {

// Reads bytes into a state whose settings start from distinctive values, so that a setting
// that was (or was not) read shows.
struct Loaded {
    LabelState state;
    LabelLoadResult result;
};

Loaded load(const QByteArray& bytes)
{
    Loaded loaded;
    setDistinctSettings(loaded.state);
    loaded.state.document.zoom = 2.0f;
    loaded.result = readLabel(bytes, QStringLiteral("test.xml"), loaded.state.target());
    return loaded;
}

// A file with default settings and one record of every kind.
QByteArray everyKindFile()
{
    return everyKindLabel().bytes();
}

const Tshape& objectOfKind(const Loaded& loaded, ShapeKind kind)
{
    for (const Tshape& shape : loaded.state.document.objects) {
        if (shape.kind() == kind)
            return shape;
    }
    static const Tshape none;
    ADD_FAILURE() << "no object of kind " << typeName(kind).toStdString();
    return none;
}

TEST(LabelReadRules, AFileWithoutIfPrintYieldsPrintedObjects)
{
    LabelState state = everyKindLabel();
    for (Tshape& shape : state.document.objects)
        shape.ifPrint = false;
    const Loaded loaded = load(withoutElement(state.bytes(), "ifPrint"));
    ASSERT_EQ(loaded.state.document.objects.size(), 15);
    for (const Tshape& shape : loaded.state.document.objects)
        EXPECT_TRUE(shape.ifPrint) << shape.Type.toStdString();
}

TEST(LabelReadRules, TextsWithoutTheirNewerGroupsTakeTheDefaults)
{
    QByteArray bytes = everyKindFile();
    for (const char* name : {"serialNo", "widthFactor", "heightFactor", "DBField", "DBDateStyle", "DBType"})
        bytes = withoutElement(bytes, name);
    const Loaded loaded = load(bytes);
    const Tshape& text = objectOfKind(loaded, ShapeKind::PrintString);
    EXPECT_EQ(text.serialNo, 0);
    EXPECT_EQ(text.widthFactor, 1.0f);
    EXPECT_EQ(text.heightFactor, 1.0f);
    EXPECT_EQ(text.DBField, QString());
    EXPECT_EQ(text.DBDateStyle, 0);
    EXPECT_EQ(text.DBType, u"文本");
    EXPECT_TRUE(loaded.result.complete);
}

TEST(LabelReadRules, AGroupWithDefaultsFallsBackAsAWhole)
{
    // ifDBPrint is malformed: quantity, read before it, still takes its default.
    const Loaded loaded = load(withText(withText(everyKindFile(), "quantity", "25"), "ifDBPrint", "x"));
    EXPECT_EQ(loaded.state.job.quantity, u"1");
    EXPECT_EQ(loaded.state.job.dbName, QString());
    EXPECT_EQ(loaded.state.job.ifDBPrint, 0);
    EXPECT_TRUE(loaded.result.settingsComplete);
}

TEST(LabelReadRules, ALabelWithoutTheDataGroupStillReadsBackgroundAndLock)
{
    LabelState saved;
    saved.job.quantity = QStringLiteral("40");
    saved.job.dbName = QStringLiteral("book.xls");
    saved.job.printFile = QStringLiteral("a.btw");
    saved.job.ifPrintFile = 1;
    saved.label.BGFile = QStringLiteral("bg.bmp");
    saved.label.BGWidth = 77;
    saved.label.labelLock = 1;
    QByteArray bytes = saved.bytes();
    for (const char* name : {"quantity", "dbName", "tableName", "ifDBPrint", "printFile", "ifPrintFile"})
        bytes = withoutElement(bytes, name);
    const Loaded loaded = load(bytes);
    EXPECT_EQ(loaded.state.job.quantity, u"1");
    EXPECT_EQ(loaded.state.job.dbName, QString());
    EXPECT_EQ(loaded.state.job.printFile, QString());
    EXPECT_EQ(loaded.state.job.ifPrintFile, 0);
    EXPECT_EQ(loaded.state.label.BGFile, u"bg.bmp");
    EXPECT_EQ(loaded.state.label.BGWidth, 77);
    EXPECT_EQ(loaded.state.document.bgFile, u"bg.bmp");
    EXPECT_EQ(loaded.state.label.labelLock, 1);
    EXPECT_EQ(loaded.state.document.labelLock, 1);
}

TEST(LabelReadRules, TheFirstFailingRequiredSettingEndsTheSettings)
{
    const LabelState before = [] {
        LabelState state;
        setDistinctSettings(state);
        return state;
    }();
    const struct {
        const char* element;
        const char* text; // nullptr: the element is removed
        int widthRead;    // the Width the label ends with
        bool cutLeftRead;
    } rows[] = {
        {"Width", nullptr, before.label.Width, false},
        {"Width", "1234567890123456789012345678901234567890", before.label.Width, false},
        {"Zoom", "0", 1300, false},
        {"cutTop", "abc", 1300, true},
    };
    for (const auto& row : rows) {
        const QByteArray bytes = row.text ? withText(everyKindFile(), row.element, row.text)
                                          : withoutElement(everyKindFile(), row.element);
        const Loaded loaded = load(bytes);
        EXPECT_EQ(loaded.state.label.Width, row.widthRead) << row.element;
        EXPECT_EQ(loaded.state.document.labelWidth, row.widthRead) << row.element;
        EXPECT_EQ(loaded.state.job.cutLeft, row.cutLeftRead ? 0 : before.job.cutLeft) << row.element;
        // Settings after the failure keep their values, the objects are still loaded.
        EXPECT_EQ(loaded.state.job.NullSpeed, before.job.NullSpeed) << row.element;
        EXPECT_EQ(loaded.state.job.quantity, before.job.quantity) << row.element;
        EXPECT_FALSE(loaded.result.settingsComplete) << row.element;
        EXPECT_EQ(loaded.result.settingsStop.field, QLatin1StringView(row.element));
        EXPECT_EQ(loaded.state.document.objects.size(), 15) << row.element;
        EXPECT_TRUE(loaded.result.complete);
    }
}

TEST(LabelReadRules, AGroupWithoutDefaultsKeepsWhatItReadBeforeTheFailure)
{
    LabelState saved;
    saved.job.ifGoLeft = 0;
    saved.job.ifGoRight = 1;
    const Loaded loaded = load(withText(saved.bytes(), "ifGoDown", "?"));
    EXPECT_EQ(loaded.state.job.ifGoLeft, 0);
    EXPECT_EQ(loaded.state.job.ifGoRight, 1);
    LabelState distinct;
    setDistinctSettings(distinct);
    EXPECT_EQ(loaded.state.job.ifGoDown, distinct.job.ifGoDown);
    EXPECT_EQ(loaded.state.job.ifGoUp, distinct.job.ifGoUp);
    EXPECT_EQ(loaded.state.job.ifBlack, 0) << "reading goes on after the group";
}

TEST(LabelReadRules, MissingTextSettingsAreEmptyNotKept)
{
    const Loaded loaded = load(withoutElement(withoutElement(everyKindFile(), "cutBaud"), "printBaud"));
    EXPECT_EQ(loaded.state.job.cutBaud, QString());
    EXPECT_EQ(loaded.state.job.printBaud, QString());
    EXPECT_TRUE(loaded.result.settingsComplete);
}

TEST(LabelReadRules, DecimalSettingsAreTruncated)
{
    const struct {
        const char* element;
        const char* text;
        int JobSettings::*member;
        int expected;
    } rows[] = {
        {"cutLeft", "12.9", &JobSettings::cutLeft, 12},
        {"cutLeft", "-3.7", &JobSettings::cutLeft, -3},
        {"printSleep", "1e3", &JobSettings::printSleep, 1000},
        {"ostrel", "1.99", &JobSettings::ostrel, 1},
        {"printU1U2", " 7 ", &JobSettings::printU1U2, 7},
    };
    for (const auto& row : rows) {
        const Loaded loaded = load(withText(everyKindFile(), row.element, row.text));
        EXPECT_EQ(loaded.state.job.*row.member, row.expected) << row.element << " " << row.text;
    }
}

TEST(LabelReadRules, SettingsAreReadOnlyWhenLabelComesFirst)
{
    QByteArray bytes = everyKindFile();
    bytes.replace("<Object><Label>", "<Etikett><Other/><Label>").replace("</Object>", "</Etikett>");
    const Loaded loaded = load(bytes);
    LabelState distinct;
    setDistinctSettings(distinct);
    EXPECT_EQ(loaded.state.job, distinct.job);
    EXPECT_EQ(loaded.state.label.Width, distinct.label.Width);
    EXPECT_EQ(loaded.state.document.objects.size(), 15);
}

TEST(LabelReadRules, ObjectsEndAtTheFirstMalformedObject)
{
    const QByteArray file = everyKindFile();
    const struct {
        const char* description;
        QByteArray bytes;
        qsizetype objects;
        bool complete;
        const char* stopField;
        const char* keptField; // read past: every element of this name, written again, holds
        const char* kept;      // this text (the value the reader put in place of the bad one)
    } rows[] = {
        {"third object without printTop", withoutElement(file, "printTop", 2), 2, false, "printTop", nullptr,
         nullptr},
        {"a text without str", withoutElement(file, "str"), 15, true, "", "str", ""},
        {"a text without fontSize", withoutElement(file, "fontSize", 0), 9, false, "fontSize", nullptr, nullptr},
        {"a malformed ifPrint", withText(file, "ifPrint", "yes", 1), 1, false, "ifPrint", nullptr, nullptr},
        {"a malformed displayCode is ignored", withText(file, "displayCode", "x"), 15, true, "",
         "displayCode", "2"},
        {"a 40-digit number", withText(file, "Left", "1234567890123456789012345678901234567890", 5), 5,
         false, "Left", nullptr, nullptr},
        // Never infinity: the cutter would get it as a gap length.
        {"a float beyond single precision", withText(file, "gapDistance", "1e39"), 15, true, "",
         "gapDistance", "150"},
        {"a double beyond double precision", withText(file, "CenterX", "1e999"), 4, false, "CenterX", nullptr,
         nullptr},
    };
    for (const auto& row : rows) {
        const Loaded loaded = load(row.bytes);
        EXPECT_EQ(loaded.state.document.objects.size(), row.objects) << row.description;
        EXPECT_EQ(loaded.result.complete, row.complete) << row.description;
        EXPECT_EQ(loaded.result.objectStop.field, QLatin1StringView(row.stopField)) << row.description;
        if (!row.complete) {
            EXPECT_EQ(loaded.result.objectStop.object, row.objects + 1) << row.description;
        }
        if (row.keptField) {
            const QStringList texts = elementTexts(loaded.state.bytes(), row.keptField);
            EXPECT_FALSE(texts.isEmpty()) << row.description;
            for (const QString& text : texts)
                EXPECT_EQ(text, QLatin1StringView(row.kept)) << row.description;
        }
    }
}

TEST(LabelReadRules, AGroupWithoutDefaultsLeavesTheRestAtTheDialogValues)
{
    QByteArray bytes = withText(everyKindFile(), "gapLenth", "x");
    bytes = withoutElement(withoutElement(bytes, "startY"), "xOffset");
    const Loaded loaded = load(bytes);
    const LabelState saved = everyKindLabel();

    const Tshape& roundRect = objectOfKind(loaded, ShapeKind::CutRoundRect);
    const Tshape& savedRoundRect = saved.document.objects[1];
    EXPECT_EQ(roundRect.direction, savedRoundRect.direction);
    EXPECT_EQ(roundRect.gapPos, savedRoundRect.gapPos);
    EXPECT_EQ(roundRect.gapDistance, savedRoundRect.gapDistance);
    EXPECT_EQ(roundRect.gapLenth, 20.0f);
    EXPECT_EQ(roundRect.gapOffset, 0.0f);
    EXPECT_EQ(roundRect.delayms, 0);

    const Tshape& line = objectOfKind(loaded, ShapeKind::CutLine);
    EXPECT_EQ(line.startX, saved.document.objects[5].startX);
    EXPECT_EQ(line.startY, 0.0f);
    EXPECT_EQ(line.endX, 100.0f);
    EXPECT_EQ(line.endY, 100.0f);

    const Tshape& bar = objectOfKind(loaded, ShapeKind::PrintBar);
    EXPECT_EQ(bar.if39Star, saved.document.objects[10].if39Star);
    EXPECT_EQ(bar.xOffset, 0.0f);
    EXPECT_EQ(bar.yOffset, 0.0f);
    EXPECT_EQ(bar.beginStr, u" (") << "reading goes on after the group";
    EXPECT_TRUE(loaded.result.complete);
}

TEST(LabelReadRules, FreshRecordsStartFromTheDialogValues)
{
    QByteArray bytes = everyKindFile();
    for (const char* name : {"direction", "gapPos", "gapDistance", "gapLenth", "gapOffset", "delayms",
                             "displayCode", "fontName", "fontSize", "alignMode", "widthFactor"})
        bytes = withoutElement(bytes, name, -1);
    const Loaded loaded = load(bytes);
    // Texts need direction, so loading ends at the line; the round rectangle comes first.
    const Tshape& roundRect = objectOfKind(loaded, ShapeKind::CutRoundRect);
    EXPECT_EQ(roundRect.direction, 0);
    EXPECT_EQ(roundRect.gapPos, 1);
    EXPECT_EQ(roundRect.gapDistance, 150.0f);
    EXPECT_EQ(roundRect.gapLenth, 20.0f);
    EXPECT_EQ(roundRect.gapOffset, 0.0f);
    EXPECT_EQ(roundRect.delayms, 0);
    EXPECT_FALSE(loaded.result.complete);
    EXPECT_EQ(loaded.result.objectStop.element, u"cutLine");

    QByteArray barOnly = withoutElement(everyKindFile(), "displayCode");
    for (const char* name : {"fontName", "fontSize"})
        barOnly = withoutElement(barOnly, name, 1); // the bar's, after the text's
    barOnly = withoutElement(barOnly, "alignMode");
    const Loaded barLoaded = load(barOnly);
    const Tshape& bar = objectOfKind(barLoaded, ShapeKind::PrintBar);
    EXPECT_EQ(bar.displayCode, 2);
    EXPECT_EQ(bar.fontName, QString()) << "a missing text element reads as empty";
    EXPECT_EQ(bar.fontSize, 10.0f);
    EXPECT_EQ(bar.alignMode, 2);
    EXPECT_EQ(bar.widthFactor, 1.0f);
}

TEST(LabelReadRules, ElementsOutsideTheKindsAreSkippedAndTypeIsTheElementName)
{
    QByteArray bytes = everyKindFile();
    bytes.replace("<cutCircle>", "<Comment>x</Comment><cutCircle>");
    bytes = withText(bytes, "Type", "printBar", 0);
    const Loaded loaded = load(bytes);
    EXPECT_EQ(loaded.state.document.objects.size(), 15);
    EXPECT_EQ(loaded.state.document.objects[0].Type, u"cutRect");
}

// A label file's root is "Object"; a root of another name still reads when it holds what
// only a label holds. Any other XML is no label: read as an empty one, a save would
// overwrite it.
TEST(LabelReadRules, OnlyARootHoldingALabelIsRead)
{
    QByteArray labelOnly = everyKindFile();
    labelOnly.truncate(labelOnly.indexOf("</Label>") + 8);
    labelOnly += "</Object>";
    QByteArray objectsOnly = everyKindFile();
    objectsOnly.remove(objectsOnly.indexOf("<Label>"), objectsOnly.indexOf("</Label>") + 8 - objectsOnly.indexOf("<Label>"));
    const struct {
        const char* description;
        QByteArray bytes;
        qsizetype objects; // -1: refused as no label
    } rows[] = {
        {"settings only", labelOnly, 0},
        {"settings under another root", QByteArray(labelOnly).replace("Object>", "Labels>"), 0},
        {"objects under another root", QByteArray(objectsOnly).replace("Object>", "Labels>"), 15},
        {"a web page", "<html><head><title>Label</title></head><body/></html>", -1},
        {"other settings", "<config><Label2><Width>10</Width></Label2><cutRect2/></config>", -1},
    };
    for (const auto& row : rows) {
        if (row.objects < 0) {
            LabelState state = everyKindLabel();
            try {
                readLabel(row.bytes, QStringLiteral("page.xml"), state.target());
                ADD_FAILURE() << row.description << " was read";
            } catch (const FileError& error) {
                EXPECT_EQ(error.message(), u"page.xml: 不是标签文件") << row.description;
            }
            EXPECT_EQ(state.document.objects.size(), 15) << row.description;
            continue;
        }
        const Loaded loaded = load(row.bytes);
        EXPECT_EQ(loaded.state.document.objects.size(), row.objects) << row.description;
        EXPECT_TRUE(loaded.result.complete) << row.description;
    }
}

TEST(LabelReadRules, StarredTextsLoseTheirFirstAndLastCharacter)
{
    const struct {
        const char* text;
        QString expected;
    } rows[] = {{"* (*", QStringLiteral(" (")}, {"**", QString()}, {"*", QString()}, {"", QString()},
                {"[ab]", QStringLiteral("ab")}};
    for (const auto& row : rows) {
        const Loaded loaded = load(withText(everyKindFile(), "beginStr", row.text));
        EXPECT_EQ(objectOfKind(loaded, ShapeKind::PrintBar).beginStr, row.expected) << row.text;
    }
}

TEST(LabelReadRules, TheFirstElementOfANameCounts)
{
    QByteArray bytes = everyKindFile();
    bytes.replace("<Width>1300</Width>", "<Width>500</Width><Width>700</Width>");
    bytes.replace("<Type>cutRect</Type>", "<Type>cutRect</Type><printLeft>99</printLeft>");
    const Loaded loaded = load(bytes);
    EXPECT_EQ(loaded.state.label.Width, 500);
    EXPECT_EQ(loaded.state.document.objects[0].printLeft, everyKindLabel().document.objects[0].printLeft);
}

} // namespace

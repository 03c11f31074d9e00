#include "job/JobWindowForm.h"
#include "model/ConversionError.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Change = std::function<void(JobWindowForm&)>;
using Check = std::function<bool(const JobSettings&)>;

// What the window shows for a setting: lengths in millimetres, delays and counts in decimal.
TEST(JobWindowForm, ShowsEachSettingAsItsControlReadsIt)
{
    JobSettings settings;
    settings.Gap = 25;
    settings.printX = -15;
    settings.printU1U2 = 1300;
    settings.printSleep = 250;
    settings.counter = 41;
    settings.ifThread = 0;
    settings.ifDBPrint = 2; // any value but 0 ticks the box
    settings.printFile = QStringLiteral("/labels/goods.btw");
    const JobWindowForm form = jobWindowForm(settings, QStringLiteral("2-4,7,"));
    EXPECT_EQ(form.printer.txtPrintGap, QStringLiteral("2.5"));
    EXPECT_EQ(form.printer.txtPrintX, QStringLiteral("-1.5"));
    EXPECT_EQ(form.printer.txtPrintU1U2, QStringLiteral("130"));
    EXPECT_EQ(form.txtPrintSleep, QStringLiteral("250"));
    EXPECT_EQ(form.txtCounter, QStringLiteral("41"));
    EXPECT_FALSE(form.chbThread);
    EXPECT_TRUE(form.chbIfDB);
    EXPECT_EQ(form.txtPrintFile, settings.printFile);
    EXPECT_EQ(form.txtRecord, QStringLiteral("2-4,7,")); // the window keeps its last range
    EXPECT_EQ(form.printer.txtQuantity, form.cutter.txtQuantity);
}

// Every setting the window can change comes back from its control: a change the comparison
// on closing does not see is lost with an unsaved label.
TEST(JobWindowForm, StoresEveryControlInItsSetting)
{
    const struct {
        const char* name;
        Change change;
        Check stored;
    } cases[] = {
        {"gap 2.57 mm keeps whole tenths", [](auto& f) { f.printer.txtPrintGap = QStringLiteral("2.57"); },
         [](const JobSettings& s) { return s.Gap == 25; }},
        {"negative offset truncates toward zero", [](auto& f) { f.printer.txtPrintX = QStringLiteral("-1.55"); },
         [](const JobSettings& s) { return s.printX == -15; }},
        {"offset y", [](auto& f) { f.printer.txtPrintY = QStringLiteral("3"); },
         [](const JobSettings& s) { return s.printY == 30; }},
        {"feed adjustment in millimetres", [](auto& f) { f.printer.txtPrintU1U2 = QStringLiteral("-0.5"); },
         [](const JobSettings& s) { return s.printU1U2 == -5; }},
        {"print direction", [](auto& f) { f.printer.cmbPrintRotation = 3; },
         [](const JobSettings& s) { return s.printRotation == 3; }},
        {"pulse factor typed", [](auto& f) { f.cutter.cmbMcX = QStringLiteral("39.37"); },
         [](const JobSettings& s) { return s.mcX == 39.37f; }},
        {"pulse factor y", [](auto& f) { f.cutter.cmbMcY = QStringLiteral("43"); },
         [](const JobSettings& s) { return s.mcY == 43.0f; }},
        {"format file", [](auto& f) { f.txtPrintFile = QStringLiteral("a.btw"); },
         [](const JobSettings& s) { return s.printFile == u"a.btw"; }},
        {"records", [](auto& f) { f.chbIfDB = true; }, [](const JobSettings& s) { return s.ifDBPrint == 1; }},
        {"counter", [](auto& f) { f.txtCounter = QStringLiteral("12"); },
         [](const JobSettings& s) { return s.counter == 12; }},
        {"quantity as typed", [](auto& f) { f.printer.txtQuantity = QStringLiteral(" 7"); },
         [](const JobSettings& s) { return s.quantity == u" 7"; }},
        {"carriage stays across", [](auto& f) { f.cutter.rbGoLeft = false; },
         [](const JobSettings& s) { return s.ifGoLeft == 0 && s.ifGoRight == 0; }},
        {"cut speed from the list text", [](auto& f) { f.cutter.cmbCutSpeed = QStringLiteral("90"); },
         [](const JobSettings& s) { return s.cutSpeed == 90; }},
        {"printer baud", [](auto& f) { f.printer.cmbPrintBaud = QStringLiteral("9600"); },
         [](const JobSettings& s) { return s.printBaud == u"9600"; }},
        {"echo mode off", [](auto& f) { f.chbThread = false; }, [](const JobSettings& s) { return s.ifThread == 0; }},
        {"margin below the limit", [](auto& f) { f.cutter.txtCutLeftMargin = QStringLiteral("129.9"); },
         [](const JobSettings& s) { return s.cutLeft == 1299; }},
    };
    for (const auto& c : cases) {
        const JobSettings before;
        JobSettings settings = before;
        JobWindowForm form = jobWindowForm(settings);
        c.change(form);
        EXPECT_TRUE(storeJobWindowForm(form, settings).message.isEmpty()) << c.name;
        EXPECT_TRUE(c.stored(settings)) << c.name;
        EXPECT_NE(settings, before) << c.name << ": the label would not be marked modified";
    }
}

// Opening and closing the window without touching it changes nothing, so an untouched label
// is not marked modified.
TEST(JobWindowForm, AnUntouchedWindowGivesBackTheSameSettings)
{
    std::vector<JobSettings> labels(3);
    labels[1].Gap = 33;
    labels[1].printX = -7;
    labels[1].mcX = 15.79f;
    labels[1].ifGoLeft = 0;
    labels[1].ifGoDown = 1;
    labels[1].ifGoUp = 0;
    labels[1].cutLeft = 1299;
    labels[2].mcY = 16.75f;
    labels[2].printU1U2 = -4000;
    labels[2].counter = 99999;
    labels[2].ifCutSpeed = 1;
    labels[2].cutSpeed = 150;
    for (const JobSettings& label : labels) {
        JobSettings settings = label;
        EXPECT_TRUE(storeJobWindowForm(jobWindowForm(settings), settings).message.isEmpty());
        EXPECT_EQ(settings, label);
    }
}

// A text that is no number, wherever it stands in the closing order, leaves every setting
// as it was: none is written before all are converted.
TEST(JobWindowForm, ClosingConvertsEveryControlBeforeStoringAny)
{
    const Change changes[] = {
        [](auto& f) { f.printer.txtPrintU1U2 = QStringLiteral("x"); }, // early in the order
        [](auto& f) { f.cutter.txtMoveAfterCut = QStringLiteral("1.5"); },
        [](auto& f) { f.printer.txtPrintY = QStringLiteral("3mm"); }, // last of the numbers
    };
    for (const Change& change : changes) {
        JobSettings settings;
        JobWindowForm form = jobWindowForm(settings);
        form.txtCounter = QStringLiteral("8");
        form.printer.cmbPrintPort = QStringLiteral("com3");
        change(form);
        EXPECT_THROW(storeJobWindowForm(form, settings), ConversionError);
        EXPECT_EQ(settings, JobSettings{});
    }
}

TEST(JobWindowForm, MarginChecksRefuseWhatTheCutterCannotReach)
{
    const QString tooWide = QStringLiteral("雕刻右边距的数值太大了！");
    const QString tooLow = QStringLiteral("雕刻下边距的数值太大了！");
    const QString notNumber = QStringLiteral("请输入正确的数值！");
    const struct {
        bool left;
        const char* text;
        int tenths;
        QString problem;
    } cases[] = {
        {true, "130", 1300, tooWide}, // the working width itself is out of reach
        {true, "129.99", 1299, QString()},
        {true, "-5", -50, QString()},
        {true, "1,5", 0, notNumber},
        {false, "300", 3000, tooLow},
        {false, "299.9", 2999, QString()},
        {false, "", 0, notNumber},
    };
    const JobSettings settings;
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const MarginCheck check = c.left ? checkLeftMargin(text, settings) : checkTopMargin(text, settings);
        EXPECT_EQ(check.problem.message, c.problem) << c.text;
        EXPECT_EQ(check.problem.control.isEmpty(), c.problem.isEmpty()) << c.text;
        if (c.problem != notNumber) {
            EXPECT_EQ(check.tenths, c.tenths) << c.text;
        }

        // Closing with the margin refused keeps the window open and the setting untouched.
        JobSettings closing;
        JobWindowForm form = jobWindowForm(closing);
        (c.left ? form.cutter.txtCutLeftMargin : form.cutter.txtCutTopMargin) = text;
        EXPECT_EQ(storeJobWindowForm(form, closing), check.problem) << c.text;
        if (!c.problem.isEmpty()) {
            EXPECT_EQ(closing, JobSettings{}) << c.text;
        }
    }
}

TEST(JobWindowForm, RecordsNeedAWorkbookAndASheet)
{
    const struct {
        const char* book;
        const char* sheet;
        bool refused;
    } cases[] = {
        {"", "", true},
        {"/data/goods.xlsx", "", true},
        {"", "货品", true},
        {"/data/goods.xlsx", "货品", false},
    };
    for (const auto& c : cases) {
        JobSettings settings;
        settings.dbName = QString::fromUtf8(c.book);
        settings.tableName = QString::fromUtf8(c.sheet);
        EXPECT_EQ(dataSourceProblem(settings), c.refused ? QStringLiteral("请先进行数据库设置！") : QString())
            << c.book << "|" << c.sheet;
    }
}

} // namespace

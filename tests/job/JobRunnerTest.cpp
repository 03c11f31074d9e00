#include "CutJobSupport.h"
#include "GoodsBook.h"

#include "data/Tdm.h"
#include "job/CutJob.h"
#include "job/JobRunner.h"
#include "job/LabelProgramSession.h"
#include "job/RecordingLabelProgram.h"
#include "model/MessageService.h"
#include "model/TextCodec.h"
#include "ports/WaitPumping.h"
#include "support/PtyPair.h"
#include "support/SimulatedMachine.h"
#include "support/TestApp.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testing_support::SimulatedMachine;

const QByteArray kPrinterFault = QByteArrayLiteral("# B6 @");

Tshape productCode()
{
    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.barWidth = 4;
    qr.barValue = QStringLiteral("存货");
    return qr;
}

// A text printed as a picture whose label job outgrows what a line holds unread, so that it
// drains only as fast as the printer takes it.
Tshape largeText()
{
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("8888888888");
    text.fontName = QStringLiteral("DejaVu Sans");
    text.printSize = 72;
    text.widthFactor = 1;
    text.heightFactor = 1;
    return text;
}

// A label with a printed symbol and a cut rectangle, the job window's controls as the
// settings show them, and marlune-sim on the other side of the ports with its logs.
struct MachineRun {
    explicit MachineRun(const QStringList& machineOptions = {})
        : sim(QStringList{QStringLiteral("--print-ms"), QStringLiteral("20"), QStringLiteral("--printer-log"),
                          dir.filePath(QStringLiteral("printer.log")), QStringLiteral("--cutter-log"),
                          dir.filePath(QStringLiteral("cutter.log"))}
              + machineOptions)
    {
        settings.counter = 5;
        controls = StoredRunControls(settings);
        controls.printerControls.cmbPrintPort = sim.printerPath();
        controls.printerControls.cmbPrintStatusPort = sim.statusPath();
        controls.cutterControls.cmbCutPort = sim.cutterPath();
    }

    QByteArray printerLog() const { return testing_support::fileContent(dir.filePath(QStringLiteral("printer.log"))); }
    QByteArray cutterLog() const { return testing_support::fileContent(dir.filePath(QStringLiteral("cutter.log"))); }
    // A command the machine takes without a reply may still be on its way into its log when
    // the run ends: the log as soon as it holds what is expected.
    QByteArray cutterLogOf(const QByteArray& expected) const
    {
        awaitLog([&] { return cutterLog().size() >= expected.size(); });
        return cutterLog();
    }
    void awaitLog(const std::function<bool()>& holds) const
    {
        QTimer look;
        look.start(10);
        waitPumping(holds, QDeadlineTimer(10000));
    }
    qsizetype labelsPrinted() const { return printerLog().count("{XS;I,"); }

    // The stream one cut of the label sends, as the controls stand.
    QByteArray cutStream()
    {
        bool stop = false;
        const JobControls cutter = controls.cutter();
        return buildCutStream(CutJobMode::CurrentLabel, {cutter, settings, label, objects, stop})->whole();
    }

    void setQuantity(int quantity) { controls.setText(RunText::Quantity, QString::number(quantity)); }
    QString counter() const { return controls.text(RunText::Counter); }

    QTemporaryDir dir;
    SimulatedMachine sim;
    ShapeList objects{productCode(), CutJobFixture::cutRectangle()};
    LabelSettings label;
    JobSettings settings;
    StoredRunControls controls{settings};
    JobRunner runner{{objects, label, settings}, controls};
    RecordingMessageService messages;
};

TEST(JobRunner, EchoModeCutsEachLabelAfterThePrinterReports)
{
    const struct {
        const char* name;
        QStringList machine;
        int quantity;
        RunEnd end;
        int labelsPrinted;
        int streamsToCutter;
        int labelsCounted;
        bool faultSentToCutter;
        const char* quantityAfter;
    } cases[] = {
        {"three good labels", {}, 3, RunEnd::Completed, 3, 3, 3, false, "1"},
        {"interim reports first", {QStringLiteral("--interim")}, 2, RunEnd::Completed, 2, 2, 2, false, "1"},
        {"a printer that reports at once", {QStringLiteral("--print-ms"), QStringLiteral("0")}, 2, RunEnd::Completed,
         2, 2, 2, false, "1"},
        {"fault on the second label", {QStringLiteral("--fault-at"), QStringLiteral("2")}, 3, RunEnd::Failed, 2, 1,
         1, true, "2"},
        {"cutter rejects the first label", {QStringLiteral("--cutter-reply"), QStringLiteral("E0001")}, 3,
         RunEnd::Failed, 1, 1, 0, false, "3"},
    };
    for (const auto& c : cases) {
        MachineRun run(c.machine);
        ASSERT_FALSE(run.sim.cutterPath().isEmpty()) << c.name;
        run.setQuantity(c.quantity);
        int finished = 0;
        run.runner.labelFinished = [&finished] { ++finished; };

        EXPECT_EQ(run.runner.printAndCut(), c.end) << c.name;
        EXPECT_EQ(run.counter(), QString::number(5 + c.labelsCounted)) << c.name;
        EXPECT_EQ(finished, c.labelsCounted) << c.name;
        EXPECT_EQ(run.controls.text(RunText::Quantity), QLatin1StringView(c.quantityAfter)) << c.name;
        EXPECT_EQ(run.labelsPrinted(), c.labelsPrinted) << c.name;
        QByteArray expectedCutter = run.cutStream().repeated(c.streamsToCutter);
        if (c.faultSentToCutter)
            expectedCutter += kPrinterFault;
        EXPECT_EQ(run.cutterLogOf(expectedCutter), expectedCutter) << c.name;
        EXPECT_TRUE(run.controls.isEnabled(RunButton::PrintAndCut)) << c.name;
    }
}

TEST(JobRunner, StopDuringTheEchoWaitCutsNothingForThatLabel)
{
    MachineRun run({QStringLiteral("--print-ms"), QStringLiteral("60000")});
    run.setQuantity(2);
    QObject operatorAtTheWindow;
    QTimer::singleShot(200, &operatorAtTheWindow, [&run] { run.runner.stop(); });

    EXPECT_EQ(run.runner.printAndCut(), RunEnd::Stopped);
    EXPECT_EQ(run.labelsPrinted(), 1);
    EXPECT_TRUE(run.cutterLog().isEmpty());
    EXPECT_EQ(run.counter(), QStringLiteral("5"));
    EXPECT_EQ(run.controls.text(RunText::Quantity), QStringLiteral("2"));

    // The cycle itself tells the operator's stop from a printer that failed.
    QTimer::singleShot(200, &operatorAtTheWindow, [&run] { run.runner.stop(); });
    EXPECT_EQ(run.runner.RunEchoCycle(QString()), EchoCycleEnd::StoppedAtEcho);
}

// No echo can come over a status port that does not open: the run ends after the reader's
// message instead of waiting for the operator to stop it.
TEST(JobRunner, StatusPortThatDoesNotOpenEndsTheRun)
{
    MachineRun run;
    run.controls.printerControls.cmbPrintStatusPort = run.dir.filePath(QStringLiteral("no-such-status-port"));
    run.setQuantity(2);

    EXPECT_EQ(run.runner.printAndCut(), RunEnd::Failed);
    run.awaitLog([&run] { return run.labelsPrinted() > 0; });
    EXPECT_EQ(run.labelsPrinted(), 1);
    EXPECT_TRUE(run.cutterLog().isEmpty());
    EXPECT_EQ(run.counter(), QStringLiteral("5"));
    ASSERT_EQ(run.messages.messages.size(), 1);
    EXPECT_TRUE(run.messages.messages[0].text.startsWith(QStringLiteral("打码机读串口时，打开通信端口错误!!")));
}

TEST(JobRunner, TimedModePrintsDelaysAndCutsWithoutACutDelayAfterTheLastLabel)
{
    MachineRun run;
    run.controls.setTicked(RunSwitch::Thread, false);
    run.controls.setText(RunText::PrintSleep, QStringLiteral("50"));
    run.controls.setText(RunText::CutSleep, QStringLiteral("20"));
    run.setQuantity(1);
    // Events run during a cut delay: a timer started when the label is finished fires only
    // if a delay follows it.
    bool delayedAfterLastCut = false;
    QObject context;
    run.runner.labelFinished = [&] { QTimer::singleShot(0, &context, [&] { delayedAfterLastCut = true; }); };

    EXPECT_EQ(run.runner.printAndCut(), RunEnd::Completed);
    EXPECT_FALSE(delayedAfterLastCut);
    EXPECT_EQ(run.labelsPrinted(), 1);
    EXPECT_EQ(run.cutterLog(), run.cutStream());
    EXPECT_EQ(run.counter(), QStringLiteral("6"));
    EXPECT_EQ(run.controls.text(RunText::Quantity), QStringLiteral("1"));
}

// A stop that arrives while the print delay holds the operator's input reaches the run at its
// next wait, as a click would: the cut job's wait, so the label's stream has gone out to the
// cutter, the label counts as finished, and the run ends before the next label.
TEST(JobRunner, StopHeldDuringTheTimedPrintDelayEndsTheRun)
{
    MachineRun run({QStringLiteral("--cut-ms"), QStringLiteral("300")});
    run.controls.setTicked(RunSwitch::Thread, false);
    run.controls.setText(RunText::PrintSleep, QStringLiteral("400"));
    run.setQuantity(3);
    int finished = 0;
    run.runner.labelFinished = [&finished] { ++finished; };
    QObject terminal;
    QTimer::singleShot(100, &terminal, [&run] { run.runner.stop(); });

    EXPECT_EQ(run.runner.printAndCut(), RunEnd::Stopped);
    EXPECT_EQ(run.labelsPrinted(), 1);
    const QByteArray stream = run.cutStream();
    EXPECT_EQ(run.cutterLogOf(stream), stream);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(run.counter(), QStringLiteral("6"));
}

TEST(JobRunner, RecordRunsPrintEachRecordInTheRange)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    const struct {
        const char* name;
        bool echo;
        const char* range;
        int quantity;
        QList<const char16_t*> printed;
        int recordsOffAfterLabel = 0; // "chbIfDB" is unticked once this label is finished
    } cases[] = {
        {"echo, one record", true, "2", 1, {u"桃"}},
        {"echo, records switched off after the first round", true, "1-2", 2, {u"梨", u"桃", u"存货"}, 2},
        {"echo, the whole sheet twice", true, "1-2", 2, {u"梨", u"桃", u"梨", u"桃"}},
        {"timed, two passes of one record", false, "1,", 2, {u"梨", u"梨"}},
        {"range beyond the sheet", true, "5-9", 1, {}},
    };
    for (const auto& c : cases) {
        MachineRun run;
        run.objects[0].DBField = QStringLiteral("品名");
        run.settings.dbName = testing_support::writeGoodsBook(run.dir.filePath(QStringLiteral("货品.xlsx")));
        run.settings.tableName = QStringLiteral("货品");
        run.controls.setTicked(RunSwitch::IfDB, true);
        run.controls.setTicked(RunSwitch::Thread, c.echo);
        run.controls.setText(RunText::Record, QString::fromLatin1(c.range));
        run.setQuantity(c.quantity);
        int finished = 0;
        run.runner.labelFinished = [&run, &finished, &c] {
            if (++finished == c.recordsOffAfterLabel)
                run.controls.setTicked(RunSwitch::IfDB, false);
        };

        EXPECT_EQ(run.runner.printAndCut(), RunEnd::Completed) << c.name;
        const QByteArray log = run.printerLog();
        EXPECT_EQ(run.labelsPrinted(), c.printed.size()) << c.name;
        qsizetype from = 0;
        for (const char16_t* value : c.printed) {
            from = log.indexOf(gbk::encode(QString::fromUtf16(value)), from);
            ASSERT_GE(from, 0) << c.name;
            ++from;
        }
        EXPECT_EQ(run.cutterLog(), run.cutStream().repeated(c.printed.size())) << c.name;
        EXPECT_EQ(run.counter(), QString::number(5 + c.printed.size())) << c.name;
        EXPECT_FALSE(dm().isOpen()) << c.name;
    }
}

TEST(JobRunner, PrintAndCutRefusesBeforeSendingAnything)
{
    const struct {
        const char* name;
        const char* cutPort;
        const char* statusPort;
        const char* printPort;
        const char* quantity;
        const char* message;
    } cases[] = {
        {"cutter on the status port", "com1", "com1", "lpt1", "1", "雕刻端口不能与回传端口相同！"},
        {"blanks around the cutter port", " com1 ", "com1", "lpt1", "1", "雕刻端口不能与回传端口相同！"},
        {"cutter on the printer port", "com3", "com4", "com3", "1", "雕刻端口不能与打印端口相同！"},
        {"quantity 0", "com1", "com4", "lpt1", "0", "数量必须大于0！"},
        {"negative quantity", "com1", "com4", "lpt1", "-2", "数量必须大于0！"},
    };
    for (const auto& c : cases) {
        JobSettings settings;
        LabelSettings label;
        ShapeList objects{CutJobFixture::cutRectangle()};
        StoredRunControls controls(settings);
        controls.cutterControls.cmbCutPort = QString::fromUtf8(c.cutPort);
        controls.printerControls.cmbPrintStatusPort = QString::fromUtf8(c.statusPort);
        controls.printerControls.cmbPrintPort = QString::fromUtf8(c.printPort);
        controls.setText(RunText::Quantity, QString::fromUtf8(c.quantity));
        JobRunner runner({objects, label, settings}, controls);
        RecordingMessageService messages;

        EXPECT_EQ(runner.printAndCut(), RunEnd::Refused) << c.name;
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示")) << c.name;
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message)) << c.name;
        EXPECT_FALSE(controls.isEnabled(RunButton::PrintAndCut)) << c.name;
        runner.stop();
        EXPECT_TRUE(controls.isEnabled(RunButton::PrintAndCut)) << c.name;
    }
}

// A run that fails on operator text tells the operator why instead of ending in silence.
TEST(JobRunner, PrintAndCutReportsAFailureAndStaysDisabled)
{
    JobSettings settings;
    LabelSettings label;
    ShapeList objects{CutJobFixture::cutRectangle()};
    StoredRunControls controls(settings);
    controls.setText(RunText::Quantity, QStringLiteral("三"));
    JobRunner runner({objects, label, settings}, controls);
    RecordingMessageService messages;

    EXPECT_EQ(runner.printAndCut(), RunEnd::Failed);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(controls.isEnabled(RunButton::PrintAndCut));
}

TEST(JobRunner, PrintAsksAboveTenCopies)
{
    const struct {
        int quantity;
        MessageAnswer answer;
        bool asked;
        bool printed;
    } cases[] = {
        {10, MessageAnswer::No, false, true},
        {11, MessageAnswer::No, true, false},
        {11, MessageAnswer::Yes, true, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString stream = dir.filePath(QStringLiteral("label.prn"));
        JobSettings settings;
        LabelSettings label;
        ShapeList objects{productCode()};
        StoredRunControls controls(settings);
        controls.printerControls.cmbPrintPort = stream;
        controls.setText(RunText::Quantity, QString::number(c.quantity));
        JobRunner runner({objects, label, settings}, controls);
        RecordingMessageService messages;
        messages.answers = {c.answer};

        EXPECT_EQ(runner.print(), c.printed ? RunEnd::Completed : RunEnd::Refused) << c.quantity;
        EXPECT_EQ(messages.messages.size(), c.asked ? 1 : 0) << c.quantity;
        if (c.asked) {
            EXPECT_EQ(messages.messages[0].text, QStringLiteral("打印数量大于10，您确定要打印吗？"));
            EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNo);
        }
        const QByteArray bytes = testing_support::fileContent(stream);
        EXPECT_EQ(bytes.contains("{XS;I," + QByteArray::number(c.quantity).rightJustified(4, '0')), c.printed)
            << c.quantity;
        EXPECT_EQ(controls.text(RunText::Counter), QStringLiteral("0")) << "printing alone counts nothing";
    }
}

TEST(JobRunner, CutterFeedModeSendsTheFeedCommandAlone)
{
    MachineRun run;
    run.controls.cutterControls.chbCutFeed = true;
    run.controls.cutterControls.chbCutFeedBlack = true;
    run.settings.Gap = 25;
    run.setQuantity(7);

    EXPECT_EQ(run.runner.print(), RunEnd::Completed);
    const QByteArray feed = QByteArrayLiteral("# Y92.50,50,0,1 W7 @");
    EXPECT_EQ(run.cutterLogOf(feed), feed);
    EXPECT_EQ(run.labelsPrinted(), 0);
}

TEST(JobRunner, CutNeedsCutObjects)
{
    MachineRun run;
    run.objects = {productCode()};
    EXPECT_FALSE(run.runner.HasCutObjects());
    EXPECT_EQ(run.runner.cut(), RunEnd::Refused);
    ASSERT_EQ(run.messages.messages.size(), 1);
    EXPECT_EQ(run.messages.messages[0].text, QStringLiteral("目前没有雕刻对象！"));
    EXPECT_EQ(run.messages.messages[0].icon, MessageIcon::Information);

    // A cut object switched off still counts as one; the cut job then has nothing to send.
    Tshape off = CutJobFixture::cutRectangle();
    off.ifPrint = false;
    run.objects = {productCode(), off};
    EXPECT_TRUE(run.runner.HasCutObjects());
    EXPECT_EQ(run.runner.cut(), RunEnd::Failed);
    EXPECT_TRUE(run.controls.isEnabled(RunButton::Cut));

    run.objects = {CutJobFixture::cutRectangle()};
    EXPECT_EQ(run.runner.cut(), RunEnd::Completed);
    EXPECT_EQ(run.cutterLog(), run.cutStream());
    EXPECT_EQ(run.labelsPrinted(), 0);
}

TEST(JobRunner, WaitPumpingEndsOnAStopDuringTheWaitOnly)
{
    JobSettings settings;
    LabelSettings label;
    ShapeList objects;
    StoredRunControls controls(settings);
    JobRunner runner({objects, label, settings}, controls);

    runner.stopRequested = true;
    EXPECT_EQ(runner.WaitPumping(10), WaitOutcome::TimedOut) << "a stop before the wait is not taken";
    QObject operatorAtTheWindow;
    QTimer::singleShot(20, &operatorAtTheWindow, [&runner] { runner.stop(); });
    EXPECT_EQ(runner.WaitPumping(600000), WaitOutcome::Stopped);
    // A delay of nothing still handles what is pending once.
    for (const int delay : {0, -5}) {
        QTimer::singleShot(0, &operatorAtTheWindow, [&runner] { runner.stop(); });
        EXPECT_EQ(runner.WaitPumping(delay), WaitOutcome::Stopped) << delay;
    }
}

// A printer or cutter that takes nothing until the operator has pressed stop: the label or
// the cut stream drains with the program's events running, and the stop lands in the middle
// of it. A slow printer then hands what it took on to the virtual machine, which answers as
// for any label; a slow cutter acknowledges every whole stream it took.
TEST(JobRunner, StopGivenWhileALabelGoesOutEndsTheRunAtItsNextWait)
{
    enum class Slow { Printer, Cutter };
    const struct {
        const char* name;
        Slow slow;
        bool echo;
        int streamsCut; // the timed run stops at the wait for the cutter, after the stream
        int labelsFinished;
        const char* counter;
    } cases[] = {
        {"echo mode, slow printer: stops at the wait for the echo", Slow::Printer, true, 0, 0, "5"},
        {"timed mode, slow printer: stops at the wait for the cutter", Slow::Printer, false, 1, 1, "6"},
        {"echo mode, slow cutter: stops at the wait for its answer", Slow::Cutter, true, 1, 0, "5"},
        {"timed mode, slow cutter: stops at the wait for its answer", Slow::Cutter, false, 1, 1, "6"},
    };
    for (const auto& c : cases) {
        MachineRun run;
        if (c.slow == Slow::Printer)
            run.objects.append(largeText());
        else
            run.objects.append(ShapeList(3000, CutJobFixture::cutRectangle()));
        run.controls.setTicked(RunSwitch::Thread, c.echo);
        run.setQuantity(2);
        PtyPair line;
        ASSERT_TRUE(line.isValid());
        (c.slow == Slow::Printer ? run.controls.printerControls.cmbPrintPort : run.controls.cutterControls.cmbCutPort) =
            line.path();
        QFile machinePrinter(run.sim.printerPath());
        ASSERT_TRUE(machinePrinter.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray stream = run.cutStream();
        int finished = 0;
        run.runner.labelFinished = [&finished] { ++finished; };

        qsizetype waitingAtStop = -1;
        QByteArray taken;
        qsizetype acknowledged = 0;
        QTimer slowMachine;
        QObject::connect(&slowMachine, &QTimer::timeout, [&] {
            if (waitingAtStop < 0) {
                if (line.pending() == 0)
                    return;
                waitingAtStop = line.pending();
                run.runner.stop();
            }
            const QByteArray bytes = line.receive(1 << 20, 1);
            taken += bytes;
            if (c.slow == Slow::Printer)
                machinePrinter.write(bytes);
            else if (taken.size() >= stream.size() * (acknowledged + 1))
                line.send(QByteArrayLiteral("{000}")), ++acknowledged;
        });
        slowMachine.start(10);

        EXPECT_EQ(run.runner.printAndCut(), RunEnd::Stopped) << c.name;
        run.awaitLog([&run] { return run.labelsPrinted() >= 1; });
        EXPECT_LT(waitingAtStop, taken.size()) << c.name << ": the stop came while the bytes were going out";
        EXPECT_EQ(run.labelsPrinted(), 1) << c.name;
        const QByteArray cut = stream.repeated(c.streamsCut);
        if (c.slow == Slow::Cutter)
            taken += line.receive(cut.size() - taken.size());
        EXPECT_EQ(c.slow == Slow::Cutter ? taken : run.cutterLogOf(cut), cut) << c.name;
        EXPECT_EQ(finished, c.labelsFinished) << c.name;
        EXPECT_EQ(run.counter(), QLatin1StringView(c.counter)) << c.name;
    }
}

// What a line holds from before the run (a report nobody read after a timed run, the reply
// to a cut the operator stopped waiting for) is not taken for the first label's answer.
TEST(JobRunner, AnswersWaitingFromBeforeTheRunAreNotTakenForTheFirstLabel)
{
    enum class Line { Status, Cutter };
    const struct {
        const char* name;
        Line line;
        QByteArray waiting;
        QByteArray answer; // the machine's own answer for the first label
        QByteArray machineCutterGets;
    } cases[] = {
        {"a printed report, then a fault", Line::Status, "{S4020000|}\r\n", "{S4060000|}\r\n", kPrinterFault},
        {"an acknowledgement, then a refusal", Line::Cutter, "{000}", "E0001", {}},
    };
    for (const auto& c : cases) {
        MachineRun run;
        run.setQuantity(1);
        PtyPair line;
        ASSERT_TRUE(line.isValid());
        (c.line == Line::Status ? run.controls.printerControls.cmbPrintStatusPort
                                : run.controls.cutterControls.cmbCutPort) = line.path();
        line.send(c.waiting);
        const qsizetype streamSize = run.cutStream().size();
        QByteArray heard;
        bool answered = false;
        QTimer machine;
        QObject::connect(&machine, &QTimer::timeout, [&] {
            if (c.line == Line::Cutter)
                heard += line.receive(streamSize, 1);
            const bool due = c.line == Line::Status ? run.labelsPrinted() == 1 : heard.size() >= streamSize;
            if (due && !answered) {
                line.send(c.answer);
                answered = true;
            }
        });
        machine.start(10);

        EXPECT_EQ(run.runner.printAndCut(), RunEnd::Failed) << c.name;
        EXPECT_EQ(run.counter(), QStringLiteral("5")) << c.name;
        EXPECT_EQ(run.cutterLogOf(c.machineCutterGets), c.machineCutterGets) << c.name;
    }
}

TEST(JobRunner, CounterStopsAtItsLargestValue)
{
    MachineRun run;
    run.controls.setText(RunText::Counter, QStringLiteral("2147483647"));
    run.setQuantity(1);
    EXPECT_EQ(run.runner.printAndCut(), RunEnd::Completed);
    EXPECT_EQ(run.counter(), QStringLiteral("2147483647"));
}

// The cutter's line takes nothing: the feed command does not go out, and the operator learns it.
TEST(JobRunner, CutterFeedThatDoesNotGoOutFailsThePrint)
{
    MachineRun run;
    PtyPair cutter;
    ASSERT_TRUE(cutter.isValid());
    cutter.jam();
    run.controls.cutterControls.cmbCutPort = cutter.path();
    run.controls.cutterControls.chbCutFeed = true;

    EXPECT_EQ(run.runner.print(), RunEnd::Failed);
    ASSERT_EQ(run.messages.messages.size(), 1);
    EXPECT_TRUE(run.messages.messages[0].text.startsWith(QStringLiteral("写雕刻端口错误"))) << run.messages.messages[0].text.toStdString();
}

// Printing through the outside program: one "PrintOut" per label, "RecordRange" first when
// the labels come from records.
TEST(JobRunner, OutsideProgramPrintsInsteadOfThePrinterCommands)
{
    MachineRun run;
    RecordingLabelProgram outside;
    LabelProgramSession session(outside);
    ASSERT_TRUE(session.open(QStringLiteral("/labels/a.btw")));
    JobRunner runner({run.objects, run.label, run.settings}, run.controls, &session);
    run.controls.setTicked(RunSwitch::PrintFile, true);
    run.controls.setText(RunText::Record, QStringLiteral("2-3"));

    outside.clearCalls();
    run.setQuantity(2);
    EXPECT_EQ(runner.print(), RunEnd::Completed);
    EXPECT_EQ(outside.calls(), QStringList{QStringLiteral("btFormat.PrintOut(false, false)")});

    outside.clearCalls();
    run.controls.setTicked(RunSwitch::IfDB, true);
    EXPECT_EQ(runner.print(), RunEnd::Completed);
    EXPECT_EQ(outside.calls(), (QStringList{QStringLiteral("btFormat.RecordRange(\"2-3\")"),
                                            QStringLiteral("btFormat.PrintOut(false, false)")}));
    EXPECT_EQ(run.labelsPrinted(), 0);
}

} // namespace

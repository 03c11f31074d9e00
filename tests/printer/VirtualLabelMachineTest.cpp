#include "support/PtyPair.h"

#include "cutter/TCom232.h"
#include "job/VirtualLabelMachine.h"
#include "model/MessageService.h"
#include "printer/TReadThread.h"
#include "printer/Tcom.h"
#include "support/SimulatedMachine.h"
#include "support/TestApp.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QByteArray kIssue = QByteArrayLiteral("{D0930,1300,0900|}{XS;I,0001,0002C3201|}");
const QByteArray kCutStream = QByteArrayLiteral("# Q66.667,66.667 H1 H2 U0,0 D100,0 H7 N @");

// One label as the print-and-cut runner does it: print, await the report, then cut and
// await the cutter. Returns the report's status and the cutter's status (none: not cut).
struct LabelResult {
    PrinterStatus report = PrinterStatus::Waiting;
    std::optional<CutterStatus> cut;
};

constexpr LabelResult kPrintedAndCut{PrinterStatus::Printed, CutterStatus::Accepted};

LabelResult runLabel(const VirtualLabelMachine& machine)
{
    Tcom printer(machine.path(VirtualLabelMachine::Port::Printer));
    if (printer.Open(QStringLiteral("115200"))) {
        printer.Write(kIssue);
        printer.Close();
    }
    LabelResult result;
    {
        TReadThread reader;
        reader.portName = machine.path(VirtualLabelMachine::Port::Status);
        reader.Configure(QStringLiteral("115200"));
        reader.Resume();
        runEventsUntil([&] { return reader.status != PrinterStatus::Waiting; }, 2000);
        result.report = reader.status;
    }
    if (result.report != PrinterStatus::Printed)
        return result;
    TCom232 cutter;
    cutter.portName = machine.path(VirtualLabelMachine::Port::Cutter);
    cutter.Configure(QStringLiteral("9600"));
    cutter.Resume();
    cutter.Write(kCutStream);
    runEventsUntil([&] { return cutter.status != CutterStatus::Waiting; }, 1000);
    result.cut = cutter.status;
    return result;
}

VirtualMachineOptions quick()
{
    VirtualMachineOptions options;
    options.printMs = 10;
    options.cutMs = 10;
    return options;
}

TEST(VirtualLabelMachine, AnswersAndFaultsOnRequest)
{
    const auto with = [](auto change) {
        VirtualMachineOptions options = quick();
        change(options);
        return options;
    };
    const struct {
        const char* name;
        VirtualMachineOptions options;
        std::vector<LabelResult> labels;
    } cases[] = {
        {"every label printed and cut", quick(), {kPrintedAndCut, kPrintedAndCut}},
        {"fault at label 2", with([](auto& o) { o.faultAt = 2; }),
         {kPrintedAndCut, {PrinterStatus::Fault, std::nullopt}, kPrintedAndCut}},
        {"interim reports first", with([](auto& o) { o.interim = true; }), {kPrintedAndCut}},
        {"answers in pieces", with([](auto& o) { o.split = true; }), {kPrintedAndCut, kPrintedAndCut}},
        {"line noise before each answer", with([](auto& o) { o.flood = true; }), {kPrintedAndCut}},
        {"cutter replies something else", with([](auto& o) { o.cutterReply = "E0001"; }),
         {{PrinterStatus::Printed, CutterStatus::Rejected}}},
        {"silent cutter", with([](auto& o) { o.cutterSilent = true; }),
         {{PrinterStatus::Printed, CutterStatus::Waiting}}},
    };
    for (const auto& c : cases) {
        VirtualLabelMachine machine(c.options);
        QString error;
        ASSERT_TRUE(machine.start(&error)) << qPrintable(error);
        int number = 1;
        for (const LabelResult& expected : c.labels) {
            const LabelResult result = runLabel(machine);
            EXPECT_EQ(result.report, expected.report) << c.name << ", label " << number;
            EXPECT_EQ(result.cut, expected.cut) << c.name << ", label " << number;
            ++number;
        }
    }
}

TEST(VirtualLabelMachine, HangUpClosesThePortOfThatLabel)
{
    RecordingMessageService messages;
    VirtualMachineOptions options = quick();
    options.hangupAt = 2;
    VirtualLabelMachine machine(options);
    QString error;
    ASSERT_TRUE(machine.start(&error)) << qPrintable(error);
    EXPECT_EQ(runLabel(machine).cut, CutterStatus::Accepted);
    EXPECT_EQ(runLabel(machine).report, PrinterStatus::Waiting) << "the status port hung up: no report";
    ASSERT_FALSE(messages.messages.isEmpty());
    EXPECT_EQ(messages.messages.last().caption, QStringLiteral("Comm Error"));
}

TEST(VirtualLabelMachine, LogsEveryByteAndRepliesOnlyToStreamsThatAskForIt)
{
    QTemporaryDir dir;
    VirtualMachineOptions options = quick();
    options.printerLog = dir.filePath(QStringLiteral("printer.log"));
    options.cutterLog = dir.filePath(QStringLiteral("cutter.log"));
    options.labels = 1;
    VirtualLabelMachine machine(options);
    QSignalSpy finished(&machine, &VirtualLabelMachine::finished);
    QString error;
    ASSERT_TRUE(machine.start(&error)) << qPrintable(error);

    {
        TCom232 manual;
        manual.portName = machine.path(VirtualLabelMachine::Port::Cutter);
        manual.Configure(QStringLiteral("9600"));
        manual.Resume();
        manual.Write("# H1 @"); // a manual command: no reply command, no reply
        runEventsUntil([&] { return manual.status != CutterStatus::Waiting; }, 300);
        EXPECT_EQ(manual.status, CutterStatus::Waiting);
        EXPECT_TRUE(manual.received.isEmpty());
    }

    EXPECT_EQ(runLabel(machine).cut, CutterStatus::Accepted);
    EXPECT_TRUE(runEventsUntil([&] { return finished.count() > 0; }));
    EXPECT_EQ(machine.reportsSent(), 1);
    EXPECT_EQ(machine.repliesSent(), 1);

    QFile printerLog(options.printerLog);
    QFile cutterLog(options.cutterLog);
    ASSERT_TRUE(printerLog.open(QIODevice::ReadOnly));
    ASSERT_TRUE(cutterLog.open(QIODevice::ReadOnly));
    EXPECT_EQ(printerLog.readAll(), kIssue);
    EXPECT_EQ(cutterLog.readAll(), QByteArray("# H1 @") + kCutStream);
}

TEST(VirtualLabelMachine, IssueWithoutReportRequestGetsNoReport)
{
    VirtualLabelMachine machine(quick());
    QString error;
    ASSERT_TRUE(machine.start(&error));
    Tcom printer(machine.path(VirtualLabelMachine::Port::Printer));
    ASSERT_TRUE(printer.Open(QStringLiteral("9600")));
    printer.Write("{XS;I,0001,0002C3200|}{XS;I,00");
    printer.Write("01,0002C320");
    printer.Close();
    runEventsUntil([] { return false; }, 100);
    EXPECT_EQ(machine.reportsSent(), 0);
    Tcom rest(machine.path(VirtualLabelMachine::Port::Printer));
    ASSERT_TRUE(rest.Open(QStringLiteral("9600")));
    rest.Write("1|}"); // the command split over two jobs is still one request
    rest.Close();
    EXPECT_TRUE(runEventsUntil([&] { return machine.reportsSent() == 1; }));
}

// Later suites drive the machine as a process: its start-up lines and its exit must hold.
TEST(VirtualLabelMachineProgram, PrintsItsPortsAndExitsOnSigterm)
{
    testing_support::SimulatedMachine sim({QStringLiteral("--print-ms"), QStringLiteral("5")});
    EXPECT_TRUE(sim.printerPath().startsWith(QStringLiteral("/dev/")));
    EXPECT_TRUE(sim.statusPath().startsWith(QStringLiteral("/dev/")));
    ASSERT_TRUE(sim.cutterPath().startsWith(QStringLiteral("/dev/")));

    Tcom printer(sim.printerPath());
    ASSERT_TRUE(printer.Open(QStringLiteral("115200")));
    printer.Write(kIssue);
    printer.Close();
    TReadThread reader;
    reader.portName = sim.statusPath();
    reader.Configure(QStringLiteral("115200"));
    reader.Resume();
    EXPECT_TRUE(runEventsUntil([&] { return reader.status == PrinterStatus::Printed; }, 3000));

    QProcess& process = sim.process();
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

TEST(VirtualLabelMachineProgram, RejectsBadNumbersWithAReason)
{
    for (const char* option : {"--labels", "--print-ms", "--fault-at"}) {
        QProcess sim;
        sim.start(testing_support::toolPath(QStringLiteral("marlune-sim")),
                  {QString::fromUtf8(option), QStringLiteral("-3")});
        ASSERT_TRUE(sim.waitForFinished(5000));
        EXPECT_EQ(sim.exitCode(), 2) << option;
        EXPECT_TRUE(sim.readAllStandardError().contains(option)) << option;
    }
}

} // namespace

#include "CutJobSupport.h"
#include "GoodsBook.h"

#include "files/LabelFile.h"
#include "ports/WaitPumping.h"
#include "support/CliRun.h"
#include "support/SimulatedMachine.h"
#include "support/TestApp.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using testing_support::SimulatedMachine;
using testing_support::fileContent;
using testing_support::runCli;

// A label with a record-bound symbol and a cut rectangle, its counter at 7, its records in
// the goods workbook beside it.
QString saveRunLabel(const QTemporaryDir& dir)
{
    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.barWidth = 4;
    qr.barValue = QStringLiteral("存货");
    qr.DBField = QStringLiteral("品名");
    Tobject document;
    document.objects = {qr, CutJobFixture::cutRectangle()};
    JobSettings job;
    job.counter = 7;
    job.dbName = testing_support::writeGoodsBook(dir.filePath(QStringLiteral("货品.xlsx")));
    job.tableName = QStringLiteral("货品");
    const QString path = dir.filePath(QStringLiteral("run.xml"));
    SaveLabel(path, document, LabelSettings(), job);
    return path;
}

// The printer on the network when the machine listens there: its reports then come over the
// connection that carried the label, not over the status port.
QStringList machinePorts(const SimulatedMachine& sim)
{
    const QString printer = sim.networkName().isEmpty() ? sim.printerPath() : sim.networkName();
    return {QStringLiteral("--printer"), printer, QStringLiteral("--status"), sim.statusPath(),
            QStringLiteral("--cutter"), sim.cutterPath()};
}

TEST(RunCli, PrintsALinePerLabelAndExitsByHowTheRunEnded)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    QTemporaryDir dir;
    const QString label = saveRunLabel(dir);
    const struct {
        const char* name;
        QStringList machine;
        QStringList options;
        int exitCode;
        const char* out;
        const char* err;
    } cases[] = {
        {"echo mode", {}, {QStringLiteral("--quantity"), QStringLiteral("3")}, 0,
         "label 1: counter 8\nlabel 2: counter 9\nlabel 3: counter 10\n", ""},
        {"timed mode", {}, {QStringLiteral("--quantity"), QStringLiteral("2"), QStringLiteral("--timed")}, 0,
         "label 1: counter 8\nlabel 2: counter 9\n", ""},
        {"records 2 and 1", {}, {QStringLiteral("--records"), QStringLiteral("2,1")}, 0,
         "label 1: counter 8\nlabel 2: counter 9\n", ""},
        {"printer fault on label 2", {QStringLiteral("--fault-at"), QStringLiteral("2")},
         {QStringLiteral("--quantity"), QStringLiteral("3")}, 2, "label 1: counter 8\n", "（完成 1 张标签）"},
        {"cutter silent past the timeout", {QStringLiteral("--cutter-silent")},
         {QStringLiteral("--timeout"), QStringLiteral("0.5")}, 2, "", "0.5 秒内没有应答，已停止（完成 0 张标签）"},
        {"printer on the network", {QStringLiteral("--tcp"), QStringLiteral("0")},
         {QStringLiteral("--quantity"), QStringLiteral("2"), QStringLiteral("--timeout"), QStringLiteral("10")}, 0,
         "label 1: counter 8\nlabel 2: counter 9\n", "run: tcp://127.0.0.1:"}, // awaits its report there
        {"network printer drops the connection at label 2",
         {QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--hangup-at"), QStringLiteral("2")},
         {QStringLiteral("--quantity"), QStringLiteral("2"), QStringLiteral("--timeout"), QStringLiteral("10")}, 2,
         "label 1: counter 8\n", "没有收到打印机的状态回传：打印机 127.0.0.1:"},
    };
    for (const auto& c : cases) {
        SimulatedMachine sim(QStringList{QStringLiteral("--print-ms"), QStringLiteral("20")} + c.machine);
        ASSERT_FALSE(sim.cutterPath().isEmpty()) << c.name;
        const auto run = runCli(QStringList{QStringLiteral("run"), label} + machinePorts(sim) + c.options);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, QByteArray(c.out)) << c.name;
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(c.err))) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(sim.cutterPath() + QStringLiteral(": 等待雕刻机应答…")))
            << c.name;
    }
}

TEST(RunCli, RefusesARunThatCannotStart)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    QTemporaryDir dir;
    const QString label = saveRunLabel(dir);
    Tobject bare;
    const QString withoutBook = dir.filePath(QStringLiteral("bare.xml"));
    SaveLabel(withoutBook, bare, LabelSettings(), JobSettings());
    const QString book = dir.filePath(QStringLiteral("货品.xlsx"));
    const struct {
        const char* name;
        QStringList arguments;
        const char* reason;
    } cases[] = {
        {"cutter on the status port",
         {label, QStringLiteral("--cutter"), QStringLiteral("com2"), QStringLiteral("--status"), QStringLiteral("com2")},
         "雕刻端口不能与回传端口相同！"},
        {"quantity 0", {label, QStringLiteral("--quantity"), QStringLiteral("0")}, "--quantity: “0”不是 1 到 9999 之间的整数"},
        {"quantity that is no number", {label, QStringLiteral("--quantity"), QStringLiteral("3x")}, "--quantity"},
        {"records without a workbook", {withoutBook, QStringLiteral("--records"), QStringLiteral("1")},
         "标签没有指定取记录的工作簿和工作表"},
        {"no label", {QStringLiteral("--timed")}, "LABEL.xml: 缺少这个参数（用法：marlune-cli run"},
        {"records that select none",
         {withoutBook, QStringLiteral("--workbook"), book, QStringLiteral("--sheet"), QStringLiteral("货品"),
          QStringLiteral("--records"), QStringLiteral("3-9")},
         "--records: “3-9”在工作表“货品”的 2 条记录中一条也没有选中"},
        {"another sheet without records", {label, QStringLiteral("--workbook"), book, QStringLiteral("--sheet"),
                                           QStringLiteral("货品")}, "要和 --records 一起给出"},
    };
    for (const auto& c : cases) {
        const auto run = runCli(QStringList{QStringLiteral("run")} + c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(c.reason)))
            << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
    }
}

TEST(RunCli, CtrlCDuringTheEchoWaitStopsTheRun)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    QTemporaryDir dir;
    const QString label = saveRunLabel(dir);
    const QString printerLog = dir.filePath(QStringLiteral("printer.log"));
    const QString cutterLog = dir.filePath(QStringLiteral("cutter.log"));
    SimulatedMachine sim({QStringLiteral("--print-ms"), QStringLiteral("60000"), QStringLiteral("--printer-log"),
                          printerLog, QStringLiteral("--cutter-log"), cutterLog});
    ASSERT_FALSE(sim.cutterPath().isEmpty());

    QProcess cli;
    testing_support::startCli(cli, QStringList{QStringLiteral("run"), label} + machinePorts(sim));
    ASSERT_TRUE(cli.waitForStarted());
    QTimer look; // the log grows without an event of this process: look now and then
    look.start(10);
    waitPumping([&] { return fileContent(printerLog).contains("{XS;I,"); }, QDeadlineTimer(10000));
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 130) << "128 + SIGINT, as a shell reports Ctrl+C";
    EXPECT_TRUE(QString::fromUtf8(cli.readAllStandardError()).contains(QStringLiteral("已停止（完成 0 张标签）")));
    EXPECT_TRUE(fileContent(cutterLog).isEmpty());
}

// A label whose symbol and text carry serial numbers that step by 1 after every label job.
QString saveSerialLabel(const QTemporaryDir& dir)
{
    Tshape bar = makeShape(ShapeKind::PrintBar);
    bar.barType = QStringLiteral("CODE128(with auto code)");
    bar.barValue = QStringLiteral("SN0100");
    bar.selfAdd = 1;
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("A001");
    text.fontName = QStringLiteral("DejaVu Sans");
    text.serialNo = 1;
    Tobject document;
    document.objects = {bar, text, CutJobFixture::cutRectangle()};
    const QString path = dir.filePath(QStringLiteral("serial.xml"));
    SaveLabel(path, document, LabelSettings(), JobSettings());
    return path;
}

QStringList serialsIn(const QByteArray& printed)
{
    QStringList serials;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("SN\\d{4}")).globalMatch(QString::fromLatin1(printed)))
        serials.append(match.captured());
    return serials;
}

// Two jobs one after the other on the same label file: with --save the second continues the
// serial numbers where the first left them, and the file holds the counter.
TEST(RunCli, SaveWritesTheSerialsAndTheCounterBackForTheNextJob)
{
    const struct {
        const char* name;
        QStringList command;
        const char* printed; // by both jobs, in order
        const char* storedAfter;
        const char* textAfter;
        int counterAfter;
        bool fileUnchanged;
    } cases[] = {
        {"run --save", {QStringLiteral("run"), QStringLiteral("--quantity"), QStringLiteral("3"), QStringLiteral("--save")},
         "SN0100 SN0101 SN0102 SN0103 SN0104 SN0105", "SN0106", "A007", 6, false},
        {"print --save", {QStringLiteral("print"), QStringLiteral("--save")}, "SN0100 SN0101", "SN0102", "A003", 0, false},
        {"run without --save", {QStringLiteral("run"), QStringLiteral("--quantity"), QStringLiteral("2")},
         "SN0100 SN0101 SN0100 SN0101", "SN0100", "A001", 0, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString label = saveSerialLabel(dir);
        const QByteArray before = fileContent(label);
        const QString printerLog = dir.filePath(QStringLiteral("printer.log"));
        SimulatedMachine sim({QStringLiteral("--print-ms"), QStringLiteral("20"), QStringLiteral("--printer-log"), printerLog});
        ASSERT_FALSE(sim.cutterPath().isEmpty()) << c.name;
        const QStringList ports = c.command.first() == u"run" ? machinePorts(sim)
                                                              : QStringList{QStringLiteral("--port"), sim.printerPath()};
        for (int job = 1; job <= 2; ++job) {
            const auto run = runCli(QStringList{c.command.first(), label} + ports + c.command.mid(1));
            EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.err.toStdString();
            EXPECT_EQ(run.err.contains("--save"), c.fileUnchanged) << c.name << ": " << run.err.toStdString();
        }

        EXPECT_EQ(serialsIn(fileContent(printerLog)).join(u' '), QLatin1StringView(c.printed)) << c.name;
        Tobject document;
        LabelSettings settings;
        JobSettings job;
        LoadLabel(label, {document, settings, job}, nullptr);
        ASSERT_EQ(document.objects.size(), 3) << c.name;
        EXPECT_EQ(document.objects[0].barValue, QLatin1StringView(c.storedAfter)) << c.name;
        EXPECT_EQ(document.objects[1].str, QLatin1StringView(c.textAfter)) << c.name;
        EXPECT_EQ(job.counter, c.counterAfter) << c.name;
        EXPECT_EQ(fileContent(label) == before, c.fileUnchanged) << c.name;
    }
}

} // namespace

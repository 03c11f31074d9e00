#include "CutJobSupport.h"

#include "files/LabelFile.h"
#include "ports/WaitPumping.h"
#include "support/CliRun.h"
#include "support/SimulatedMachine.h"
#include "support/TestApp.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using testing_support::SimulatedMachine;
using testing_support::fileContent;
using testing_support::runCli;

// A turned 60 × 100 mm label with stored cutter settings away from the initial ones, saved
// where the command reads it.
QString saveTurnedLabel(const QTemporaryDir& dir, bool withCutObjects = true)
{
    Tobject document;
    document.objects = CutJobFixture::mixedObjects();
    if (!withCutObjects)
        document.objects.removeIf([](const Tshape& shape) { return shape.ifPrint && shape.isCut(); });
    LabelSettings label;
    label.Width = 600;
    label.Height = 1000;
    label.Rotation = 3;
    JobSettings job;
    job.cutLeft = 200;
    job.ifCutSpeed = 1;
    job.cutSpeed = 85;
    job.moveAfterCut = -5;
    job.quantity = QStringLiteral("3");
    job.Gap = 20;
    job.ifCutFeedBlack = 1;
    const QString path = dir.filePath(withCutObjects ? QStringLiteral("turned.xml") : QStringLiteral("empty.xml"));
    SaveLabel(path, document, label, job);
    return path;
}

// The stream the job builds for the label as the file holds it.
QByteArray expectedStream(const QString& path, CutJobMode mode)
{
    Tobject document;
    LabelSettings label;
    JobSettings job;
    LoadLabel(path, {document, label, job}, nullptr);
    const JobControls controls = controlsFromSettings(job);
    bool stop = false;
    const std::optional<CutStream> stream = buildCutStream(mode, {controls, job, label, document.objects, stop});
    return stream ? stream->whole() : QByteArray();
}

TEST(CutCli, OutputFileHoldsExactlyWhatTheCutterWouldReceive)
{
    QTemporaryDir dir;
    const QString label = saveTurnedLabel(dir);
    const struct {
        QStringList extra;
        CutJobMode mode;
        const char* begins;
        const char* ends;
    } cases[] = {
        {{}, CutJobMode::CurrentLabel, "# Q66.667,66.667 H1 H2 C125 E", " H7 X0,-5 N @"},
        {{QStringLiteral("--feed")}, CutJobMode::CutterFeed,
         "# Q66.667,66.667 Y102.00,50,0,1  H1 H2 C125 E", " H7 X0,-5 W3 N @"},
    };
    for (const auto& c : cases) {
        const QString out = dir.filePath(QStringLiteral("stream.txt"));
        const auto run = runCli(QStringList{QStringLiteral("cut"), label, QStringLiteral("-o"), out} + c.extra);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray written = fileContent(out);
        EXPECT_EQ(written, expectedStream(label, c.mode));
        EXPECT_TRUE(written.startsWith(c.begins)) << written.toStdString();
        EXPECT_TRUE(written.endsWith(c.ends)) << written.toStdString();
        // Centred: (1300 - 1000) / 2 + 200 + 105 = 455 tenths from the cutter's origin.
        EXPECT_TRUE(written.contains(" E45.5,")) << written.toStdString();
    }
}

TEST(CutCli, FailuresExitWithAReasonAndWriteNothing)
{
    QTemporaryDir dir;
    const QString empty = saveTurnedLabel(dir, false);
    const QString out = dir.filePath(QStringLiteral("stream.txt"));
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
        const char* reason;
    } cases[] = {
        {"nothing to cut", {QStringLiteral("cut"), empty, QStringLiteral("-o"), out}, 1, "目前没有雕刻对象！"},
        {"no such label", {QStringLiteral("cut"), dir.filePath(QStringLiteral("none.xml")), QStringLiteral("-o"), out},
         1, "none.xml"},
        {"no label named", {QStringLiteral("cut"), QStringLiteral("-o"), out}, 1, "LABEL.xml: 缺少这个参数（用法：marlune-cli cut"},
        {"option without value", {QStringLiteral("cut"), empty, QStringLiteral("--port")}, 1, "--port"},
        {"port that does not open", {QStringLiteral("cut"), saveTurnedLabel(dir), QStringLiteral("--port"),
                                     QStringLiteral("/dev/nonexistent-cutter")}, 2, "/dev/nonexistent-cutter: 雕刻时，打开通信端口错误!!"},
    };
    for (const auto& c : cases) {
        const auto run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_TRUE(run.err.contains(c.reason)) << c.name << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.name;
    }
}

TEST(CutCli, SendsToTheCutterAndWaitsForItsAnswer)
{
    QTemporaryDir dir;
    const QString label = saveTurnedLabel(dir);
    const struct {
        const char* name;
        QStringList machine;
        QStringList options;
        bool interrupt; // Ctrl+C once the cutter holds the stream
        int exitCode;
        const char* reason;
    } cases[] = {
        {"acknowledged", {}, {}, false, 0, ""},
        {"rejected", {QStringLiteral("--cutter-reply"), QStringLiteral("E0001")}, {}, false, 2,
         "雕刻机没有接受作业（应答“E0001”）"},
        {"silent, then Ctrl+C", {QStringLiteral("--cutter-silent")}, {}, true, 130, "已停止"},
        {"silent past the timeout", {QStringLiteral("--cutter-silent")},
         {QStringLiteral("--timeout"), QStringLiteral("0.2")}, false, 2, "0.2 秒内没有应答，已停止"},
    };
    const QByteArray stream = expectedStream(label, CutJobMode::CurrentLabel);
    for (const auto& c : cases) {
        const QString log = dir.filePath(QStringLiteral("%1.log").arg(QString::fromUtf8(c.name)));
        SimulatedMachine sim(c.machine + QStringList{QStringLiteral("--cutter-log"), log});
        ASSERT_FALSE(sim.cutterPath().isEmpty()) << c.name;

        QProcess cli;
        testing_support::startCli(cli, QStringList{QStringLiteral("cut"), label, QStringLiteral("--port"),
                                                   sim.cutterPath(), QStringLiteral("--baud"),
                                                   QStringLiteral("115200")} + c.options);
        ASSERT_TRUE(cli.waitForStarted()) << c.name;
        if (c.interrupt) {
            QTimer look; // the log grows without an event of this process: look now and then
            look.start(10);
            waitPumping([&] { return fileContent(log).size() >= stream.size(); }, QDeadlineTimer(5000));
            ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
        }
        ASSERT_TRUE(cli.waitForFinished(10000)) << c.name;
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(cli.exitCode(), c.exitCode) << c.name;
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.reason))) << c.name << ": " << err.toStdString();
        EXPECT_TRUE(err.startsWith(QStringLiteral("marlune-cli cut: %1: 等待雕刻机应答…\n").arg(sim.cutterPath())))
            << c.name << ": " << err.toStdString();
        EXPECT_EQ(fileContent(log), stream) << c.name;
    }
}

} // namespace

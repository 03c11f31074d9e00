#include "CutJobSupport.h"
#include "support/PtyPair.h"

#include "job/CutJob.h"
#include "model/ConversionError.h"
#include "model/MessageService.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

using testing_support::fileContent;

TEST(CutJob, CutToFileInAnyCaseWritesTheWholeStreamIntoTheFileNamedAsTyped)
{
    for (const char* typed : {"cutToFile", "cuttofile", "CUTTOFILE", "  CutToFile ", "\tcuttofile"}) {
        QTemporaryDir dir;
        ScopedWorkingDirectory inside(dir.path());
        RecordingMessageService messages;
        CutJobFixture job;
        job.controls.cmbCutPort = QString::fromUtf8(typed);
        const std::optional<CutStream> expected = buildCutStream(CutJobMode::CurrentLabel, job.inputs());
        ASSERT_TRUE(expected);

        const CutJobResult result = RunCutJob(CutJobMode::CurrentLabel, job.inputs());
        EXPECT_EQ(result.end, CutJobEnd::WrittenToFile) << typed;
        EXPECT_FALSE(result.cut()) << typed << ": a stream in a file cut nothing";
        EXPECT_EQ(result.file, dir.filePath(QString::fromUtf8(typed))) << typed;
        EXPECT_EQ(fileContent(dir.filePath(QString::fromUtf8(typed))), expected->whole()) << typed;
        EXPECT_EQ(job.settings.cutPort, QString::fromUtf8(typed)) << typed;
        EXPECT_TRUE(messages.messages.isEmpty()) << typed;
    }
}

TEST(CutJob, OnlyTheFileNameCutToFileIsFileOutput)
{
    const struct {
        const char* text;
        bool file;
    } cases[] = {
        {"cutToFile", true}, {" CUTTOFILE\t", true}, {"cut ToFile", false},
        {"cutToFile2", false}, {"printToFile", false}, {"com1", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isCutToFile(QString::fromUtf8(c.text)), c.file) << c.text;
}

TEST(CutJob, FileThatCannotBeWrittenIsReportedNotTakenForSuccess)
{
    QTemporaryDir dir;
    ScopedWorkingDirectory inside(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cutToFile"))); // a folder in the way
    RecordingMessageService messages;
    CutJobFixture job;
    job.controls.cmbCutPort = QStringLiteral("cutToFile");

    const CutJobResult result = RunCutJob(CutJobMode::CurrentLabel, job.inputs());
    EXPECT_EQ(result.end, CutJobEnd::FileFailed);
    EXPECT_FALSE(result.cut());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("错误"));
    EXPECT_TRUE(messages.messages[0].text.contains(dir.filePath(QStringLiteral("cutToFile"))));
}

TEST(CutJob, NothingToCutOpensNoPortAndNoFile)
{
    QTemporaryDir dir;
    ScopedWorkingDirectory inside(dir.path());
    RecordingMessageService messages;
    for (const char* port : {"cutToFile", "/dev/nonexistent-cutter"}) {
        CutJobFixture job;
        job.objects[0].ifPrint = false;
        job.controls.cmbCutPort = QString::fromUtf8(port);
        const CutJobResult result = RunCutJob(CutJobMode::CurrentLabel, job.inputs());
        EXPECT_EQ(result.end, CutJobEnd::NothingToCut) << port;
        EXPECT_FALSE(result.cut()) << port;
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(messages.messages.isEmpty()) << "no port was opened, so none failed";
}

TEST(CutJob, BadNumberRaisesBeforeTheFileIsWritten)
{
    QTemporaryDir dir;
    ScopedWorkingDirectory inside(dir.path());
    CutJobFixture job;
    job.controls.cmbCutPort = QStringLiteral("cutToFile");
    job.controls.chbCutSpeed = true;
    job.controls.cmbCutSpeed = QStringLiteral("schnell");
    EXPECT_THROW(RunCutJob(CutJobMode::CurrentLabel, job.inputs()), ConversionError);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(CutJob, PortThatDoesNotOpenEndsTheJobAtOnce)
{
    RecordingMessageService messages;
    CutJobFixture job;
    job.controls.cmbCutPort = QStringLiteral("/dev/nonexistent-cutter");
    const CutJobResult result = RunCutJob(CutJobMode::CurrentLabel, job.inputs());
    EXPECT_EQ(result.end, CutJobEnd::PortClosed);
    EXPECT_FALSE(result.cut());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Comm Error"));
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("雕刻时，打开通信端口错误!!"));
}

// What the cutter does during the wait: at `afterMs`, send `bytes`, or stop (empty bytes).
struct CutterStep {
    int afterMs;
    QByteArray bytes;
};

TEST(CutJob, WaitsForTheCutterOverTheLink)
{
    const struct {
        const char* name;
        bool stopBefore;
        std::vector<CutterStep> steps;
        CutJobEnd end;
        QByteArray reply;
    } cases[] = {
        {"acknowledged", false, {{10, "{000}"}}, CutJobEnd::Acknowledged, "{000}"},
        {"acknowledged in pieces of three and two", false, {{10, "{00"}, {60, "0}"}},
         CutJobEnd::Acknowledged, "{000}"},
        {"three characters are no answer yet", false, {{10, "{00"}, {150, {}}},
         CutJobEnd::Stopped, "{00"},
        {"rejected", false, {{10, "E0001"}}, CutJobEnd::Rejected, "E0001"},
        {"silent, then stopped", false, {{100, {}}}, CutJobEnd::Stopped, ""},
        {"a stop pressed before the job is not taken for it", true, {{10, "{000}"}},
         CutJobEnd::Acknowledged, "{000}"},
    };
    for (const auto& c : cases) {
        PtyPair line;
        ASSERT_TRUE(line.isValid());
        CutJobFixture job;
        job.controls.cmbCutPort = line.path();
        job.stopRequested = c.stopBefore;
        const std::optional<CutStream> expected = buildCutStream(CutJobMode::CurrentLabel, job.inputs());
        ASSERT_TRUE(expected);

        QObject machine;
        QByteArray sent;
        bool first = true;
        for (const CutterStep& step : c.steps) {
            QTimer::singleShot(step.afterMs, &machine, [&, step, readFirst = first] {
                if (readFirst)
                    sent = line.receive(expected->whole().size());
                if (step.bytes.isEmpty())
                    job.stopRequested = true;
                else
                    line.send(step.bytes);
            });
            first = false;
        }
        const CutJobResult result = RunCutJob(CutJobMode::CurrentLabel, job.inputs());
        EXPECT_EQ(result.end, c.end) << c.name;
        EXPECT_EQ(result.cut(), c.end == CutJobEnd::Acknowledged) << c.name;
        EXPECT_EQ(result.reply, c.reply) << c.name;
        EXPECT_EQ(sent, expected->whole()) << c.name;
    }
}

TEST(CutJob, LineThatHangsUpDuringTheWaitEndsIt)
{
    RecordingMessageService messages;
    PtyPair line;
    ASSERT_TRUE(line.isValid());
    CutJobFixture job;
    job.controls.cmbCutPort = line.path();
    QObject machine;
    QTimer::singleShot(20, &machine, [&] { line.hangUp(); });
    const CutJobResult result = RunCutJob(CutJobMode::CurrentLabel, job.inputs());
    EXPECT_EQ(result.end, CutJobEnd::PortClosed);
    EXPECT_FALSE(result.cut());
    ASSERT_FALSE(messages.messages.isEmpty());
    EXPECT_EQ(messages.messages.last().caption, QStringLiteral("Comm Error"));
}

} // namespace

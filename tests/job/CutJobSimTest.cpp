#include "CutJobSupport.h"

#include "job/CutJob.h"
#include "support/SimulatedMachine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testing_support::SimulatedMachine;

TEST(CutJobWithVirtualMachine, AcknowledgedRejectedOrStopped)
{
    const struct {
        const char* name;
        QStringList options;
        int stopAfterMs; // 0: never
        CutJobEnd end;
    } cases[] = {
        {"acknowledged", {}, 0, CutJobEnd::Acknowledged},
        {"acknowledged in pieces", {QStringLiteral("--split")}, 0, CutJobEnd::Acknowledged},
        {"rejected", {QStringLiteral("--cutter-reply"), QStringLiteral("E0001")}, 0, CutJobEnd::Rejected},
        {"silent, then stopped", {QStringLiteral("--cutter-silent")}, 300, CutJobEnd::Stopped},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("cutter.log"));
        SimulatedMachine sim(c.options + QStringList{QStringLiteral("--cutter-log"), log});
        ASSERT_FALSE(sim.cutterPath().isEmpty()) << c.name;

        CutJobFixture job;
        job.controls.cmbCutPort = sim.cutterPath();
        QObject operatorAtTheWindow;
        if (c.stopAfterMs > 0)
            QTimer::singleShot(c.stopAfterMs, &operatorAtTheWindow, [&job] { job.stopRequested = true; });
        const CutJobResult result = RunCutJob(CutJobMode::CurrentLabel, job.inputs());
        EXPECT_EQ(result.end, c.end) << c.name;
        EXPECT_EQ(result.cut(), c.end == CutJobEnd::Acknowledged) << c.name;

        const std::optional<CutStream> stream = buildCutStream(CutJobMode::CurrentLabel, job.inputs());
        ASSERT_TRUE(stream);
        QFile received(log);
        ASSERT_TRUE(received.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_EQ(received.readAll(), stream->whole()) << c.name;
    }
}

} // namespace

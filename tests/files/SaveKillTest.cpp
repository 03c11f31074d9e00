#include "LabelTestData.h"
#include "support/TestApp.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const QString kCli = testing_support::toolPath(QStringLiteral("marlune-cli"));

// Thousands of objects: a save takes long enough to be cut anywhere.
QByteArray largeLabel()
{
    LabelState state;
    const LabelState kinds = everyKindLabel();
    for (int copy = 0; copy < 150; ++copy)
        state.document.objects.append(kinds.document.objects);
    return state.bytes();
}

} // namespace

// A power cut or a kill while the label is saved must leave the file the operator had or
// the one being saved, never a torn mixture: the save is written beside the target and
// replaces it in one step.
TEST(SaveKill, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("large.xml"));
    const QString target = dir.filePath(QStringLiteral("target.xml"));
    ASSERT_TRUE(writeFile(source, largeLabel()));
    const QByteArray oldBytes = everyKindLabel().bytes();

    // The new file as an uninterrupted save writes it, and how long that takes.
    const QString expected = dir.filePath(QStringLiteral("expected.xml"));
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(QProcess::execute(kCli, {QStringLiteral("resave"), source, QStringLiteral("-o"), expected}), 0);
    const int saveMs = int(clock.elapsed());
    const QByteArray newBytes = testing_support::fileContent(expected);
    ASSERT_FALSE(newBytes.isEmpty());

    QRandomGenerator random(25);
    int keptOld = 0;
    int replaced = 0;
    for (int round = 0; round < 100; ++round) {
        ASSERT_TRUE(writeFile(target, oldBytes));
        QProcess cli;
        cli.start(kCli, {QStringLiteral("resave"), source, QStringLiteral("-o"), target});
        ASSERT_TRUE(cli.waitForStarted());
        const pid_t saver = pid_t(cli.processId());
        ASSERT_GT(saver, 0);
        const auto stop = [&] {
            if (cli.state() != QProcess::NotRunning)
                ::kill(saver, SIGKILL);
        };
        if (round % 2 == 0) {
            // At a random moment until the save has surely ended: before, during or after.
            if (!cli.waitForFinished(int(random.bounded(saveMs * 3 / 2 + 1))))
                stop();
        } else {
            // At the first sign of a change to the target: the moment a save that wrote over
            // the file in place would leave it torn.
            QFileSystemWatcher watcher({target});
            QEventLoop loop;
            QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &loop, [&] {
                stop();
                loop.quit();
            });
            QObject::connect(&cli, &QProcess::finished, &loop, &QEventLoop::quit);
            loop.exec();
        }
        cli.waitForFinished(-1);

        const QByteArray now = testing_support::fileContent(target);
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "round " << round << ": " << now.size() << " bytes";
        keptOld += now == oldBytes;
        replaced += now == newBytes;
    }
    std::printf("kept the old file %d times, the new one %d times\n", keptOld, replaced);
    EXPECT_GT(keptOld, 0) << "no kill came before the save ended";
    EXPECT_GT(replaced, 0) << "no save got through";
}

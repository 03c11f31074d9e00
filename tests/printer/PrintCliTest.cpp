#include "support/CliRun.h"
#include "support/SimulatedMachine.h"
#include "support/TestApp.h"

#include "ports/WaitPumping.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testing_support::runCli;


// The example labels name their pictures relative to the source tree, as the README runs them.
class SourceTreeDirectory {
public:
    SourceTreeDirectory()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(testing_support::sourcePath(QStringLiteral(".")));
    }
    ~SourceTreeDirectory() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

TEST(PrintCli, WritesTheJobStreamOfTheSampleLabel)
{
    const SourceTreeDirectory sourceTree;
    QTemporaryDir dir;
    const QString stream = dir.filePath(QStringLiteral("sample.prn"));
    const QString blank = dir.filePath(QStringLiteral("blank.prn"));
    const QString sample = testing_support::sourcePath(QStringLiteral("examples/sample.xml"));
    const auto print = runCli({QStringLiteral("print"), sample, QStringLiteral("-o"), stream, QStringLiteral("--quantity"),
                               QStringLiteral("3")});
    EXPECT_EQ(print.exitCode, 0) << print.err.constData();
    const QByteArray bytes = testing_support::fileContent(stream);
    EXPECT_TRUE(bytes.startsWith("{D")) << bytes.left(40).constData();
    EXPECT_TRUE(bytes.contains("|}{XS;I,0003,")) << "quantity 3 in the issue command";
    EXPECT_TRUE(bytes.endsWith("1|}"));

    const auto feed = runCli({QStringLiteral("print"), sample, QStringLiteral("--blank"), QStringLiteral("-o"), blank});
    EXPECT_EQ(feed.exitCode, 0) << feed.err.constData();
    EXPECT_FALSE(testing_support::fileContent(blank).contains("{SG;"));
    EXPECT_TRUE(testing_support::fileContent(blank).contains("{XS;I,0001,"));
}

TEST(PrintCli, FailuresExitNonZeroWithAReason)
{
    QTemporaryDir dir;
    const QString sample = testing_support::sourcePath(QStringLiteral("examples/sample.xml"));
    const QStringList cases[] = {
        {QStringLiteral("print")},
        {QStringLiteral("print"), dir.filePath(QStringLiteral("missing.xml"))},
        {QStringLiteral("print"), sample, QStringLiteral("--port"), dir.filePath(QStringLiteral("no/such/port"))},
        {QStringLiteral("print"), sample, QStringLiteral("--quantity"), QStringLiteral("many"), QStringLiteral("-o"),
         dir.filePath(QStringLiteral("x.prn"))},
        {QStringLiteral("print"), sample, QStringLiteral("-o")},
    };
    for (const QStringList& arguments : cases) {
        const auto run = runCli(arguments);
        EXPECT_NE(run.exitCode, 0) << qPrintable(arguments.join(u' '));
        EXPECT_FALSE(run.err.trimmed().isEmpty()) << qPrintable(arguments.join(u' '));
    }
}

// The virtual machine listens on the loopback address; a closed port there refuses.
TEST(PrintCli, PrintsToANetworkPrinterOrSaysWhyNot)
{
    const SourceTreeDirectory sourceTree;
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("printer.log"));
    const QString sample = testing_support::sourcePath(QStringLiteral("examples/sample.xml"));
    testing_support::SimulatedMachine sim({QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--printer-log"), log});
    ASSERT_TRUE(sim.networkName().startsWith(QStringLiteral("tcp://127.0.0.1:"))) << qPrintable(sim.networkName());
    const auto print = runCli({QStringLiteral("print"), sample, QStringLiteral("--port"), sim.networkName()});
    EXPECT_EQ(print.exitCode, 0) << print.err.constData();
    QTimer look; // the log grows without an event of this process: look now and then
    look.start(10);
    waitPumping([&] { return testing_support::fileContent(log).endsWith("1|}"); }, QDeadlineTimer(30000));
    EXPECT_TRUE(testing_support::fileContent(log).startsWith("{D")) << "the whole job, header first";
    EXPECT_TRUE(testing_support::fileContent(log).endsWith("1|}"));

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString refusing = QStringLiteral("tcp://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    const auto refused = runCli({QStringLiteral("print"), sample, QStringLiteral("--port"), refusing});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(refused.err).startsWith(
        QStringLiteral("marlune-cli print: %1: 打开打印端口错误；打印机 127.0.0.1:").arg(refusing)))
        << refused.err.constData();
}

} // namespace


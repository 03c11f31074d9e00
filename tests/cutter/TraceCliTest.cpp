#include "TracingSupport.h"
#include "support/CliRun.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::CliRun;
using testing_support::runCli;

TEST(TraceCli, PrintsOnePointPerLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frame.bmp"));
    ASSERT_TRUE(cut_testing::drawing(12, 10, cut_testing::rectangleOutline({2, 2}, {9, 8})).save(path, "BMP"));
    const CliRun run = runCli({QStringLiteral("trace"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QByteArray("2,5\n2,5\n2,8\n9,8\n9,2\n2,2\n2,5\n2,8\n9,8\n9,2\n2,2\n"));
}

TEST(TraceCli, FailuresExitNonZeroWithAReason)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.bmp"));
    const struct {
        QStringList arguments;
        const char* what;
    } rows[] = {
        {{QStringLiteral("trace"), missing}, "missing file"},
        {{QStringLiteral("trace")}, "no file"},
        {{QStringLiteral("trace"), missing, missing}, "two files"},
    };
    for (const auto& row : rows) {
        const CliRun run = runCli(row.arguments);
        EXPECT_NE(run.exitCode, 0) << row.what;
        EXPECT_TRUE(run.out.isEmpty()) << row.what;
        EXPECT_TRUE(run.err.contains("marlune-cli trace: ")) << row.what;
    }
}

#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::CliRun;
using testing_support::runCli;
using testing_support::sourcePath;

TEST(RenderCli, WritesTheSurfaceAtTheChosenZoom)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("preview.png"));
    // The sample label is 100 x 60 mm: 377 x 226 whole pixels at 96 dpi and 100 %.
    const struct {
        QStringList options;
        QSize size;
    } rows[] = {
        {{}, {377, 226}},
        {{QStringLiteral("--zoom"), QStringLiteral("2")}, {754, 452}},
        {{QStringLiteral("--zoom"), QStringLiteral("0.5"), QStringLiteral("--dpi"), QStringLiteral("192")}, {377, 226}},
        // Fitted into 430 x 330: (430 - 30) / 377 limits.
        {{QStringLiteral("--zoom"), QStringLiteral("fit"), QStringLiteral("--area"), QStringLiteral("430x330")}, {400, 239}},
    };
    for (const auto& row : rows) {
        const CliRun run = runCli(QStringList{QStringLiteral("render"), sourcePath(QStringLiteral("examples/sample.xml")),
                                              QStringLiteral("-o"), output} + row.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(output);
        EXPECT_EQ(image.size(), row.size) << row.options.join(u' ').toStdString();
        EXPECT_EQ(image.pixel(image.width() / 2, image.height() * 3 / 4), qRgb(255, 255, 255))
            << "the white sheet";
        int cutPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                cutPixels += image.pixel(x, y) == qRgb(128, 0, 0);
        }
        EXPECT_GT(cutPixels, image.width()) << "the cut objects in dark red";
    }
}

TEST(RenderCli, FailuresExitNonZeroWithAReason)
{
    QTemporaryDir dir;
    const QString label = sourcePath(QStringLiteral("examples/sample.xml"));
    const QString output = dir.filePath(QStringLiteral("out.png"));
    const struct {
        QStringList arguments;
        const char* what;
    } rows[] = {
        {{dir.filePath(QStringLiteral("missing.xml")), QStringLiteral("-o"), output}, "missing label"},
        {{label}, "no output"},
        {{label, QStringLiteral("-o")}, "output without value"},
        {{label, QStringLiteral("-o"), output, QStringLiteral("--zoom"), QStringLiteral("0.6")}, "zoom not in the list"},
        {{label, QStringLiteral("-o"), output, QStringLiteral("--dpi"), QStringLiteral("0")}, "dpi 0"},
        {{label, QStringLiteral("-o"), output, QStringLiteral("--area"), QStringLiteral("10x10")}, "area too small"},
        {{label, QStringLiteral("-o"), dir.filePath(QStringLiteral("no/such/dir.png"))}, "unwritable output"},
        {{label, label, QStringLiteral("-o"), output}, "two labels"},
    };
    for (const auto& row : rows) {
        const CliRun run = runCli(QStringList{QStringLiteral("render")} + row.arguments);
        EXPECT_NE(run.exitCode, 0) << row.what;
        EXPECT_TRUE(run.err.contains("marlune-cli render: ")) << row.what;
    }
}

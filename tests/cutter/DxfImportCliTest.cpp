#include "files/LabelFile.h"
#include "model/JobSettings.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::runCli;

TEST(DxfImportCli, WritesANewLabelOfTheGivenSize)
{
    QTemporaryDir dir;
    const QString label = dir.filePath(QStringLiteral("die-line.xml"));
    const auto run = runCli({QStringLiteral("import-dxf"),
                             testing_support::sourcePath(QStringLiteral("examples/die-line.dxf")),
                             QStringLiteral("-o"), label, QStringLiteral("--size"),
                             QStringLiteral("80x50")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    Tobject document;
    LabelSettings settings;
    JobSettings job;
    const LabelLoadResult result = LoadLabel(label, {document, settings, job}, nullptr);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(settings.Width, 800);
    EXPECT_EQ(settings.Height, 500);
    // Four sides, four corners, a hole and an oval.
    EXPECT_EQ(document.objects.size(), 10);
    for (const Tshape& shape : document.objects)
        EXPECT_TRUE(shape.isCut()) << qPrintable(shape.Type);
}

TEST(DxfImportCli, AMissingDrawingWritesNothing)
{
    QTemporaryDir dir;
    const QString label = dir.filePath(QStringLiteral("none.xml"));
    const auto run = runCli({QStringLiteral("import-dxf"), dir.filePath(QStringLiteral("none.dxf")),
                             QStringLiteral("-o"), label});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("marlune-cli import-dxf: ")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(label));
}

#include "support/TestApp.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::sourcePath;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun run(const QString& program, const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A fresh Debian machine gets what "cmake --install" puts under the prefix: the programs on
// the PATH, the workbook reader among the helpers, the menu entry, its icon, the manual pages.
TEST(Install, TheInstalledProgramsRunFromTheirInstalledPlaces)
{
    QTemporaryDir prefix;
    const ProgramRun install = run(QStringLiteral(MARLUNE_CMAKE_COMMAND),
                            {"--install", MARLUNE_BINARY_DIR, "--prefix", prefix.path()});
    ASSERT_EQ(install.exitCode, 0) << install.err.toStdString();

    const QDir root(prefix.path());
    const char* const installed[] = {
        "bin/marlune",
        "bin/marlune-cli",
        "bin/marlune-sim",
        "libexec/marlune/marlune-xls-reader",
        "share/marlune/examples/sample.xml",
        "share/marlune/examples/logo.bmp",
        "share/applications/marlune.desktop",
        "share/metainfo/org.example.marlune.metainfo.xml",
        "share/icons/hicolor/scalable/apps/marlune.svg",
        "share/icons/hicolor/16x16/apps/marlune.png",
        "share/icons/hicolor/256x256/apps/marlune.png",
        "share/man/man1/marlune-cli.1.gz",
        "share/man/man1/marlune-sim.1.gz",
        "share/man/zh_CN/man1/marlune-cli.1.gz",
        "share/doc/marlune/README.Debian",
    };
    for (const char* file : installed)
        EXPECT_TRUE(QFileInfo::exists(root.filePath(QString::fromLatin1(file)))) << file;
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("bin/marlune-xls-reader"))));

    const QString cli = root.filePath(QStringLiteral("bin/marlune-cli"));
    const ProgramRun version = run(cli, {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("marlune-cli " MARLUNE_VERSION "\n"));

    // The examples name their pictures as "examples/…", from the folder that holds them.
    const QString shared = root.filePath(QStringLiteral("share/marlune"));
    const QString preview = QDir(prefix.path()).filePath(QStringLiteral("sample.png"));
    const ProgramRun render = run(cli, {"render", "examples/sample.xml", "-o", preview, "--zoom", "fit"}, shared);
    EXPECT_EQ(render.exitCode, 0) << render.err.toStdString();
    EXPECT_TRUE(render.err.isEmpty()) << render.err.toStdString();
    EXPECT_FALSE(QImage(preview).isNull());

    // A binary workbook is read by the helper in libexec.
    const ProgramRun sheets = run(cli, {"sheets", sourcePath(QStringLiteral("tests/fixtures/xls/basic.xls"))});
    EXPECT_EQ(sheets.exitCode, 0) << sheets.err.toStdString();
    EXPECT_FALSE(sheets.out.isEmpty());
}

struct Validator {
    const char* tool;
    QStringList arguments; // the file to validate last
};

// Software centres and menus drop entries that do not validate.
TEST(Install, DesktopEntryAndMetadataValidate)
{
    const Validator validators[] = {
        {"desktop-file-validate", {sourcePath(QStringLiteral("packaging/marlune.desktop"))}},
        {"appstreamcli",
         {"validate", "--no-net", "--pedantic", MARLUNE_PACKAGING_BINARY_DIR "/org.example.marlune.metainfo.xml"}},
    };
    int ran = 0;
    for (const Validator& validator : validators) {
        const QString tool = QStandardPaths::findExecutable(QString::fromLatin1(validator.tool));
        if (tool.isEmpty())
            continue;
        const ProgramRun result = run(tool, validator.arguments);
        EXPECT_EQ(result.exitCode, 0) << validator.tool << "\n" << result.out.toStdString() << result.err.toStdString();
        EXPECT_FALSE(result.out.contains(u"warning")) << result.out.toStdString();
        ++ran;
    }
    if (ran == 0)
        GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
}

} // namespace

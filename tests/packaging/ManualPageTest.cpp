#include "app/cli/CliCommand.h"
#include "app/cli/CliHelp.h"
#include "app/man/ManualPage.h"
#include "app/sim/SimCommandLine.h"
#include "support/TestApp.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// The page as a reader sees it, without the formatting escapes.
QString plain(QString page)
{
    for (const char* escape : {"\\fB", "\\fI", "\\fR", "\\&", "\\:"})
        page.remove(QLatin1StringView(escape));
    return page.replace(QStringLiteral("\\-"), QStringLiteral("-")).replace(QStringLiteral("\\e"), QStringLiteral("\\"));
}

// What --help says, the manual page says: every command with its synopsis and summary, every
// option with its text, every exit code, in each language.
void expectPagesMatchHelp()
{
    const QString cli = plain(cliManualPage(QStringLiteral("2026-01-01")));
    for (const CliCommand& command : cliCommands()) {
        EXPECT_TRUE(cli.contains(command.synopsis())) << command.name;
        EXPECT_TRUE(cli.contains(cliText(command.summary))) << command.name;
        for (const CliOption& option : command.options) {
            EXPECT_TRUE(cli.contains(toolOptionColumn(option) + u'\n' + cliText(option.description)))
                << command.name << " " << option.names;
        }
        if (command.example) {
            EXPECT_TRUE(cli.contains(cliExample(command))) << command.name;
        }
    }
    for (const CliExitCode& row : cliExitCodes())
        EXPECT_TRUE(cli.contains(QStringLiteral(".B %1\n%2").arg(row.code).arg(cliText(row.meaning)))) << row.code;

    const QString sim = plain(simManualPage(QStringLiteral("2026-01-01")));
    for (const ToolOption& option : simOptions()) {
        const QString text = QCoreApplication::translate("SimText", option.description);
        EXPECT_TRUE(sim.contains(toolOptionColumn(option) + u'\n' + text)) << option.names;
        EXPECT_TRUE(simHelp().contains(text)) << option.names;
    }
}

TEST(ManualPage, ListsWhatTheHelpLists)
{
    {
        SCOPED_TRACE("Chinese");
        expectPagesMatchHelp();
    }
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/marlune_en.qm")));
    QCoreApplication::installTranslator(&english);
    {
        SCOPED_TRACE("English");
        expectPagesMatchHelp();
    }
    QCoreApplication::removeTranslator(&english);
}

// A table text that begins like a request or holds a backslash must print as written.
TEST(ManualPage, TableTextsCannotFormatThePage)
{
    const struct {
        const char* text;
        const char* roff;
    } rows[] = {
        {".quantity", "\\&.quantity"},
        {"'quoted", "\\&'quoted"},
        {"--timeout", "\\-\\-timeout"},
        {"a\\b", "a\\eb"},
        {"两行\n文字", "两\\:行\n.br\n文\\:字"},
        {"端口，波特率。", "端\\:口，\\:波\\:特\\:率。"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(roffText(QString::fromUtf8(row.text)), QString::fromUtf8(row.roff)) << row.text;
}

// man formats the installed pages without a warning (a broken request, a line it cannot set).
TEST(ManualPage, BuiltPagesFormatCleanly)
{
    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    if (man.isEmpty())
        GTEST_SKIP() << "man is not installed";
    for (const char* page : {"man1/marlune-cli.1.gz", "man1/marlune-sim.1.gz", "zh_CN/man1/marlune-cli.1.gz",
                             "zh_CN/man1/marlune-sim.1.gz"}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        process.setProcessEnvironment(environment);
        process.start(man, {"--warnings", "-E", "UTF-8", "-l", MARLUNE_PACKAGING_BINARY_DIR "/man/" + QString::fromLatin1(page)});
        ASSERT_TRUE(process.waitForFinished(60000)) << page;
        EXPECT_EQ(process.exitCode(), 0) << page;
        EXPECT_EQ(process.readAllStandardError(), QByteArray()) << page;
        EXPECT_GT(process.readAllStandardOutput().size(), 1000) << page;
    }
}

} // namespace

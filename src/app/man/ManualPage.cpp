#include "app/man/ManualPage.h"

#include "app/cli/CliCommand.h"
#include "app/cli/CliHelp.h"
#include "app/sim/SimCommandLine.h"

#include <QCoreApplication>

namespace {

class ManualPage {
    Q_DECLARE_TR_FUNCTIONS(ManualPage)
};

// The page's head: the coding line lets man read a Chinese page in any locale; lines are set
// ragged and unhyphenated, since neither suits Chinese text or option names.
QString header(const QString& program, const QString& date)
{
    return QStringLiteral("'\\\" -*- coding: UTF-8 -*-\n"
                          ".\\\" Written by marlune-man from the program's option tables.\n"
                          ".TH %1 1 \"%2\" \"Marlune %3\" \"%4\"\n"
                          ".ad l\n.nh\n")
        .arg(roffText(program.toUpper()), date, QStringLiteral(MARLUNE_VERSION), ManualPage::tr("Marlune 手册"));
}

QString section(const QString& title)
{
    return QStringLiteral(".SH \"%1\"\n").arg(title);
}

QString name(const QString& program, QString summary)
{
    if (summary.endsWith(u'。') || summary.endsWith(u'.'))
        summary.chop(1);
    return section(ManualPage::tr("名称")) + roffText(program) + QStringLiteral(" \\- ") + roffText(summary) + u'\n';
}

// ".TP" paragraphs: the option in bold, its value in italics, its text beneath.
QString options(std::span<const ToolOption> table, const char* context)
{
    QString text;
    for (const ToolOption& option : table) {
        ToolOption bare = option;
        bare.valueName = nullptr;
        text += QStringLiteral(".TP\n\\fB%1\\fR").arg(roffText(toolOptionColumn(bare)));
        if (option.valueName)
            text += QStringLiteral(" \\fI%1\\fR").arg(roffText(QString::fromLatin1(option.valueName)));
        text += u'\n' + roffText(QCoreApplication::translate(context, option.description)) + u'\n';
    }
    return text;
}

QString lines(const QStringList& commandLines)
{
    QString text = QStringLiteral(".nf\n");
    for (const QString& line : commandLines)
        text += roffText(line) + u'\n';
    return text + QStringLiteral(".fi\n");
}

QString seeAlso(const QString& other)
{
    return section(ManualPage::tr("参见")) + QStringLiteral(".BR %1 (1)\n").arg(roffText(other));
}

} // namespace

QString roffText(const QString& text)
{
    QString escaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\')
            escaped += QStringLiteral("\\e");
        else if (c == u'-')
            escaped += QStringLiteral("\\-");
        else
            escaped += c;
        // Chinese is written without spaces: the formatter may break the line after any of
        // its characters, but not before a closing mark (nor where a blank allows it anyway).
        static const QString closing = QStringLiteral("，。；：、）！？”」》");
        if (c.unicode() >= 0x2e80 && i + 1 < text.size() && !text[i + 1].isSpace() && !closing.contains(text[i + 1]))
            escaped += QStringLiteral("\\:");
    }
    escaped.replace(u'\n', QStringLiteral("\n.br\n"));
    if (escaped.startsWith(u'.') || escaped.startsWith(u'\''))
        escaped.prepend(QStringLiteral("\\&"));
    return escaped;
}

QString cliManualPage(const QString& date)
{
    QString page = header(QStringLiteral("marlune-cli"), date) + name(QStringLiteral("marlune-cli"), cliDescription());
    page += section(ManualPage::tr("概要")) + lines(cliUsageLines());
    page += section(ManualPage::tr("描述")) + roffText(cliDescription()) + QStringLiteral("\n.PP\n")
            + roffText(cliFailureLineNote()) + u'\n';
    page += section(ManualPage::tr("选项")) + options(cliProgramOptions(), "CliText");

    page += section(ManualPage::tr("命令"));
    QStringList examples;
    for (const CliCommand& command : cliCommands()) {
        page += QStringLiteral(".TP\n\\fB%1\\fR\n").arg(roffText(command.synopsis()));
        page += roffText(cliText(command.summary)) + QStringLiteral("\n.RS\n");
        page += options(command.options, "CliText") + options({&cliHelpOption(), 1}, "CliText");
        page += QStringLiteral(".RE\n");
        if (const QString example = cliExample(command); !example.isEmpty())
            examples.append(example);
    }

    page += section(ManualPage::tr("退出状态"));
    for (const CliExitCode& row : cliExitCodes())
        page += QStringLiteral(".TP\n.B %1\n%2\n").arg(row.code).arg(roffText(cliText(row.meaning)));
    page += section(ManualPage::tr("示例")) + lines(examples);
    return page + seeAlso(QStringLiteral("marlune-sim"));
}

QString simManualPage(const QString& date)
{
    QString page = header(QStringLiteral("marlune-sim"), date) + name(QStringLiteral("marlune-sim"), simSummary());
    page += section(ManualPage::tr("概要")) + lines({QStringLiteral("marlune-sim [OPTIONS]")});
    page += section(ManualPage::tr("描述")) + roffText(simDescription()) + u'\n';
    page += section(ManualPage::tr("选项")) + options(simOptions(), "SimText");
    page += section(ManualPage::tr("退出状态"));
    page += QStringLiteral(".TP\n.B 0\n%1\n.TP\n.B 1\n%2\n.TP\n.B 2\n%3\n")
                .arg(roffText(SimText::tr("收到 SIGTERM 或 SIGINT，或 --labels 张标签已打印雕刻")),
                     roffText(SimText::tr("伪终端或日志打不开")), roffText(SimText::tr("命令行有误")));
    page += section(ManualPage::tr("示例"))
            + lines({QStringLiteral("marlune-sim --printer-log printer.log --cutter-log cutter.log &"),
                     QStringLiteral("marlune-cli run examples/sample.xml --printer /dev/pts/N --status /dev/pts/M "
                                    "--cutter /dev/pts/K --quantity 3")});
    return page + seeAlso(QStringLiteral("marlune-cli"));
}

#include "app/cli/CliHelp.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"

#include <QCoreApplication>

namespace {

QString exitCodeTable()
{
    QString text = CliText::tr("退出码：") + u'\n';
    for (const CliExitCode& row : cliExitCodes())
        text += QStringLiteral("  %1  %2\n").arg(row.code, -3).arg(cliText(row.meaning));
    return text;
}

QString usage(const QStringList& lines)
{
    return usageBlock(CliText::tr("用法："), lines);
}

} // namespace

QString cliText(const char* source)
{
    return QCoreApplication::translate("CliText", source);
}

QString cliDescription()
{
    return CliText::tr("不开窗口执行标签机的作业。");
}

QStringList cliUsageLines()
{
    return {QStringLiteral("marlune-cli [--language LANG] COMMAND [ARGUMENTS]"),
            QStringLiteral("marlune-cli [--language LANG] COMMAND --help"),
            QStringLiteral("marlune-cli [--language LANG] help [COMMAND]"),
            QStringLiteral("marlune-cli --help | --version")};
}

QString cliFailureLineNote()
{
    return CliText::tr("出错时在 stderr 输出一行：marlune-cli COMMAND: 出错的文件、端口、工作表或选项: 原因");
}

QString cliExample(const CliCommand& command)
{
    return command.example ? QStringLiteral("marlune-cli ") + QString::fromUtf8(command.example) : QString();
}

CliFailure unknownCommand(const QString& name)
{
    return {kExitNotStarted, name, CliText::tr("没有这个命令（命令一览见 marlune-cli --help）")};
}

QString programHelp()
{
    QString text = usage(cliUsageLines()) + u'\n' + cliDescription() + QStringLiteral("\n\n") + CliText::tr("命令：")
                   + u'\n';
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1\n      %2\n").arg(command.synopsis(), cliText(command.summary));
    QList<const CliOption*> options;
    for (const CliOption& option : cliProgramOptions())
        options.append(&option);
    text += u'\n' + CliText::tr("选项：") + u'\n' + toolOptionList(options, "CliText");
    return text + u'\n' + cliFailureLineNote() + QStringLiteral("\n\n") + exitCodeTable();
}

QString commandHelp(const CliCommand& command)
{
    QList<const CliOption*> options;
    for (const CliOption& option : command.options)
        options.append(&option);
    options.append(&cliHelpOption());
    QString text = usage({QStringLiteral("marlune-cli ") + command.synopsis()}) + u'\n' + cliText(command.summary)
                   + QStringLiteral("\n\n") + CliText::tr("选项：") + u'\n' + toolOptionList(options, "CliText");
    if (const QString example = cliExample(command); !example.isEmpty())
        text += u'\n' + CliText::tr("示例：") + u'\n' + QStringLiteral("  ") + example + u'\n';
    return text + u'\n' + exitCodeTable();
}

int runHelp(const CliArguments& arguments)
{
    const QString name = arguments.argument(0);
    if (name.isEmpty()) {
        writeStdout(programHelp());
        return kExitDone;
    }
    const CliCommand* command = findCliCommand(name);
    if (!command)
        throw unknownCommand(name);
    writeStdout(commandHelp(*command));
    return kExitDone;
}

#include "app/cli/CliHelp.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("CliText", text);
}

// "-o, --output FILE"
QString optionColumn(const CliOption& option)
{
    QStringList names = QString::fromLatin1(option.names).split(u',');
    for (QString& name : names)
        name = dashed(name);
    QString column = names.join(QStringLiteral(", "));
    if (option.valueName)
        column += u' ' + QString::fromLatin1(option.valueName);
    return column;
}

QString exitCodeTable()
{
    QString text = CliText::tr("退出码：") + u'\n';
    for (const CliExitCode& row : cliExitCodes())
        text += QStringLiteral("  %1  %2\n").arg(row.code, -3).arg(translated(row.meaning));
    return text;
}

} // namespace

CliFailure unknownCommand(const QString& name)
{
    return {kExitNotStarted, name, CliText::tr("没有这个命令（命令一览见 marlune-cli --help）")};
}

QString programHelp()
{
    QString text = CliText::tr("用法：marlune-cli COMMAND [ARGUMENTS]\n"
                               "      marlune-cli COMMAND --help 或 marlune-cli help COMMAND\n"
                               "      marlune-cli --help | --version\n\n"
                               "不开窗口执行标签机的作业。\n\n"
                               "命令：\n");
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1\n      %2\n").arg(command.synopsis(), translated(command.summary));
    text += u'\n'
            + CliText::tr("出错时在 stderr 输出一行：marlune-cli COMMAND: 出错的文件、端口、工作表或选项: 原因") + QStringLiteral("\n\n");
    return text + exitCodeTable();
}

QString commandHelp(const CliCommand& command)
{
    QList<const CliOption*> options;
    for (const CliOption& option : command.options)
        options.append(&option);
    options.append(&cliHelpOption());
    qsizetype width = 0;
    for (const CliOption* option : options)
        width = std::max(width, optionColumn(*option).size());

    QString text = CliText::tr("用法：marlune-cli %1").arg(command.synopsis()) + QStringLiteral("\n\n")
                   + translated(command.summary) + QStringLiteral("\n\n") + CliText::tr("选项：") + u'\n';
    for (const CliOption* option : options) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(optionColumn(*option), -int(width))
                    .arg(translated(option->description));
    }
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

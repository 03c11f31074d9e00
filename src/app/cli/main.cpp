#include "app/HeadlessPlatform.h"
#include "app/InterfaceLanguage.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliHelp.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"
#include "model/FontSubstitutions.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

// Runs one command: its help when asked, else the command itself. Whatever ends it, a
// failure is one line on stderr; the core's messages shown on the way become that line's
// reason, or follow a command that went on all the same.
int runCommand(const CliCommand& command, const QStringList& arguments)
{
    const QString name = QString::fromLatin1(command.name);
    CliMessages& messages = CliMessages::instance();
    // A failure the command did not give a subject names its first argument: the file.
    QString subject;
    try {
        const CliArguments parsed(command, arguments);
        if (parsed.helpAsked()) {
            writeStdout(commandHelp(command));
            return kExitDone;
        }
        subject = parsed.argument(0);
        const int exitCode = command.run(parsed);
        if (const QString shown = messages.take(); !shown.isEmpty())
            writeCommandLine(name, subject, shown);
        return exitCode;
    } catch (const CliFailure& failure) {
        const QString shown = messages.take();
        writeCommandLine(name, failure.subject, failure.reason.isEmpty() ? shown : failure.reason);
        return failure.exitCode;
    } catch (const DataSourceError& error) {
        writeCommandLine(name, subject, error.message());
    } catch (const MessageError& error) {
        writeCommandLine(name, subject, error.message());
    } catch (const std::exception& error) {
        writeCommandLine(name, subject, QString::fromLocal8Bit(error.what()));
    }
    return kExitNotStarted;
}

// Takes "--language NAME" (or "--language=NAME") from the front of the arguments: the
// language is chosen before the command, so every text of the command speaks it. Raises
// CliFailure when the name is missing.
QString takeLanguage(QStringList& arguments)
{
    const QString option = QStringLiteral("--language");
    if (arguments.isEmpty() || !(arguments[0] == option || arguments[0].startsWith(option + u'=')))
        return {};
    const qsizetype taken = arguments[0] == option ? 2 : 1;
    const QString name = languageArgument(arguments.mid(0, taken));
    if (name.isEmpty() || arguments.size() < taken)
        throw CliFailure{kExitNotStarted, option, CliText::tr("缺少值")};
    arguments.remove(0, taken);
    return name;
}

} // namespace

int main(int argc, char* argv[])
{
    chooseHeadlessPlatform();
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    CliMessages::instance();

    QStringList arguments = app.arguments().mid(1);
    QString language;
    try {
        language = takeLanguage(arguments);
    } catch (const CliFailure& failure) {
        writeCommandLine(QString(), failure.subject, failure.reason);
        return failure.exitCode;
    }
    if (!startInChosenLanguage(app, language, "marlune-cli"))
        return kExitNotStarted;
    if (arguments.isEmpty()) {
        writeStderr(programHelp());
        return kExitNotStarted;
    }
    const QString name = arguments.takeFirst();
    if (name == u"--help" || name == u"-h") {
        writeStdout(programHelp());
        return kExitDone;
    }
    if (name == u"--version") {
        std::printf("marlune-cli %s\n", MARLUNE_VERSION);
        return kExitDone;
    }
    const CliCommand* command = findCliCommand(name);
    if (!command) {
        const CliFailure failure = unknownCommand(name);
        writeCommandLine(QString(), failure.subject, failure.reason);
        return failure.exitCode;
    }
    return runCommand(*command, arguments);
}

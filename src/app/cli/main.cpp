#include "app/HeadlessPlatform.h"
#include "app/cli/CliArguments.h"
#include "app/cli/CliHelp.h"
#include "app/cli/CliOutput.h"
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

} // namespace

int main(int argc, char* argv[])
{
    chooseHeadlessPlatform();
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    CliMessages::instance();

    QStringList arguments = app.arguments().mid(1);
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

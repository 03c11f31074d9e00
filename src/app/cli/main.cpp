#include "app/HeadlessPlatform.h"
#include "app/cli/CliCommand.h"
#include "model/MessageError.h"
#include "model/FontSubstitutions.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

void printUsage(std::FILE* out)
{
    std::fprintf(out, "Usage: marlune-cli COMMAND [ARGUMENTS]\n"
                      "       marlune-cli --help | --version\n\n"
                      "Runs the label machine's jobs without a window.\n");
    if (!cliCommands().empty())
        std::fprintf(out, "\nCommands:\n");
    for (const CliCommand& command : cliCommands())
        std::fprintf(out, "  %s %s\n      %s\n", command.name, command.synopsis, command.summary);
}

} // namespace

int main(int argc, char* argv[])
{
    chooseHeadlessPlatform();
    QGuiApplication app(argc, argv);
    installFontSubstitutions();

    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        printUsage(stderr);
        return 1;
    }
    const QString name = arguments.takeFirst();
    if (name == u"--help" || name == u"-h") {
        printUsage(stdout);
        return 0;
    }
    if (name == u"--version") {
        std::printf("marlune-cli %s\n", MARLUNE_VERSION);
        return 0;
    }
    for (const CliCommand& command : cliCommands()) {
        if (name != QLatin1StringView(command.name))
            continue;
        try {
            return command.run(arguments);
        } catch (const MessageError& error) {
            std::fprintf(stderr, "marlune-cli %s: %s\n", command.name,
                         qUtf8Printable(error.message()));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "marlune-cli %s: %s\n", command.name, error.what());
        }
        return 1;
    }
    std::fprintf(stderr, "marlune-cli: unknown command '%s' (see --help)\n", qUtf8Printable(name));
    return 1;
}

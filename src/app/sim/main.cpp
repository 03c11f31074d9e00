#include "app/HeadlessPlatform.h"
#include "app/InterfaceLanguage.h"
#include "app/TerminationSignals.h"
#include "app/sim/SimCommandLine.h"
#include "job/VirtualLabelMachine.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    chooseHeadlessPlatform();
    // A GUI application without a window: the pictures of --render are painted.
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (!startInChosenLanguage(app, languageArgument(arguments), "marlune-sim"))
        return 2;
    const SimCommandLine line = parseSimCommandLine(arguments);
    if (!line.problem.isEmpty()) {
        std::fprintf(stderr, "marlune-sim: %s\n", qUtf8Printable(line.problem));
        return 2;
    }
    if (line.helpAsked) {
        std::fputs(qUtf8Printable(simHelp()), stdout);
        return 0;
    }
    if (line.versionAsked) {
        std::printf("marlune-sim %s\n", MARLUNE_VERSION);
        return 0;
    }

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);
    VirtualLabelMachine machine(line.options);
    QObject::connect(&machine, &VirtualLabelMachine::finished, &app, &QCoreApplication::quit);
    QObject::connect(&machine, &VirtualLabelMachine::pictureProblems, [](const QStringList& lines) {
        for (const QString& line : lines)
            std::fprintf(stderr, "marlune-sim: %s\n", qUtf8Printable(line));
    });
    QString error;
    if (!termination.isWatching() || !machine.start(&error)) {
        std::fprintf(stderr, "marlune-sim: %s\n",
                     qUtf8Printable(error.isEmpty() ? SimText::tr("无法监视终止信号") : error));
        return 1;
    }
    std::printf("printer=%s\nstatus=%s\ncutter=%s\n",
                qUtf8Printable(machine.path(VirtualLabelMachine::Port::Printer)),
                qUtf8Printable(machine.path(VirtualLabelMachine::Port::Status)),
                qUtf8Printable(machine.path(VirtualLabelMachine::Port::Cutter)));
    if (const QString network = machine.networkName(); !network.isEmpty())
        std::printf("network=%s\n", qUtf8Printable(network));
    std::fflush(stdout);
    return app.exec();
}

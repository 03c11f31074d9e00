#include "app/HeadlessPlatform.h"
#include "app/TerminationSignals.h"
#include "job/VirtualLabelMachine.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace {

// A whole number option of at least `minimum`; reports a bad value on stderr.
std::optional<int> numberOption(const QCommandLineParser& parser, const QString& name, int fallback,
                                int minimum)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum) {
        std::fprintf(stderr, "marlune-sim: --%s needs a whole number of at least %d, not \"%s\"\n",
                     qUtf8Printable(name), minimum, qUtf8Printable(parser.value(name)));
        return std::nullopt;
    }
    return value;
}

std::optional<VirtualMachineOptions> parseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A virtual label machine on pseudo-terminals: it answers like the printer's status port\n"
        "and the cutter. It prints printer=PATH, status=PATH and cutter=PATH (and with --tcp\n"
        "network=tcp://127.0.0.1:PORT), then serves until SIGTERM or SIGINT, or until --labels\n"
        "labels have been printed and cut."));
    parser.addHelpOption();
    parser.addVersionOption();
    const auto value = [&parser](const char* name, const char* help, const char* valueName) {
        parser.addOption({QString::fromLatin1(name), QString::fromLatin1(help), QString::fromLatin1(valueName)});
    };
    const auto flag = [&parser](const char* name, const char* help) {
        parser.addOption({QString::fromLatin1(name), QString::fromLatin1(help)});
    };
    value("printer-log", "Append every byte the printer port receives to FILE.", "FILE");
    value("cutter-log", "Append every byte the cutter port receives to FILE.", "FILE");
    value("print-ms", "Milliseconds from a status request to its report (default 100).", "MS");
    value("cut-ms", "Milliseconds from a cutter stream to its reply (default 100).", "MS");
    value("fault-at", "Report a fault for label K.", "K");
    flag("interim", "Send an interim report before each final one.");
    flag("split", "Send reports and replies in two pieces.");
    value("cutter-reply", "Reply TEXT instead of {000}.", "TEXT");
    flag("cutter-silent", "The cutter never replies.");
    flag("flood", "Send 300 bytes of line noise before each answer.");
    value("hangup-at", "Close the port that receives label K instead of answering.", "K");
    value("labels", "Exit after N labels have been printed and cut.", "N");
    value("tcp", "The printer also listens on 127.0.0.1:PORT (0: any free port) and reports over the "
                 "connection that carried the label.", "PORT");
    value("render", "Draw every label printed as DIR/label-NNNN.png and every cut stream as "
                    "DIR/label-NNNN.svg, numbered in the order they arrive.", "DIR");
    value("render-dpi", "The printer's resolution for those pictures: 203 or 305 (default).", "DPI");
    parser.process(app);

    VirtualMachineOptions options;
    options.printerLog = parser.value(QStringLiteral("printer-log"));
    options.renderFolder = parser.value(QStringLiteral("render"));
    if (parser.isSet(QStringLiteral("render-dpi"))) {
        const QString dpi = parser.value(QStringLiteral("render-dpi"));
        if (dpi != u"203" && dpi != u"305") {
            std::fprintf(stderr, "marlune-sim: --render-dpi is 203 or 305, not \"%s\"\n", qUtf8Printable(dpi));
            return std::nullopt;
        }
        options.renderDpi = dpi.toInt();
    }
    options.cutterLog = parser.value(QStringLiteral("cutter-log"));
    const auto printMs = numberOption(parser, QStringLiteral("print-ms"), options.printMs, 0);
    const auto cutMs = numberOption(parser, QStringLiteral("cut-ms"), options.cutMs, 0);
    const auto faultAt = numberOption(parser, QStringLiteral("fault-at"), 0, 1);
    const auto hangupAt = numberOption(parser, QStringLiteral("hangup-at"), 0, 1);
    const auto labels = numberOption(parser, QStringLiteral("labels"), 0, 1);
    const auto tcpPort = numberOption(parser, QStringLiteral("tcp"), -1, 0);
    if (!printMs || !cutMs || !faultAt || !hangupAt || !labels || !tcpPort)
        return std::nullopt;
    if (*tcpPort > 65535) {
        std::fprintf(stderr, "marlune-sim: --tcp needs a port number from 0 to 65535, not %d\n", *tcpPort);
        return std::nullopt;
    }
    options.tcpPort = *tcpPort;
    options.printMs = *printMs;
    options.cutMs = *cutMs;
    options.faultAt = *faultAt;
    options.hangupAt = *hangupAt;
    options.labels = *labels;
    options.interim = parser.isSet(QStringLiteral("interim"));
    options.split = parser.isSet(QStringLiteral("split"));
    options.cutterSilent = parser.isSet(QStringLiteral("cutter-silent"));
    options.flood = parser.isSet(QStringLiteral("flood"));
    if (parser.isSet(QStringLiteral("cutter-reply")))
        options.cutterReply = parser.value(QStringLiteral("cutter-reply")).toUtf8();
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    chooseHeadlessPlatform();
    // A GUI application without a window: the pictures of --render are painted.
    QGuiApplication app(argc, argv);
    app.setApplicationVersion(QStringLiteral(MARLUNE_VERSION));
    const std::optional<VirtualMachineOptions> options = parseOptions(app);
    if (!options)
        return 2;

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);
    VirtualLabelMachine machine(*options);
    QObject::connect(&machine, &VirtualLabelMachine::finished, &app, &QCoreApplication::quit);
    QObject::connect(&machine, &VirtualLabelMachine::pictureProblems, [](const QStringList& lines) {
        for (const QString& line : lines)
            std::fprintf(stderr, "marlune-sim: %s\n", qUtf8Printable(line));
    });
    QString error;
    if (!termination.isWatching() || !machine.start(&error)) {
        std::fprintf(stderr, "marlune-sim: %s\n",
                     error.isEmpty() ? "cannot watch for termination signals" : qUtf8Printable(error));
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

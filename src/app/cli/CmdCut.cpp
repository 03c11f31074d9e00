#include "app/TerminationSignals.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliLabel.h"
#include "job/CutJob.h"

#include <QSaveFile>

#include <optional>

namespace {

constexpr const char* kName = "cut";
constexpr int kNotCut = 2;

int fail(int code, const QString& reason)
{
    return commandFailed(kName, reason, code);
}

struct CutOptions {
    QString label;
    QString output;
    std::optional<QString> port;
    std::optional<QString> baud;
    CutJobMode mode = CutJobMode::CurrentLabel;
};

// The reason of a bad command line, or none.
std::optional<QString> parseOptions(const QStringList& arguments, CutOptions& options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"-o" || argument == u"--output" || argument == u"--port"
            || argument == u"--baud") {
            if (!hasValue)
                return QStringLiteral("%1 needs a value").arg(argument);
            const QString& value = arguments[++i];
            if (argument == u"--port")
                options.port = value;
            else if (argument == u"--baud")
                options.baud = value;
            else
                options.output = value;
        } else if (argument == u"--feed") {
            options.mode = CutJobMode::CutterFeed;
        } else if (argument.startsWith(u'-') || !options.label.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(argument);
        } else {
            options.label = argument;
        }
    }
    if (options.label.isEmpty())
        return QStringLiteral("usage: marlune-cli cut LABEL.xml [-o FILE] [--port NAME] "
                              "[--baud TEXT] [--feed]");
    return std::nullopt;
}

// -o FILE: exactly the bytes the cutter would receive, in place of sending them.
int writeStream(CutJobMode mode, const CutJobInputs& inputs, const QString& path)
{
    const std::optional<CutStream> stream = buildCutStream(mode, inputs);
    if (!stream)
        return fail(kNotCut, QStringLiteral("nothing to cut: the label has no cut object that is switched on"));
    QSaveFile file(path);
    const QByteArray bytes = stream->whole();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(1, QStringLiteral("cannot write '%1': %2").arg(path, file.errorString()));
    return 0;
}

QString notCutReason(const CutJobResult& result, const QString& port)
{
    switch (result.end) {
    case CutJobEnd::Acknowledged:
        break;
    case CutJobEnd::NothingToCut:
        return QStringLiteral("nothing to cut: the label has no cut object that is switched on");
    case CutJobEnd::Rejected:
        return QStringLiteral("the cutter did not accept the job (it answered \"%1\")")
            .arg(QString::fromLatin1(result.reply));
    case CutJobEnd::Stopped:
        return QStringLiteral("stopped before the cutter answered");
    case CutJobEnd::PortClosed:
        return QStringLiteral("no answer: the cutter port '%1' is not open").arg(port);
    case CutJobEnd::WrittenToFile:
        return QStringLiteral("the cutter port is the file output: the stream was written to '%1' "
                              "and nothing was cut").arg(result.file);
    case CutJobEnd::FileFailed:
        return QStringLiteral("cannot write '%1'").arg(result.file);
    }
    return {};
}

// Sends the stream and waits for the cutter; Ctrl+C (or SIGTERM) is the stop button.
int sendStream(CutJobMode mode, const CutJobInputs& inputs)
{
    TerminationSignals stopButton;
    QObject::connect(&stopButton, &TerminationSignals::received,
                     [&stop = inputs.stopRequested] { stop = true; });
    const CutJobResult result = RunCutJob(mode, inputs);
    if (result.end == CutJobEnd::Acknowledged)
        return 0;
    return fail(kNotCut, notCutReason(result, inputs.controls.cmbCutPort));
}

} // namespace

// marlune-cli cut LABEL.xml: cuts the label with its stored cutter settings, the job
// window's controls as the window would show them.
int runCut(const QStringList& arguments)
{
    CutOptions options;
    if (const std::optional<QString> reason = parseOptions(arguments, options))
        return fail(1, *reason);

    Tobject document;
    LabelSettings label;
    JobSettings settings;
    if (const std::optional<QString> reason = loadWholeLabel(kName, options.label, {document, label, settings}))
        return fail(1, *reason);

    JobControls controls = controlsFromSettings(settings);
    if (options.port)
        controls.cmbCutPort = *options.port;
    if (options.baud)
        controls.cmbCutBaud = *options.baud;
    bool stopRequested = false;
    const CutJobInputs inputs{controls, settings, label, document.objects, stopRequested};
    if (!options.output.isEmpty())
        return writeStream(options.mode, inputs, options.output);
    return sendStream(options.mode, inputs);
}

#include "app/TerminationSignals.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliLabel.h"
#include "job/JobRunner.h"
#include "model/ConversionError.h"
#include "model/Convert.h"

#include <cstdio>
#include <optional>

namespace {

constexpr const char* kName = "run";
constexpr int kNotStarted = 1;
constexpr int kEndedEarly = 2;

int fail(int code, const QString& reason)
{
    return commandFailed(kName, reason, code);
}

struct RunOptions {
    QString label;
    std::optional<QString> printer;
    std::optional<QString> status;
    std::optional<QString> cutter;
    std::optional<QString> quantity;
    std::optional<QString> records;
    bool timed = false;
};

// The reason of a bad command line, or none.
std::optional<QString> parseOptions(const QStringList& arguments, RunOptions& options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        std::optional<QString>* value = nullptr;
        if (argument == u"--printer")
            value = &options.printer;
        else if (argument == u"--status")
            value = &options.status;
        else if (argument == u"--cutter")
            value = &options.cutter;
        else if (argument == u"--quantity")
            value = &options.quantity;
        else if (argument == u"--records")
            value = &options.records;
        if (value) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a value").arg(argument);
            *value = arguments[++i];
        } else if (argument == u"--timed") {
            options.timed = true;
        } else if (argument.startsWith(u'-') || !options.label.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(argument);
        } else {
            options.label = argument;
        }
    }
    if (options.quantity) {
        try {
            strToInt(*options.quantity);
        } catch (const ConversionError& error) {
            return QStringLiteral("--quantity: %1").arg(error.message());
        }
    }
    if (options.label.isEmpty())
        return QStringLiteral("usage: marlune-cli run LABEL.xml [--printer NAME] [--status NAME] "
                              "[--cutter NAME] [--quantity N] [--records RANGE] [--timed]");
    return std::nullopt;
}

// The job window's controls as it shows the label's settings, set for a print-and-cut run
// by the options. The cutter feed mode and the outside label program are not used.
void applyOptions(const RunOptions& options, StoredRunControls& controls)
{
    if (options.printer)
        controls.printerControls.cmbPrintPort = *options.printer;
    if (options.status)
        controls.printerControls.cmbPrintStatusPort = *options.status;
    if (options.cutter)
        controls.cutterControls.cmbCutPort = *options.cutter;
    if (options.quantity)
        controls.setText(RunText::Quantity, *options.quantity);
    controls.cutterControls.chbCutFeed = false;
    controls.setTicked(RunSwitch::PrintFile, false);
    controls.setTicked(RunSwitch::Thread, !options.timed);
    controls.setTicked(RunSwitch::IfDB, options.records.has_value());
    if (options.records)
        controls.setText(RunText::Record, *options.records);
}

} // namespace

// marlune-cli run LABEL.xml: print-and-cut as the job window's "打印雕刻(&B)" runs it, one
// line per label printed and cut; Ctrl+C (or SIGTERM) is the stop button.
int runRun(const QStringList& arguments)
{
    RunOptions options;
    if (const std::optional<QString> reason = parseOptions(arguments, options))
        return fail(kNotStarted, *reason);

    Tobject document;
    LabelSettings label;
    JobSettings settings;
    if (const std::optional<QString> reason = loadWholeLabel(kName, options.label, {document, label, settings}))
        return fail(kNotStarted, *reason);
    if (options.records && (settings.dbName.isEmpty() || settings.tableName.isEmpty()))
        return fail(kNotStarted, QStringLiteral("'%1' names no workbook and sheet to take records from")
                                     .arg(options.label));

    StoredRunControls controls(settings);
    applyOptions(options, controls);
    JobRunner runner({document.objects, label, settings}, controls);
    int labels = 0;
    runner.labelFinished = [&labels, &controls] {
        std::printf("label %d: counter %s\n", ++labels, qUtf8Printable(controls.text(RunText::Counter)));
        std::fflush(stdout);
    };
    TerminationSignals stopButton;
    QObject::connect(&stopButton, &TerminationSignals::received, [&runner] { runner.stop(); });

    switch (runner.printAndCut()) {
    case RunEnd::Completed:
        return 0;
    case RunEnd::Refused:
        return fail(kNotStarted, QStringLiteral("the run did not start"));
    case RunEnd::Stopped:
        return fail(kEndedEarly, QStringLiteral("stopped after %1 labels").arg(labels));
    case RunEnd::Failed:
        break;
    }
    return fail(kEndedEarly, QStringLiteral("the run ended on a fault after %1 labels").arg(labels));
}

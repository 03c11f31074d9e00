#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"

#include "data/Tdm.h"
#include "files/LabelFile.h"
#include "job/PrintLabel.h"
#include "job/PrinterUtilities.h"
#include "job/TableRecord.h"
#include "model/Convert.h"
#include "model/MessageError.h"

#include <QFileInfo>


namespace {

constexpr const char* kName = "print";

int fail(const QString& reason)
{
    return commandFailed(kName, reason);
}

struct PrintOptions {
    QString label;
    QString output;
    QString port;
    QString quantity;
    QString workbook;
    QString sheet;
    QString record;
    bool blank = false;
};

// Reads the options; returns the reason when they cannot be used.
QString parseOptions(const QStringList& arguments, PrintOptions& options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString* value = nullptr;
        if (argument == u"-o" || argument == u"--output")
            value = &options.output;
        else if (argument == u"--port")
            value = &options.port;
        else if (argument == u"--quantity")
            value = &options.quantity;
        else if (argument == u"--workbook")
            value = &options.workbook;
        else if (argument == u"--sheet")
            value = &options.sheet;
        else if (argument == u"--record")
            value = &options.record;
        if (value) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a value").arg(argument);
            *value = arguments[++i];
        } else if (argument == u"--blank") {
            options.blank = true;
        } else if (argument.startsWith(u'-') || !options.label.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(argument);
        } else {
            options.label = argument;
        }
    }
    if (options.label.isEmpty())
        return QStringLiteral("expected LABEL.xml");
    if (!options.output.isEmpty() && !options.port.isEmpty())
        return QStringLiteral("give either -o or --port, not both");
    const bool fromRecord = !options.workbook.isEmpty();
    if (options.sheet.isEmpty() == fromRecord || options.record.isEmpty() == fromRecord)
        return QStringLiteral("--workbook, --sheet and --record go together");
    return {};
}

int exitCode(PrintOutcome outcome)
{
    return outcome == PrintOutcome::Printed || outcome == PrintOutcome::Cancelled ? 0 : 1;
}

} // namespace

int runPrint(const QStringList& arguments)
{
    PrintOptions options;
    if (const QString reason = parseOptions(arguments, options); !reason.isEmpty())
        return fail(reason);

    Tobject document;
    LabelSettings label;
    JobSettings settings;
    try {
        const LabelLoadResult loaded = LoadLabel(options.label, {document, label, settings}, nullptr);
        if (!loaded.fileFound)
            return 1;
        if (!loaded.complete)
            return fail(loaded.objectStop.describe());

        // The controls as the job window shows the stored settings, then what the options change.
        PrintControls controls = printControlsFromSettings(settings);
        if (!options.output.isEmpty())
            controls.cmbPrintPort = QFileInfo(options.output).absoluteFilePath();
        else if (!options.port.isEmpty())
            controls.cmbPrintPort = options.port;
        if (!options.quantity.isEmpty())
            controls.txtQuantity = options.quantity;

        const PrintJobContext job{document.objects, settings, controls, label.Rotation};
        const int offsetX = tenthsOfMillimetre(controls.txtPrintX);
        const int offsetY = tenthsOfMillimetre(controls.txtPrintY);
        if (options.blank)
            return exitCode(FeedBlankLabels(job, label.Width, label.Height, offsetX, offsetY));
        const int quantity = strToInt(controls.txtQuantity);
        if (options.workbook.isEmpty())
            return exitCode(PrintLabel(job, label.Width, label.Height, offsetX, offsetY, quantity, nullptr));
        Tdm& data = dm();
        openRecord(data, options.workbook, options.sheet, strToInt(options.record));
        const TableRecord fields(data);
        const PrintOutcome outcome =
            PrintLabel(job, label.Width, label.Height, offsetX, offsetY, quantity, &fields);
        data.close();
        return exitCode(outcome);
    } catch (const MessageError& error) {
        return fail(error.message());
    }
}

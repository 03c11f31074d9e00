#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "app/cli/CliSaveBack.h"
#include "app/cli/CliText.h"
#include "app/cli/CliWait.h"
#include "job/PrintLabel.h"
#include "job/PrinterUtilities.h"
#include "model/Convert.h"

#include <QFileInfo>

// marlune-cli print LABEL.xml: one label job with the label's stored settings, as the job
// window shows them, into a file or to the printer port. The quantity, the record and every
// value the label prints are checked before the port is opened.
int runPrint(const CliArguments& arguments)
{
    const std::optional<QString> output = arguments.value("output");
    const std::optional<QString> port = arguments.value("port");
    if (output && port)
        throw arguments.usage(QStringLiteral("-o --port"), CliText::tr("只能给出其中一个"));
    if (output)
        checkOutputFile(*output);
    std::optional<CliSheet> sheet;
    openChosenRecord(arguments, sheet);
    CliLabel label;
    readWholeLabel(arguments, label);
    CliSaveBack saveBack(arguments, label);
    const QString path = arguments.argument(0);
    const int quantity = jobQuantity(arguments, label);
    if (sheet)
        sheet->checkValues(label.document.objects);

    PrintControls controls = printControlsFromSettings(label.job);
    if (output)
        controls.cmbPrintPort = QFileInfo(*output).absoluteFilePath();
    else if (port)
        controls.cmbPrintPort = *port;
    controls.txtQuantity = QString::number(quantity);
    const auto [offsetX, offsetY] = about(path, kExitNotStarted, [&] {
        return std::pair{tenthsOfMillimetre(controls.txtPrintX), tenthsOfMillimetre(controls.txtPrintY)};
    });

    const QString target = output ? *output : portSubject(controls.cmbPrintPort);
    const PrintJobContext job{label.document.objects, label.job, controls, label.label.Rotation};
    const PrintOutcome outcome = about(target, kExitNotFinished, [&] {
        if (arguments.isSet("blank"))
            return FeedBlankLabels(job, label.label.Width, label.label.Height, offsetX, offsetY);
        return PrintLabel(job, label.label.Width, label.label.Height, offsetX, offsetY, quantity,
                          sheet ? &sheet->record() : nullptr);
    });
    std::optional<CliFailure> failure;
    if (outcome == PrintOutcome::PortNotOpened || outcome == PrintOutcome::WriteFailed)
        failure = CliFailure{kExitNotFinished, target, CliMessages::instance().takeOr(CliText::tr("打印机没有收到标签"))};
    saveBack.finish(label.document.objects, label.job.counter, failure);
    if (failure)
        throw *failure;
    return kExitDone;
}

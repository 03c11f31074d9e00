#include "app/cli/CliArguments.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "app/cli/CliSaveBack.h"
#include "app/cli/CliText.h"
#include "app/cli/CliWait.h"
#include "job/JobRunner.h"
#include "model/Convert.h"
#include "ports/PortNames.h"

#include <cstdio>

namespace {

// --records RANGE over the label's workbook and sheet (or those the options name): the range
// must select records, and every value the label prints must come from each of them, before
// the first label is printed.
void checkRecords(const CliArguments& arguments, const CliLabel& label, const QString& range)
{
    const JobSettings& job = label.job;
    if (job.dbName.isEmpty() || job.tableName.isEmpty())
        throw CliFailure{kExitNotStarted, arguments.argument(0),
                         CliText::tr("标签没有指定取记录的工作簿和工作表（可用 --workbook 和 --sheet 指定）")};
    CliSheet sheet(job.dbName, job.tableName);
    for (const int record : selectedRecords(QStringLiteral("--records"), range, sheet.recordCount(), sheet.name())) {
        sheet.moveTo(record);
        sheet.checkValues(label.document.objects, CliText::tr("第 %1 条记录：").arg(record));
    }
}

// The job window's controls as it shows the label's settings, set for a print-and-cut run
// by the options. The cutter feed mode and the outside label program are not used.
void applyOptions(const CliArguments& arguments, int quantity, StoredRunControls& controls)
{
    if (const std::optional<QString> printer = arguments.value("printer"))
        controls.printerControls.cmbPrintPort = *printer;
    if (const std::optional<QString> status = arguments.value("status"))
        controls.printerControls.cmbPrintStatusPort = *status;
    if (const std::optional<QString> cutter = arguments.value("cutter"))
        controls.cutterControls.cmbCutPort = *cutter;
    controls.setText(RunText::Quantity, QString::number(quantity));
    controls.cutterControls.chbCutFeed = false;
    controls.setTicked(RunSwitch::PrintFile, false);
    controls.setTicked(RunSwitch::Thread, !arguments.isSet("timed"));
    const std::optional<QString> records = arguments.value("records");
    controls.setTicked(RunSwitch::IfDB, records.has_value());
    if (records)
        controls.setText(RunText::Record, *records);
}

// How the run ended, as the command's failure; nullopt when every label went through.
std::optional<CliFailure> runFailure(RunEnd end, const CliArguments& arguments, const StoredRunControls& controls,
                                     const CliWait& wait, int labels)
{
    const QString path = arguments.argument(0);
    const QString done = CliText::tr("（完成 %1 张标签）").arg(labels);
    CliMessages& messages = CliMessages::instance();
    switch (end) {
    case RunEnd::Completed:
        return std::nullopt;
    case RunEnd::Refused:
        return CliFailure{kExitNotStarted, portSubject(controls.cutterControls.cmbCutPort),
                          messages.takeOr(CliText::tr("打印雕刻没有开始"))};
    case RunEnd::Stopped:
        return CliFailure{wait.exitCode(), path, wait.reason() + done};
    case RunEnd::Failed:
        break;
    }
    return CliFailure{kExitNotFinished, path,
                      messages.takeOr(CliText::tr("打印机报告故障，或标签没有打印或没有雕刻")) + done};
}

} // namespace

// marlune-cli run LABEL.xml: print-and-cut as the job window's "打印雕刻(&B)" runs it, one
// line per label printed and cut; Ctrl+C (or SIGTERM) is the stop button.
int runRun(const CliArguments& arguments)
{
    const bool otherSheet = arguments.together({"workbook", "sheet"});
    const std::optional<QString> records = arguments.value("records");
    if (otherSheet && !records)
        throw arguments.usage(QStringLiteral("--workbook --sheet"), CliText::tr("要和 --records 一起给出"));
    CliLabel label;
    readWholeLabel(arguments, label);
    CliSaveBack saveBack(arguments, label);
    const int quantity = jobQuantity(arguments, label);
    if (otherSheet) {
        label.job.dbName = *arguments.value("workbook");
        label.job.tableName = *arguments.value("sheet");
    }
    if (records)
        checkRecords(arguments, label, *records);

    StoredRunControls controls(label.job);
    applyOptions(arguments, quantity, controls);
    JobRunner runner({label.document.objects, label.label, label.job}, controls);
    CliWait wait(arguments, [&runner] { runner.stop(); });
    int labels = 0;
    runner.labelFinished = [&labels, &controls, &wait] {
        std::printf("label %d: counter %s\n", ++labels, qUtf8Printable(controls.text(RunText::Counter)));
        std::fflush(stdout);
        wait.restart();
    };
    // A printer on the network reports over the connection that carried the label.
    if (!arguments.isSet("timed")) {
        const PrintControls& printer = controls.printerControls;
        wait.announce(isNetworkPortName(printer.cmbPrintPort) ? printer.cmbPrintPort : printer.cmbPrintStatusPort,
                      CliText::tr("等待打印机回传状态…"));
    }
    wait.announce(controls.cutterControls.cmbCutPort, CliText::tr("等待雕刻机应答…"));

    const RunEnd end = runner.printAndCut();
    std::optional<CliFailure> failure = runFailure(end, arguments, controls, wait, labels);
    saveBack.finish(label.document.objects, strToIntDef(controls.text(RunText::Counter), label.job.counter), failure);
    if (failure)
        throw *failure;
    return kExitDone;
}

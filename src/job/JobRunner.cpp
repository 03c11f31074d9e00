#include "job/JobRunner.h"

#include "cutter/TCom232.h"
#include "data/InRange.h"
#include "data/Tdm.h"
#include "job/CutJob.h"
#include "job/JobText.h"
#include "job/LabelProgramSession.h"
#include "job/PrintLabel.h"
#include "job/PrinterUtilities.h"
#include "job/TableRecord.h"
#include "model/Convert.h"
#include "model/MessageService.h"
#include "ports/PortNames.h"
#include "ports/WaitPumping.h"
#include "printer/TReadThread.h"

#include <QScopeGuard>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// Tells the cutter that the printer failed, so that it does not wait for a label to cut.
const QByteArray kPrinterFaultCommand = QByteArrayLiteral("# B6 @");

// The spreadsheet a record run walks: the data module pointed at the label's workbook and
// sheet for the run, and closed when the run leaves it, also when a step fails or the
// operator stops, so that the workbook is not held open after the run.
class RunSheet {
public:
    explicit RunSheet(const JobSettings& settings)
    {
        Tdm& data = dm();
        data.SetConnectionForFile(settings.dbName);
        data.openQuery(settings.dbName, settings.tableName);
    }
    ~RunSheet() { dm().close(); }
    RunSheet(const RunSheet&) = delete;
    RunSheet& operator=(const RunSheet&) = delete;

    int recordCount() const { return dm().recordCount(); }
};

// Disables a button for a scope and enables it again however the scope is left.
class DisabledButton {
public:
    DisabledButton(RunControls& controls, RunButton button)
        : m_controls(controls)
        , m_button(button)
    {
        m_controls.setEnabled(m_button, false);
    }
    ~DisabledButton() { m_controls.setEnabled(m_button, true); }
    DisabledButton(const DisabledButton&) = delete;
    DisabledButton& operator=(const DisabledButton&) = delete;

private:
    RunControls& m_controls;
    RunButton m_button;
};

RunEnd endOfCycle(EchoCycleEnd cycle)
{
    switch (cycle) {
    case EchoCycleEnd::Done:
        return RunEnd::Completed;
    case EchoCycleEnd::StoppedAtEcho:
    case EchoCycleEnd::StoppedAtDelay:
        return RunEnd::Stopped;
    case EchoCycleEnd::PrinterError:
    case EchoCycleEnd::NotCut:
        break;
    }
    return RunEnd::Failed;
}

} // namespace

JobRunner::JobRunner(RunDocument document, RunControls& controls, LabelProgramSession* program)
    : m_document(document)
    , m_controls(controls)
    , m_program(program)
{
}

RunEnd JobRunner::print()
{
    const int quantity = number(RunText::Quantity);
    if (!confirmQuantity(quantity))
        return RunEnd::Refused;
    if (m_controls.cutter().chbCutFeed)
        return SendCutterFeed() ? RunEnd::Completed : RunEnd::Failed;
    const bool throughProgram = m_controls.isTicked(RunSwitch::PrintFile);
    if (m_controls.isTicked(RunSwitch::IfDB)) {
        if (!throughProgram)
            return printRecords();
        program().printRecords(m_controls.text(RunText::Record));
        return RunEnd::Completed;
    }
    if (throughProgram) {
        program().printOut();
        return RunEnd::Completed;
    }
    return printLabel(quantity, false) ? RunEnd::Completed : RunEnd::Failed;
}

// Each record in the range is printed for the quantity; the printer prints the copies. A
// label that does not go out ends the loop, so that a missing printer is reported once
// rather than once per record.
RunEnd JobRunner::printRecords()
{
    const RunSheet sheet(m_document.settings);
    const bool printed = eachRecordInRange(sheet.recordCount(), true, [this](int) {
        return printLabel(number(RunText::Quantity), true);
    });
    return printed ? RunEnd::Completed : RunEnd::Failed;
}

RunEnd JobRunner::cut()
{
    if (!HasCutObjects()) {
        showMessage(hintCaption(), JobText::tr("目前没有雕刻对象！"), MessageIcon::Information);
        return RunEnd::Refused;
    }
    const DisabledButton guard(m_controls, RunButton::Cut);
    return cutLabel(CutJobMode::CurrentLabel) ? RunEnd::Completed : RunEnd::Failed;
}

RunEnd JobRunner::printAndCut()
{
    m_controls.setEnabled(RunButton::PrintAndCut, false);
    RunEnd end = RunEnd::Failed;
    // A failure ends the run with its reason in the standard error box: the operator must
    // learn why the machine stopped, and the counter shows how far it came.
    if (!runShowingFailure([this, &end] { end = startPrintAndCut(); }))
        return RunEnd::Failed;
    // A stop that came while the cutter was cutting ends the cut job unacknowledged: the
    // operator stopped the run, the machine did not fail.
    if (end == RunEnd::Failed && stopRequested)
        end = RunEnd::Stopped;
    if (end != RunEnd::Refused)
        m_controls.setEnabled(RunButton::PrintAndCut, true);
    return end;
}

RunEnd JobRunner::startPrintAndCut()
{
    const QString cutPort = m_controls.cutter().cmbCutPort.trimmed();
    const PrintControls printer = m_controls.printer();
    if (cutPort == printer.cmbPrintStatusPort) {
        showMessage(hintCaption(), JobText::tr("雕刻端口不能与回传端口相同！"));
        return RunEnd::Refused;
    }
    if (cutPort == printer.cmbPrintPort) {
        showMessage(hintCaption(), JobText::tr("雕刻端口不能与打印端口相同！"));
        return RunEnd::Refused;
    }
    const int quantity = number(RunText::Quantity);
    if (quantity <= 0) {
        showMessage(hintCaption(), JobText::tr("数量必须大于0！"));
        return RunEnd::Refused;
    }
    if (m_controls.cutter().chbCutFeed)
        return cutLabel(CutJobMode::CutterFeed) ? RunEnd::Completed : RunEnd::Failed;
    if (m_controls.isTicked(RunSwitch::Thread))
        return RunEchoLoop(quantity);
    return RunTimedLoop(quantity);
}

void JobRunner::stop()
{
    requestStop();
    m_controls.setEnabled(RunButton::PrintAndCut, true);
}

// A stop given while a step keeps the program's events running outside a wait (a label
// draining to a slow line, the timed print delay) would be cleared by the next wait as one
// from before it: it is held and given again once the step has ended.
void JobRunner::requestStop()
{
    stopRequested = true;
    if (m_holdingStops > 0)
        m_stopHeld = true;
}

template <typename Step>
auto JobRunner::holdingStops(Step step)
{
    ++m_holdingStops;
    const auto release = qScopeGuard([this] {
        if (--m_holdingStops > 0 || !m_stopHeld)
            return;
        m_stopHeld = false;
        QTimer::singleShot(0, &m_context, [this] { requestStop(); });
    });
    return step();
}

WaitOutcome JobRunner::WaitPumping(int milliseconds)
{
    stopRequested = false;
    return waitPumping({}, QDeadlineTimer(qMax(0, milliseconds), Qt::PreciseTimer), &stopRequested);
}

bool JobRunner::HasCutObjects() const
{
    return std::any_of(m_document.objects.cbegin(), m_document.objects.cend(), [](const Tshape& shape) {
        return shape.Type.left(3).toLower() == u"cut";
    });
}

bool JobRunner::SendCutterFeed()
{
    return sendToCutter(cutterFeedCommand(m_controls.cutter(), m_document.settings, m_document.label));
}

EchoCycleEnd JobRunner::RunEchoCycle(const QString& record)
{
    const bool useRecord = m_controls.isTicked(RunSwitch::IfDB);
    const bool throughProgram = m_controls.isTicked(RunSwitch::PrintFile);
    std::unique_ptr<TReadThread> reader = listenForEcho(throughProgram);
    std::unique_ptr<QTcpSocket> printerConnection;
    const bool printed = holdingStops([this, throughProgram, useRecord, &record, &printerConnection] {
        return throughProgram ? printThroughProgram(useRecord ? record : QString())
                              : printLabel(1, useRecord, &printerConnection);
    });
    // No echo comes for a label that never reached the printer: the run ends here rather
    // than wait for it until the operator stops.
    if (!printed)
        return EchoCycleEnd::PrinterError;

    // A printer on the network reports over the connection that carried the label.
    if (printerConnection) {
        reader->portName = m_controls.printer().cmbPrintPort;
        reader->adoptConnection(std::move(printerConnection));
    }
    const Echo echo = awaitEcho(std::move(reader));
    if (echo == Echo::Stopped)
        return EchoCycleEnd::StoppedAtEcho;
    if (echo == Echo::NoStatusLine)
        return EchoCycleEnd::PrinterError;
    if (const int delay = number(RunText::PrintSleep); delay > 0 && WaitPumping(delay) == WaitOutcome::Stopped)
        return EchoCycleEnd::StoppedAtDelay;
    if (echo != Echo::Printed) {
        sendToCutter(kPrinterFaultCommand);
        return EchoCycleEnd::PrinterError;
    }
    if (!cutLabel(CutJobMode::CurrentLabel))
        return EchoCycleEnd::NotCut;
    countLabel();
    countDownQuantity();
    if (labelFinished)
        labelFinished();
    if (m_controls.cutter().chbSendBeforeCut && WaitPumping(number(RunText::CutSleep)) == WaitOutcome::Stopped)
        return EchoCycleEnd::StoppedAtDelay;
    return EchoCycleEnd::Done;
}

EchoCycleEnd JobRunner::RunEchoRecords()
{
    EchoCycleEnd last = EchoCycleEnd::Done;
    const auto cycle = [this, &last](int record) {
        last = RunEchoCycle(QString::number(record));
        return last == EchoCycleEnd::Done;
    };
    if (m_controls.isTicked(RunSwitch::PrintFile)) {
        eachRecordInRange(sheetRecordCount(), false, cycle);
        return last;
    }
    const RunSheet sheet(m_document.settings);
    eachRecordInRange(sheet.recordCount(), true, cycle);
    return last;
}

RunEnd JobRunner::RunEchoLoop(int n)
{
    for (int round = 0; round < n; ++round) {
        const EchoCycleEnd end = m_controls.isTicked(RunSwitch::IfDB) ? RunEchoRecords() : RunEchoCycle(QString());
        if (end != EchoCycleEnd::Done)
            return endOfCycle(end);
    }
    return RunEnd::Completed;
}

RunEnd JobRunner::RunTimedLoop(int n)
{
    if (m_controls.isTicked(RunSwitch::IfDB))
        return timedRecords(n);
    const bool throughProgram = m_controls.isTicked(RunSwitch::PrintFile);
    for (int label = 1; label <= n; ++label) {
        const RunEnd end = timedLabel([this, throughProgram] {
            return throughProgram ? printThroughProgram(QString()) : printLabel(1, false);
        }, label < n);
        if (end != RunEnd::Completed)
            return end;
    }
    return RunEnd::Completed;
}

// With the outside program the records are printed in one pass whatever n says; with the
// program's own printer commands every pass walks the range again.
RunEnd JobRunner::timedRecords(int passes)
{
    RunEnd end = RunEnd::Completed;
    const auto label = [this, &end](const std::function<bool()>& printOne) {
        end = timedLabel(printOne, true);
        return end == RunEnd::Completed;
    };
    if (m_controls.isTicked(RunSwitch::PrintFile)) {
        eachRecordInRange(sheetRecordCount(), false, [this, &label](int record) {
            return label([this, record] { return printThroughProgram(QString::number(record)); });
        });
        return end;
    }
    const RunSheet sheet(m_document.settings);
    for (int pass = 0; pass < passes && end == RunEnd::Completed; ++pass) {
        eachRecordInRange(sheet.recordCount(), true, [this, &label](int) {
            return label([this] { return printLabel(1, true); });
        });
    }
    return end;
}

// One timed-mode label: print, count, hold the delay, cut, then keep events running for the
// cut delay. A label that was not printed is not cut: the knife would cut blank stock.
RunEnd JobRunner::timedLabel(const std::function<bool()>& printOne, bool waitAfterCut)
{
    if (!holdingStops(printOne))
        return RunEnd::Failed;
    countLabel();
    holdPrintDelay();
    const CutJobResult cut = cutJob(CutJobMode::CurrentLabel);
    // A stop that ends the wait for the cutter's answer comes after the whole stream went
    // out: the cutter cuts the label, which the counter counts already, so it is finished.
    if (cut.end == CutJobEnd::Stopped) {
        if (labelFinished)
            labelFinished();
        return RunEnd::Stopped;
    }
    if (!cut.cut())
        return RunEnd::Failed;
    if (labelFinished)
        labelFinished();
    if (waitAfterCut && WaitPumping(number(RunText::CutSleep)) == WaitOutcome::Stopped)
        return RunEnd::Stopped;
    return RunEnd::Completed;
}

// The operator's clicks wait in the queue during the delay and reach the run at its next
// wait; a stop from elsewhere (a terminal's Ctrl+C) is held the same way.
void JobRunner::holdPrintDelay()
{
    const int delay = number(RunText::PrintSleep);
    holdingStops([delay] { delayHoldingInput(delay); });
}

bool JobRunner::printLabel(int quantity, bool useRecord, std::unique_ptr<QTcpSocket>* echoConnection)
{
    const PrintControls controls = m_controls.printer();
    const PrintJobContext job{m_document.objects, m_document.settings, controls, m_document.label.Rotation,
                              echoConnection};
    std::optional<TableRecord> record;
    if (useRecord)
        record.emplace(dm());
    const PrintOutcome outcome =
        PrintLabel(job, m_document.label.Width, m_document.label.Height, tenthsOfMillimetre(controls.txtPrintX),
                   tenthsOfMillimetre(controls.txtPrintY), quantity, record ? &*record : nullptr);
    return outcome == PrintOutcome::Printed;
}

bool JobRunner::printThroughProgram(const QString& record)
{
    if (record.isEmpty())
        program().printOut();
    else
        program().printRecords(record);
    return true;
}

// The status reader opens the status port before the label goes out, so that a report the
// line still holds from an earlier label is discarded while the echo of this one is kept. A
// printer on the network reports over the connection that will carry the label, new for each
// label: the status port is not used.
std::unique_ptr<TReadThread> JobRunner::listenForEcho(bool throughProgram)
{
    const PrintControls controls = m_controls.printer();
    auto reader = std::make_unique<TReadThread>();
    if (!throughProgram && isNetworkPortName(controls.cmbPrintPort))
        return reader;
    reader->portName = controls.cmbPrintStatusPort;
    reader->Configure(controls.cmbPrintBaud.trimmed());
    return reader;
}

// The status reader polls from the moment the label has gone out until the printer
// reports, or until the operator stops, and closes the status port after. No report can
// come over a status line that did not open or went away (the reader has told the
// operator), so the wait ends there too rather than hold the run until the operator notices.
JobRunner::Echo JobRunner::awaitEcho(std::unique_ptr<TReadThread> owned)
{
    TReadThread& reader = *owned;
    reader.Resume();
    reader.status = PrinterStatus::Waiting;
    stopRequested = false;
    const WaitOutcome outcome = waitPumping(
        [&reader] { return reader.status != PrinterStatus::Waiting || !reader.isOpen(); },
        QDeadlineTimer::Forever, &stopRequested);
    reader.Suspend();
    if (outcome == WaitOutcome::Stopped)
        return Echo::Stopped;
    switch (reader.status) {
    case PrinterStatus::Printed:
        return Echo::Printed;
    case PrinterStatus::Fault:
        return Echo::Fault;
    case PrinterStatus::Waiting:
        break;
    }
    return Echo::NoStatusLine;
}

bool JobRunner::cutLabel(CutJobMode mode)
{
    return cutJob(mode).cut();
}

CutJobResult JobRunner::cutJob(CutJobMode mode)
{
    const JobControls controls = m_controls.cutter();
    return RunCutJob(mode, {controls, m_document.settings, m_document.label, m_document.objects, stopRequested});
}

// A command the cutter takes on its own: no reply is awaited, so the link is not resumed.
// Whether the cutter's line took every byte; the operator is told when not (a port that did
// not open has told him already).
bool JobRunner::sendToCutter(const QByteArray& command)
{
    const JobControls controls = m_controls.cutter();
    TCom232 link;
    link.portName = controls.cmbCutPort;
    link.Configure(controls.cmbCutBaud.trimmed());
    if (!link.isOpen())
        return false;
    if (link.Write(command))
        return true;
    reportCommandNotSent(controls.cmbCutPort);
    return false;
}

// The counter stops at the largest number it holds rather than turn negative.
void JobRunner::countLabel()
{
    const qint64 counted = qint64(number(RunText::Counter)) + 1;
    m_controls.setText(RunText::Counter, QString::number(qMin<qint64>(counted, std::numeric_limits<int>::max())));
}

// In echo mode the quantity box shows how many labels remain.
void JobRunner::countDownQuantity()
{
    if (const int quantity = number(RunText::Quantity); quantity > 1)
        m_controls.setText(RunText::Quantity, QString::number(quantity - 1));
}

int JobRunner::number(RunText box) const
{
    return strToInt(m_controls.text(box));
}

// Record k of count is used when it lies in the range typed in the record box, read again
// for each record. With positionSheet the open sheet stands on the record during its step.
bool JobRunner::eachRecordInRange(int count, bool positionSheet, const std::function<bool(int)>& step)
{
    for (int record = 1; record <= count; ++record) {
        if (!InRange(record, m_controls.text(RunText::Record)))
            continue;
        if (positionSheet)
            dm().moveTo(record);
        if (!step(record))
            return false;
    }
    return true;
}

int JobRunner::sheetRecordCount() const
{
    return dm().RecordCount(m_document.settings.dbName, m_document.settings.tableName);
}

LabelProgramSession& JobRunner::program()
{
    if (!m_program || !m_program->hasFormat())
        throw LabelProgramError(JobText::tr("外部标签程序没有打开格式文件，不能通过它打印。"));
    return *m_program;
}

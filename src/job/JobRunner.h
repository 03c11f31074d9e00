#pragma once

#include "job/CutJob.h"
#include "job/CutStream.h"
#include "job/RunControls.h"
#include "model/LabelSettings.h"
#include "model/Tshape.h"
#include "ports/WaitPumping.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class LabelProgramSession;
class QTcpSocket;
class TReadThread;

// How a run started from one of the job window's buttons ended.
enum class RunEnd {
    Completed, // every label of the run went through
    Refused,   // nothing was sent: a port conflict, a quantity below 1, copies not confirmed,
               // nothing to cut
    Stopped,   // the operator stopped it at a wait
    Failed,    // the printer reported an error, a label was not printed or not cut, or a step
               // raised an error (the operator was told)
};

// How one echo-mode label ended.
enum class EchoCycleEnd {
    Done,           // printed, echoed, cut and counted
    StoppedAtEcho,  // the operator stopped the wait for the printer's echo
    StoppedAtDelay, // the operator stopped a delay
    PrinterError,   // the printer reported an error (the cutter is told "# B6 @"), the label was
                    // not printed, or the status port is not open
    NotCut,         // the cut job did not complete
};

// What a run works on: the label's objects (their serial values advance label by label), the
// label's size and rotation, and the job settings the jobs refresh from the controls.
struct RunDocument {
    ShapeList& objects;
    const LabelSettings& label;
    JobSettings& settings;
};

// The runs of the print-and-cut window: print only, cut only and print-and-cut, label after
// label, for a quantity or over the spreadsheet's records, alternating the printer and the
// cutter. Each step reads the window's controls as they stand at that moment, and the
// counter and quantity boxes show the progress. Everything runs on the main thread; the
// waits keep the program's events running, so a stop is seen at the next wait.
class JobRunner {
public:
    // program is the window's link to the outside label program, used when "chbPrintFile"
    // is ticked; it may be null when the window has none.
    JobRunner(RunDocument document, RunControls& controls, LabelProgramSession* program = nullptr);

    // "打印(&P)": prints the label for the quantity (or once per record in the range), or in
    // cutter feed mode sends the cutter its feed command alone. Raises what the label job
    // raises; the window shows it in the standard error box.
    RunEnd print();
    // "雕刻(&C)": cuts the label once when it has cut objects ("目前没有雕刻对象！" otherwise);
    // its button is disabled while the cut runs. Raises what the cut job raises.
    RunEnd cut();
    // "打印雕刻(&B)": print-and-cut for the quantity (echo or timed mode), or the cutter feed
    // job. Its button stays disabled after a refusal or a failure until stop() is called.
    RunEnd printAndCut();
    // "停止(&S)": the run ends at its next wait, and "打印雕刻(&B)" can start again.
    void stop();
    // "退出(&X)" and closing the window: the run ends at its next wait. A stop given while a
    // label goes out or during the timed print delay is taken by the wait that follows.
    void requestStop();

    // Keeps the program's events running for the milliseconds given: TimedOut when they
    // passed, Stopped when the operator asked to stop meanwhile. A stop asked before the wait
    // began is not taken.
    WaitOutcome WaitPumping(int milliseconds);
    // Whether some object is a cut object by its type name, whether switched on or not.
    bool HasCutObjects() const;
    // Cutter feed mode's print button: the feed command to the cutter, without a reply.
    // Returns whether the cutter's line took all of it (the operator was told otherwise).
    bool SendCutterFeed();
    // One echo-mode label: print, await the printer's status echo, delay, cut.
    EchoCycleEnd RunEchoCycle(const QString& record);
    // One echo-mode cycle per record in the range, until one does not end Done; returns how
    // the last cycle ended (Done for an empty range).
    EchoCycleEnd RunEchoRecords();
    // Up to n echo-mode rounds (labels, or passes over the records, as "chbIfDB" stands when
    // the round begins); a round that does not end well ends the run.
    RunEnd RunEchoLoop(int n);
    // Print-and-cut with a fixed delay instead of the status echo: n labels, or n passes
    // over the records. The quantity box is not counted down. A stop that ends the wait for
    // the cutter's answer finishes that label: its stream went out and it was counted.
    RunEnd RunTimedLoop(int n);

    // The label's objects as the next label would print them.
    const ShapeList& objects() const { return m_document.objects; }
    const LabelSettings& label() const { return m_document.label; }

    // Set by the stop and exit buttons, cleared when a wait begins.
    bool stopRequested = false;
    // Called after each label of a print-and-cut run has been cut, the counter counted.
    std::function<void()> labelFinished;

private:
    // What the wait for the printer's echo saw.
    enum class Echo { Stopped, Printed, Fault, NoStatusLine };

    RunEnd startPrintAndCut();
    RunEnd printRecords();
    bool printLabel(int quantity, bool useRecord, std::unique_ptr<QTcpSocket>* echoConnection = nullptr);
    bool printThroughProgram(const QString& record);
    std::unique_ptr<TReadThread> listenForEcho(bool throughProgram);
    Echo awaitEcho(std::unique_ptr<TReadThread> reader);
    bool cutLabel(CutJobMode mode);
    CutJobResult cutJob(CutJobMode mode);
    bool sendToCutter(const QByteArray& command);
    void countLabel();
    void countDownQuantity();
    int number(RunText box) const;
    bool eachRecordInRange(int count, bool positionSheet, const std::function<bool(int)>& step);
    int sheetRecordCount() const;
    RunEnd timedLabel(const std::function<bool()>& printOne, bool waitAfterCut);
    RunEnd timedRecords(int passes);
    void holdPrintDelay();
    template <typename Step>
    auto holdingStops(Step step);
    LabelProgramSession& program();

    RunDocument m_document;
    RunControls& m_controls;
    LabelProgramSession* m_program;
    int m_holdingStops = 0; // steps under way that hold a stop for the next wait
    bool m_stopHeld = false;
    QObject m_context; // owns the held stop's delivery, which must not outlive the runner
};

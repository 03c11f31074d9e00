#pragma once

#include "cutter/ManualCutter.h"
#include "job/JobRunner.h"
#include "job/JobWindowControls.h"
#include "job/LabelProgramSession.h"
#include "model/JobSettings.h"
#include "model/Tshape.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class LabelPreviewWindow;
class QTabWidget;
class TfrmSelectRecord;

// The print-and-cut window ("打印雕刻窗口"): the operator edits the job settings on six tabs
// and runs the machine with the buttons below them. Created once at start-up and shown
// modally by the main window's print command with the document's objects; each showing
// fills the controls from the settings, and closing writes them back.
class TfrmOstrel : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOstrel(QWidget* parent = nullptr);
    ~TfrmOstrel() override;

    // The record picker, created once at start-up after this window.
    void setRecordPicker(TfrmSelectRecord* picker) { m_recordPicker = picker; }

    // The main window's print command: shows the settings in their controls and the window
    // modally for the document's objects. Returns whether the label changed meanwhile (a
    // setting, or the serial numbers the printed labels stepped), so that the document is
    // marked modified and nothing is lost when it is closed unsaved.
    bool Execute(ShapeList& objects);

    // Sets every serial port named in the window (printer, cutter, status port) to its baud
    // rate, 8 data bits, no parity and one stop bit. Returns the ports that could not be set
    // up, one line each; the showing of the window does not report them.
    QStringList SetUpPorts();

    // The controls as the runs read them, and the runner bound to them while the window is
    // open (null before the first showing).
    JobWindowControls& controls() { return *m_controls; }
    JobRunner* runner() { return m_runner.get(); }
    // Whether a run started from this window is still going (it may be waiting).
    bool runInProgress() const { return m_runs > 0; }

public slots:
    void FormShow();
    // Writes every control back into the settings; false (the window stays open) when a
    // text is refused. Raises ConversionError for a text that is no number, before any
    // setting changed.
    bool FormClose();

    void btnPrintClick();
    void btnCutClick();
    void btnPrintCutClick();
    void btnStopClick();
    void btnCloseClick();

    void txtCutLeftMarginExit();
    void txtCutTopMarginExit();
    void chbCutSpeedClick();
    void chbNullSpeedClick();
    void chbIfDBClick();
    void chbPrintFileClick();
    void btnSelectPrintFileClick();

    // The machine utilities: blank labels, raw printer commands, the ports, the counter and
    // the data source (JobWindowUtilities.cpp).
    void btnFeedClick();
    void btnPrintCmdClick();
    void btnInitComClick();
    void btnMapLpt1Click();
    void btnSetCounterZeroClick();
    void btnSetCounterClick();
    void btnDBSetClick();
    void btnSelectRecordClick();
    // "预览": the next label as the machine will make it, from the controls as they stand.
    void btnPreviewClick();

    // The cutter driven by hand, tab "雕刻命令".
    void btnCutCarLeftClick();
    void btnCutCarUpClick();
    void btnCutCarRightClick();
    void btnCutCarDownClick();
    void btnUpBlackClick();
    void btnDownBlackClick();
    void Button1Click(); // "下刀": the knife test
    void btnRunCmdClick();

signals:
    // "数据库设置": the program's data source dialog is to be shown; the window takes the
    // chosen workbook and sheet from the settings when it returns.
    void dataSourceRequested();

protected:
    // Escape, the title bar's close button and "退出(&X)" all end here: a run still going is
    // stopped first and the window closes when it has ended.
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    // Built in JobWindowLayout.cpp, one function per tab, in the order of the tabs.
    void createControls();
    QWidget* createPrintPage();
    QWidget* createCutPage();
    QWidget* createDataPage();
    QWidget* createCutCommandPage();
    QWidget* createPortPage();
    QWidget* createPrintCommandPage();
    QWidget* createRunArea();
    void connectControls();
    void connectUtilities();
    void moveCarriage(CarriageLimit limit);
    void moveToBlackMark(BlackMarkMove move);
    CutterPort cutterPort() const;

    template <typename Widget = QWidget>
    Widget* child(const char* name) const
    {
        return findChild<Widget*>(QString::fromLatin1(name));
    }

    // Runs one of the runner's jobs, counting it as in progress, and closes the window
    // afterwards when the operator asked for that meanwhile.
    void runJob(const std::function<void()>& job);
    // A margin box whose text is refused takes the focus back; true when both are accepted.
    bool marginsAccepted();
    // The operator is told what is refused, and the control that holds it is shown with the
    // keyboard focus.
    void showProblem(const FormProblem& problem);
    // A margin that passed its check becomes the setting; a refused one is shown instead.
    void takeMargin(const MarginCheck& check, int JobSettings::*margin);
    void showLabelProgramChoice(bool ticked, const QString& file);
    void showLabelProgramUnavailable();

    QTabWidget* m_pages = nullptr;
    std::unique_ptr<JobWindowControls> m_controls;
    std::unique_ptr<JobRunner> m_runner;
    LabelProgramSession m_program;
    TfrmSelectRecord* m_recordPicker = nullptr;
    LabelPreviewWindow* m_preview = nullptr; // made at the first preview, owned by the window
    ManualCutter m_manualCutter;
    int m_runs = 0;
    bool m_closeWhenStopped = false;
    QTimer m_stopRepeat;
};

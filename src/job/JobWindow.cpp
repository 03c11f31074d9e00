#include "job/JobWindow.h"

#include "files/FileChooser.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"
#include "ports/PortSetup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QShowEvent>
#include <QTabWidget>

namespace {

// Calls a handler when the operator leaves a box for another control of the window. The
// focus that goes to a message box or a menu and comes back is no leaving: the check would
// otherwise run again behind its own message.
class LeaveWatcher : public QObject {
public:
    LeaveWatcher(QWidget* box, std::function<void()> left)
        : QObject(box)
        , m_left(std::move(left))
    {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                runShowingFailure(m_left);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_left;
};

// A run waits in short steps, and a stop that lands between two of its waits is cleared
// when the next one begins; while the window waits to close, the stop is given again until
// the run has ended.
constexpr int kStopRepeatMs = 100;

} // namespace

TfrmOstrel::TfrmOstrel(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOstrel"));
    setWindowTitle(tr("打印雕刻窗口"));
    createControls();
    m_controls = std::make_unique<JobWindowControls>(*this);
    m_stopRepeat.setInterval(kStopRepeatMs);
    connect(&m_stopRepeat, &QTimer::timeout, this, [this] {
        if (m_runner)
            m_runner->requestStop();
    });
    connectControls();
    chbCutSpeedClick();
    chbNullSpeedClick();
}

TfrmOstrel::~TfrmOstrel() = default;

void TfrmOstrel::connectControls()
{
    const auto onClick = [this](const char* name, void (TfrmOstrel::*handler)()) {
        connect(child<QAbstractButton>(name), &QAbstractButton::clicked, this, guarded([this, handler] {
            (this->*handler)();
        }));
    };
    onClick("btnPrint", &TfrmOstrel::btnPrintClick);
    onClick("btnCut", &TfrmOstrel::btnCutClick);
    onClick("btnPrintCut", &TfrmOstrel::btnPrintCutClick);
    onClick("btnStop", &TfrmOstrel::btnStopClick);
    onClick("btnClose", &TfrmOstrel::btnCloseClick);
    // Clicked is the operator's change, by mouse or by the space bar alike; the window's own
    // filling of the box does not count.
    onClick("chbIfDB", &TfrmOstrel::chbIfDBClick);
    onClick("chbPrintFile", &TfrmOstrel::chbPrintFileClick);
    onClick("btnSelectPrintFile", &TfrmOstrel::btnSelectPrintFileClick);
    // The speed lists follow their boxes also when the window fills them.
    connect(child<QCheckBox>("chbCutSpeed"), &QCheckBox::toggled, this, &TfrmOstrel::chbCutSpeedClick);
    connect(child<QCheckBox>("chbNullSpeed"), &QCheckBox::toggled, this, &TfrmOstrel::chbNullSpeedClick);

    new LeaveWatcher(child<QLineEdit>("txtCutLeftMargin"), [this] { txtCutLeftMarginExit(); });
    new LeaveWatcher(child<QLineEdit>("txtCutTopMargin"), [this] { txtCutTopMarginExit(); });
    // The boxes after the left margin check it again, so a refused margin is not passed by.
    new LeaveWatcher(child<QLineEdit>("txtMoveAfterCut"), [this] { txtCutLeftMarginExit(); });
    new LeaveWatcher(child<QLineEdit>("txtCutCmd"), [this] { txtCutLeftMarginExit(); });
    connectUtilities();
}

bool TfrmOstrel::Execute(ShapeList& objects)
{
    const JobSettings before = jobSettings();
    const ShapeList designed = objects;
    m_controls->show(jobWindowForm(jobSettings(), m_controls->text(RunText::Record)));
    m_runner = std::make_unique<JobRunner>(RunDocument{objects, labelSettings(), jobSettings()}, *m_controls,
                                           &m_program);
    exec();
    return jobSettings() != before || objects != designed;
}

void TfrmOstrel::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runShowingFailure([this] { FormShow(); });
}

void TfrmOstrel::FormShow()
{
    m_pages->setCurrentIndex(0);
    const JobSettings& settings = jobSettings();
    if (!m_program.isAvailable()) {
        showLabelProgramUnavailable();
    } else if (settings.ifPrintFile != 0) {
        showLabelProgramChoice(true, settings.printFile);
        if (!m_program.open(settings.printFile))
            showLabelProgramChoice(false, QString());
    } else {
        showLabelProgramChoice(false, QString());
    }
    child<QCheckBox>("chbIfDB")->setChecked(settings.ifDBPrint != 0);
    child<QWidget>("pnlDB")->setEnabled(settings.ifDBPrint != 0);
    SetUpPorts();
}

void TfrmOstrel::showLabelProgramChoice(bool ticked, const QString& file)
{
    child<QCheckBox>("chbPrintFile")->setChecked(ticked);
    child<QLineEdit>("txtPrintFile")->setText(file);
    child<QWidget>("txtPrintFile")->setEnabled(ticked);
    child<QWidget>("btnSelectPrintFile")->setEnabled(ticked);
    child<QWidget>("lblPrintFileNote")->hide();
}

// Without the outside program the window prints with its own printer commands. The choice
// stored in the label stays as it was, shown but off, so that a label made for the outside
// program keeps its format file.
void TfrmOstrel::showLabelProgramUnavailable()
{
    const QString why = tr("本系统不能调用BarTender：标签由本程序直接发送打印命令打印。");
    for (const char* name : {"chbPrintFile", "txtPrintFile", "btnSelectPrintFile"}) {
        child<QWidget>(name)->setEnabled(false);
        child<QWidget>(name)->setToolTip(why);
    }
    child<QCheckBox>("chbPrintFile")->setChecked(false);
    child<QLineEdit>("txtPrintFile")->setText(jobSettings().printFile);
    auto* note = child<QLabel>("lblPrintFileNote");
    note->setText(why);
    note->show();
}

bool TfrmOstrel::FormClose()
{
    JobSettings& settings = jobSettings();
    JobWindowForm form = m_controls->read();
    if (!m_program.isAvailable()) {
        form.chbPrintFile = settings.ifPrintFile != 0;
        form.txtPrintFile = settings.printFile;
    }
    const FormProblem problem = storeJobWindowForm(form, settings);
    if (!problem.message.isEmpty()) {
        showProblem(problem);
        return false;
    }
    if (m_runner)
        m_runner->requestStop();
    m_program.close();
    return true;
}

void TfrmOstrel::reject()
{
    if (m_runner)
        m_runner->requestStop();
    if (runInProgress()) {
        m_closeWhenStopped = true;
        m_stopRepeat.start();
        return;
    }
    bool closed = false;
    runShowingFailure([this, &closed] { closed = FormClose(); });
    if (closed)
        QDialog::reject();
}

void TfrmOstrel::runJob(const std::function<void()>& job)
{
    // The knife is down for its test: no label goes under it until it is up again.
    if (!m_runner || m_manualCutter.refuses(false))
        return;
    ++m_runs;
    runShowingFailure(job);
    --m_runs;
    if (m_runs > 0 || !m_closeWhenStopped)
        return;
    m_closeWhenStopped = false;
    m_stopRepeat.stop();
    reject();
}

void TfrmOstrel::btnPrintClick()
{
    runJob([this] { m_runner->print(); });
}

void TfrmOstrel::btnCutClick()
{
    if (marginsAccepted())
        runJob([this] { m_runner->cut(); });
}

void TfrmOstrel::btnPrintCutClick()
{
    if (marginsAccepted())
        runJob([this] { m_runner->printAndCut(); });
}

void TfrmOstrel::btnStopClick()
{
    if (m_runner)
        m_runner->stop();
}

void TfrmOstrel::btnCloseClick()
{
    reject();
}

bool TfrmOstrel::marginsAccepted()
{
    const JobControls cutter = m_controls->cutter();
    for (const MarginCheck& check :
         {checkLeftMargin(cutter.txtCutLeftMargin, jobSettings()), checkTopMargin(cutter.txtCutTopMargin, jobSettings())}) {
        if (!check.problem.message.isEmpty()) {
            showProblem(check.problem);
            return false;
        }
    }
    return true;
}

void TfrmOstrel::showProblem(const FormProblem& problem)
{
    showMessage(tr("提示"), problem.message);
    auto* control = findChild<QWidget*>(problem.control);
    if (!control)
        return;
    for (int page = 0; page < m_pages->count(); ++page) {
        if (m_pages->widget(page)->isAncestorOf(control))
            m_pages->setCurrentIndex(page);
    }
    control->setFocus(Qt::OtherFocusReason);
}

void TfrmOstrel::txtCutLeftMarginExit()
{
    takeMargin(checkLeftMargin(child<QLineEdit>("txtCutLeftMargin")->text(), jobSettings()), &JobSettings::cutLeft);
}

void TfrmOstrel::txtCutTopMarginExit()
{
    takeMargin(checkTopMargin(child<QLineEdit>("txtCutTopMargin")->text(), jobSettings()), &JobSettings::cutTop);
}

void TfrmOstrel::takeMargin(const MarginCheck& check, int JobSettings::*margin)
{
    if (check.problem.message.isEmpty())
        jobSettings().*margin = check.tenths;
    else
        showProblem(check.problem);
}

void TfrmOstrel::chbCutSpeedClick()
{
    child<QWidget>("cmbCutSpeed")->setEnabled(child<QCheckBox>("chbCutSpeed")->isChecked());
}

void TfrmOstrel::chbNullSpeedClick()
{
    child<QWidget>("cmbNullSpeed")->setEnabled(child<QCheckBox>("chbNullSpeed")->isChecked());
}

void TfrmOstrel::chbIfDBClick()
{
    auto* box = child<QCheckBox>("chbIfDB");
    const QString problem = dataSourceProblem(jobSettings());
    if (problem.isEmpty()) {
        jobSettings().ifDBPrint = box->isChecked() ? 1 : 0;
    } else {
        showMessage(tr("提示"), problem, MessageIcon::Warning);
        box->setChecked(false);
    }
    child<QWidget>("pnlDB")->setEnabled(box->isChecked());
}

void TfrmOstrel::chbPrintFileClick()
{
    const bool ticked = child<QCheckBox>("chbPrintFile")->isChecked();
    child<QWidget>("txtPrintFile")->setEnabled(ticked);
    child<QWidget>("btnSelectPrintFile")->setEnabled(ticked);
    if (!ticked) {
        child<QLineEdit>("txtPrintFile")->clear();
        jobSettings().printFile.clear();
    }
}

void TfrmOstrel::btnSelectPrintFileClick()
{
    const QString current = child<QLineEdit>("txtPrintFile")->text();
    const QString chosen = fileChooser().choose({FileChoice::Mode::Open,
                                                 QStringLiteral("BTW files (*.btw)|*.btw|All files (*.*)|*.*"),
                                                 QStringLiteral(".btw"),
                                                 current.isEmpty() ? documentsFolder() : QFileInfo(current).absolutePath()});
    // The path is taken before the program opens it, so it shows even when the program fails.
    const auto showTaken = qScopeGuard([this, &chosen] {
        if (!chosen.isEmpty() && jobSettings().printFile == chosen)
            child<QLineEdit>("txtPrintFile")->setText(chosen);
    });
    m_program.selectFile(chosen, jobSettings());
}

QStringList TfrmOstrel::SetUpPorts()
{
    const JobWindowForm form = m_controls->read();
    return setUpSerialPorts({{form.printer.cmbPrintPort, form.printer.cmbPrintBaud},
                             {form.cutter.cmbCutPort, form.cutter.cmbCutBaud},
                             {form.printer.cmbPrintStatusPort, form.printer.cmbPrintBaud}});
}

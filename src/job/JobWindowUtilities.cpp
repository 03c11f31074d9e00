#include "job/JobWindow.h"

#include "data/SelectRecordDialog.h"
#include "job/JobWindowForm.h"
#include "job/LabelPreviewWindow.h"
#include "job/MachineUtilities.h"
#include "job/PrinterUtilities.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"
#include "ports/PortNames.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

void TfrmOstrel::connectUtilities()
{
    child<QPlainTextEdit>("txtPrintCmd")->setPlainText(defaultPrintCommandLines().join(u'\n'));
    const struct {
        const char* name;
        void (TfrmOstrel::*handler)();
    } buttons[] = {
        {"btnFeed", &TfrmOstrel::btnFeedClick},
        {"btnPrintCmd", &TfrmOstrel::btnPrintCmdClick},
        {"btnInitCom", &TfrmOstrel::btnInitComClick},
        {"btnMapLpt1", &TfrmOstrel::btnMapLpt1Click},
        {"btnSetCounterZero", &TfrmOstrel::btnSetCounterZeroClick},
        {"btnSetCounter", &TfrmOstrel::btnSetCounterClick},
        {"btnDBSet", &TfrmOstrel::btnDBSetClick},
        {"btnSelectRecord", &TfrmOstrel::btnSelectRecordClick},
        {"btnPreview", &TfrmOstrel::btnPreviewClick},
        {"btnCutCarLeft", &TfrmOstrel::btnCutCarLeftClick},
        {"btnCutCarUp", &TfrmOstrel::btnCutCarUpClick},
        {"btnCutCarRight", &TfrmOstrel::btnCutCarRightClick},
        {"btnCutCarDown", &TfrmOstrel::btnCutCarDownClick},
        {"btnUpBlack", &TfrmOstrel::btnUpBlackClick},
        {"btnDownBlack", &TfrmOstrel::btnDownBlackClick},
        {"Button1", &TfrmOstrel::Button1Click},
        {"btnRunCmd", &TfrmOstrel::btnRunCmdClick},
    };
    for (const auto& button : buttons) {
        connect(child<QAbstractButton>(button.name), &QAbstractButton::clicked, this,
                guarded([this, handler = button.handler] { (this->*handler)(); }));
    }
}

void TfrmOstrel::btnFeedClick()
{
    const PrintControls printer = m_controls->printer();
    const LabelSettings& label = labelSettings();
    ShapeList noObjects;
    FeedBlankLabels({noObjects, jobSettings(), printer, label.Rotation}, label.Width, label.Height,
                    tenthsOfMillimetre(printer.txtPrintX), tenthsOfMillimetre(printer.txtPrintY));
}

void TfrmOstrel::btnPrintCmdClick()
{
    const PrintControls printer = m_controls->printer();
    SendPrintCommands(printer.cmbPrintPort, printer.cmbPrintBaud, child<QPlainTextEdit>("txtPrintCmd")->toPlainText());
}

// Unlike the set-up when the window shows, the operator asked for this one: he is told how it
// went.
void TfrmOstrel::btnInitComClick()
{
    const QStringList failed = SetUpPorts();
    if (failed.isEmpty())
        showMessage(tr("提示"), tr("端口设置完成。"));
    else
        showMessage(QStringLiteral("Comm Error"), tr("以下端口没有设置好：\n%1").arg(failed.join(u'\n')),
                    MessageIcon::Warning);
}

// The operator picks the printer LPT1 stands for from the printers attached (or types its
// device); the list starts at the one LPT1 leads to now.
void TfrmOstrel::btnMapLpt1Click()
{
    QStringList devices = parallelPrinterDevices();
    const QString current = resolvePortName(QStringLiteral("lpt1")).path;
    if (!devices.contains(current))
        devices.prepend(current);
    bool chosen = false;
    const QString device = QInputDialog::getItem(this, tr("映射LPT1"), tr("LPT1 使用的打印机设备："), devices,
                                                 int(devices.indexOf(current)), true, &chosen);
    if (chosen)
        mapParallelPort(device, portSettingsPath());
}

void TfrmOstrel::btnSetCounterZeroClick()
{
    if (const std::optional<QString> counter = resetCounter())
        m_controls->setText(RunText::Counter, *counter);
}

void TfrmOstrel::btnSetCounterClick()
{
    bool entered = false;
    const QString typed = QInputDialog::getText(this, tr("提示  "), tr("请输入计数器数值："), QLineEdit::Normal,
                                                QString(), &entered);
    if (!entered)
        return;
    if (const std::optional<QString> counter = counterFromInput(typed))
        m_controls->setText(RunText::Counter, *counter);
}

// A data source given up in the dialog takes the records out of the labels here too, so that
// no run looks for a workbook that is no longer named.
void TfrmOstrel::btnDBSetClick()
{
    emit dataSourceRequested();
    if (dataSourceProblem(jobSettings()).isEmpty())
        return;
    child<QCheckBox>("chbIfDB")->setChecked(false);
    child<QWidget>("pnlDB")->setEnabled(false);
}

void TfrmOstrel::btnSelectRecordClick()
{
    if (!m_recordPicker)
        return;
    auto* range = child<QLineEdit>("txtRecord");
    m_recordPicker->setRecordText(range->text());
    if (m_recordPicker->exec() == QDialog::Accepted)
        range->setText(m_recordPicker->recordText());
}

// The preview takes the controls as a print started now would: the settings they stand for,
// the label's objects with their serial values as they are, the first record of the range.
// Nothing is stored and nothing is sent.
void TfrmOstrel::btnPreviewClick()
{
    if (!m_runner)
        return;
    JobSettings settings = jobSettings();
    const JobWindowForm form = m_controls->read();
    const FormProblem problem = storeJobWindowForm(form, settings);
    if (!problem.message.isEmpty()) {
        showProblem(problem);
        return;
    }
    const NextLabelPreview preview = previewNextLabel(m_runner->objects(), m_runner->label(), settings, form.txtRecord);
    QStringList notes;
    if (form.chbPrintFile)
        notes.append(tr("标签由BarTender打印：预览显示的是本程序自己发送打印命令时的标签。"));
    if (!m_preview)
        m_preview = new LabelPreviewWindow(this);
    m_preview->showPreview(preview, notes);
}

CutterPort TfrmOstrel::cutterPort() const
{
    const JobControls cutter = m_controls->cutter();
    return {cutter.cmbCutPort, cutter.cmbCutBaud};
}

void TfrmOstrel::moveCarriage(CarriageLimit limit)
{
    m_manualCutter.send(cutterPort(), carriageCommand(limit), runInProgress());
}

// The distance is worked out before the cutter is reached: a gap that is no number sends
// nothing.
void TfrmOstrel::moveToBlackMark(BlackMarkMove move)
{
    if (const std::optional<int> distance = blackMarkDistance(m_controls->printer().txtPrintGap, labelSettings().Height))
        m_manualCutter.send(cutterPort(), blackMarkCommand(move, *distance), runInProgress());
}

void TfrmOstrel::btnCutCarLeftClick()
{
    moveCarriage(CarriageLimit::Left);
}

void TfrmOstrel::btnCutCarUpClick()
{
    moveCarriage(CarriageLimit::Back);
}

void TfrmOstrel::btnCutCarRightClick()
{
    moveCarriage(CarriageLimit::Right);
}

void TfrmOstrel::btnCutCarDownClick()
{
    moveCarriage(CarriageLimit::Front);
}

void TfrmOstrel::btnUpBlackClick()
{
    moveToBlackMark(BlackMarkMove::Back);
}

void TfrmOstrel::btnDownBlackClick()
{
    moveToBlackMark(BlackMarkMove::Forward);
}

void TfrmOstrel::Button1Click()
{
    m_manualCutter.testKnife(cutterPort(), runInProgress());
}

void TfrmOstrel::btnRunCmdClick()
{
    m_manualCutter.sendTyped(cutterPort(), child<QLineEdit>("txtCutCmd")->text(), runInProgress());
}

#include "job/PrintLabel.h"

#include "job/JobText.h"
#include "job/LabelJob.h"
#include "job/SerialNumber.h"
#include "model/MessageService.h"
#include "printer/PrintCommands.h"
#include "printer/Tcom.h"

#include <QTcpSocket>

void reportPortNotOpened(const QString& hint)
{
    QString text = JobText::tr("打开打印端口错误");
    if (!hint.isEmpty())
        text += u'\n' + hint;
    showMessage(JobText::tr("错误"), text, MessageIcon::Error);
}

void reportWriteFailed(const QString& portName, const QString& reason)
{
    QString text = JobText::tr("写打印端口错误：打印机（%1）没有收到全部打印命令，这张标签没有计入。").arg(portName);
    if (!reason.isEmpty())
        text += u'\n' + reason;
    showMessage(JobText::tr("错误"), text, MessageIcon::Error);
}

bool writeLabelJob(Tcom& link, const ShapeList& objects, const LabelJob& label, const JobSettings& settings,
                   int quantity, bool feedMode)
{
    const LabelFrame& frame = label.frame;
    bool delivered = link.Write(labelHeader(frame.width, frame.height, frame.rotation == 3, settings, feedMode));
    if (!feedMode) {
        for (qsizetype index = 0; delivered && index < objects.size(); ++index) {
            const Tshape& shape = objects[index];
            if (shape.ifPrint)
                delivered = writeObjectCommands(link, shape, int(index), label);
        }
    }
    return delivered && link.Write(issueCommand(QString::number(quantity), settings));
}

PrintOutcome PrintLabel(const PrintJobContext& job, int width, int height, int offsetX, int offsetY, int quantity,
                        const RecordFields* record)
{
    JobSettings& settings = job.settings;
    refreshPrintSettings(settings, job.controls, offsetX, offsetY);
    const bool feedMode = job.controls.cbFeed;
    LabelJob label;
    label.frame = {width, height, job.rotation, offsetX, offsetY};
    label.dpi = printerDpi(settings.printDpi);
    label.record = record;

    Tcom link(settings.printPort);
    if (!link.Open(job.controls.cmbPrintBaud.trimmed())) {
        reportPortNotOpened(link.openFailureHint());
        return PrintOutcome::PortNotOpened;
    }
    bool delivered = writeLabelJob(link, job.objects, label, settings, quantity, feedMode);
    if (delivered && job.echoConnection)
        *job.echoConnection = link.takeConnection();
    delivered = link.Close() && delivered;
    if (!delivered) {
        reportWriteFailed(settings.printPort, link.writeFailureReason());
        return PrintOutcome::WriteFailed;
    }
    AdvanceSerials(job.objects);
    return PrintOutcome::Printed;
}

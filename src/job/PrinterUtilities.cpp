#include "job/PrinterUtilities.h"

#include "job/JobText.h"
#include "model/Convert.h"
#include "model/MessageService.h"
#include "model/TextCodec.h"
#include "printer/PrintCommands.h"
#include "printer/Tcom.h"

namespace {

constexpr int kConfirmAbove = 10;
constexpr int kMostLabels = 9999;

// Opens the port, writes each part and closes it, telling the operator when it fails.
PrintOutcome deliver(const QString& portName, const QString& baudText, const QList<QByteArray>& parts)
{
    Tcom link(portName);
    if (!link.Open(baudText.trimmed())) {
        reportPortNotOpened(link.openFailureHint());
        return PrintOutcome::PortNotOpened;
    }
    bool delivered = true;
    for (const QByteArray& part : parts)
        delivered = delivered && link.Write(part);
    delivered = link.Close() && delivered;
    if (!delivered) {
        reportWriteFailed(portName, link.writeFailureReason());
        return PrintOutcome::WriteFailed;
    }
    return PrintOutcome::Printed;
}

} // namespace

bool confirmQuantity(int quantity)
{
    return quantity <= kConfirmAbove
           || askQuestion(hintCaption(), JobText::tr("打印数量大于10，您确定要打印吗？"))
                  == MessageAnswer::Yes;
}

std::optional<int> blankFeedQuantity(const QString& quantityText)
{
    const int quantity = strToIntDef(quantityText, 0);
    if (quantity < 1 || quantity > kMostLabels) {
        showMessage(hintCaption(), JobText::tr("打印数量必须是1到9999之间的整数！"), MessageIcon::Warning);
        return std::nullopt;
    }
    return quantity;
}

PrintOutcome FeedBlankLabels(const PrintJobContext& job, int width, int height, int offsetX, int offsetY)
{
    const std::optional<int> quantity = blankFeedQuantity(job.controls.txtQuantity);
    if (!quantity)
        return PrintOutcome::Refused;
    if (!confirmQuantity(*quantity))
        return PrintOutcome::Cancelled;
    refreshPrintSettings(job.settings, job.controls, offsetX, offsetY);
    const JobSettings& settings = job.settings;
    return deliver(settings.printPort, job.controls.cmbPrintBaud,
                   {labelHeader(width, height, false, settings, job.controls.cbFeed),
                    issueCommand(QString::number(*quantity), settings)});
}

QStringList defaultPrintCommandLines()
{
    return {
        QStringLiteral("{D0520,1000,0500|}"),
        QStringLiteral("{AX;+000,+000,+00|}"),
        QStringLiteral("{AY;+00,0|}"),
        QStringLiteral("{C|}"),
        QStringLiteral("{PC000;0451,0165,05,05,M,00,B,P2|}"),
        QStringLiteral("{XB00;0345,0198,9,3,03,0,0127,+0000000000,000,0,00|}"),
        QStringLiteral("{PV00;0432,0376,0037,0042,B,00,B,P2|}"),
        QStringLiteral("{RC000;Test print|}"),
        QStringLiteral("{RB00;12345678|}"),
        QStringLiteral("{RV00;12345678|}"),
        QStringLiteral("{RM;-00-00|}"),
        QStringLiteral("{XS;I,0001,0000C3200|}"),
    };
}

PrintOutcome SendPrintCommands(const QString& portName, const QString& baudText, const QString& boxText)
{
    if (boxText.trimmed().isEmpty()) {
        showMessage(hintCaption(), JobText::tr("请输入打印命令！"), MessageIcon::Warning);
        return PrintOutcome::Refused;
    }
    // A box ending in a line break has no empty line after it, and a pasted line keeps no
    // carriage return of its own.
    QStringList lines = boxText.split(u'\n');
    if (boxText.endsWith(u'\n'))
        lines.removeLast();
    QString text;
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        text += line + QStringLiteral("\r\n");
    }
    return deliver(portName, baudText, {gbk::encode(text)});
}

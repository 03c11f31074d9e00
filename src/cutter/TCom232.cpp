#include "cutter/TCom232.h"

#include "cutter/CutterText.h"
#include "model/MessageService.h"

namespace {

constexpr qsizetype kJudgedFrom = 5;

} // namespace

void reportCommandNotSent(const QString& portName)
{
    showMessage(QStringLiteral("Comm Error"), CutterText::tr("写雕刻端口错误：雕刻机（%1）没有收到全部命令。").arg(portName),
                MessageIcon::Warning);
}

TCom232::TCom232(QObject* parent)
    : SerialLink(parent)
{
}

void TCom232::Configure(const QString& baudText)
{
    if (!openLine(baudText, CutterText::tr("雕刻时，打开通信端口错误!!")))
        return;
    received.clear();
    status = CutterStatus::Waiting;
}

bool TCom232::Write(const QByteArray& text)
{
    return writeLine(text);
}

void TCom232::Poll()
{
    receive(takeArrival());
}

void TCom232::receive(const QByteArray& arrival)
{
    if (arrival.isEmpty())
        return;
    received += arrival;
    if (received.size() < kJudgedFrom)
        return;
    status = received.contains("{000}") ? CutterStatus::Accepted : CutterStatus::Rejected;
}

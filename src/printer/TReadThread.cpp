#include "printer/TReadThread.h"

#include "printer/PrinterText.h"

namespace {

constexpr qsizetype kReportLength = 13;

} // namespace

PrinterStatus classifyStatusReport(const QByteArray& report)
{
    if (report.contains("4020000"))
        return PrinterStatus::Printed;
    if (report.contains("4120001") || report.contains("4120000"))
        return PrinterStatus::Waiting;
    return PrinterStatus::Fault;
}

TReadThread::TReadThread(QObject* parent)
    : SerialLink(parent)
{
}

void TReadThread::Configure(const QString& baudText)
{
    if (!openLine(baudText, PrinterText::tr("打码机读串口时，打开通信端口错误!!")))
        return;
    received.clear();
    status = PrinterStatus::Waiting;
}

void TReadThread::Poll()
{
    receive(takeArrival());
}

void TReadThread::receive(const QByteArray& arrival)
{
    if (arrival.isEmpty())
        return;
    received += arrival;
    if (received.size() < kReportLength)
        return;
    if (const PrinterStatus verdict = classifyStatusReport(received); verdict != PrinterStatus::Waiting)
        status = verdict;
    received.clear();
}

#include "printer/TReadThread.h"

namespace {

constexpr qsizetype kReportLength = 13;

} // namespace

int classifyStatusReport(const QByteArray& report)
{
    if (report.contains("4020000"))
        return 1;
    if (report.contains("4120001") || report.contains("4120000"))
        return 0;
    return 2;
}

TReadThread::TReadThread(QObject* parent)
    : SerialLink(parent)
{
}

void TReadThread::Configure(const QString& baudText)
{
    if (!openLine(baudText, QStringLiteral("打码机读串口时，打开通信端口错误!!")))
        return;
    received.clear();
    status = 0;
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
    if (const int verdict = classifyStatusReport(received))
        status = verdict;
    received.clear();
}

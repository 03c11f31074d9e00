#include "ports/NetworkLine.h"

#include "ports/PortNames.h"
#include "ports/PortText.h"
#include "ports/WaitPumping.h"

#include <QTcpSocket>

namespace network_line {

namespace {

// Room for the last bytes and the closing handshake to leave before the line is cut.
constexpr int kCloseMs = 2000;

const char* const kAddressProperty = "marluneAddress";

QString addressOf(const QTcpSocket& socket)
{
    return socket.property(kAddressProperty).toString();
}

QString seconds(int milliseconds)
{
    return QString::number(milliseconds / 1000.0);
}

} // namespace

std::unique_ptr<QTcpSocket> connect(const QString& portName, QString* reason, int timeoutMs)
{
    const std::optional<NetworkAddress> address = networkAddress(portName, reason);
    if (!address)
        return nullptr;
    auto socket = std::make_unique<QTcpSocket>();
    socket->setProperty(kAddressProperty, address->text());
    socket->connectToHost(address->host, address->port);
    const WaitOutcome outcome = waitPumping([&socket] {
        const QAbstractSocket::SocketState state = socket->state();
        return state == QAbstractSocket::ConnectedState || state == QAbstractSocket::UnconnectedState;
    }, QDeadlineTimer(timeoutMs));
    if (socket->state() == QAbstractSocket::ConnectedState) {
        // Label jobs are many small commands: each goes out as it is written.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return socket;
    }
    *reason = outcome == WaitOutcome::TimedOut
        ? PortText::tr("打印机 %1 在 %2 秒内没有接受连接").arg(address->text(), seconds(timeoutMs))
        : failure(*socket);
    socket->abort();
    return nullptr;
}

bool drain(QTcpSocket& socket, QString* reason, int stalledMs)
{
    socket.flush();
    for (;;) {
        if (socket.state() != QAbstractSocket::ConnectedState) {
            *reason = failure(socket);
            return false;
        }
        const qint64 waiting = socket.bytesToWrite();
        if (waiting == 0)
            return true;
        // Every byte the printer takes gives it the whole time again.
        const WaitOutcome outcome = waitPumping([&socket, waiting] {
            return socket.bytesToWrite() < waiting || socket.state() != QAbstractSocket::ConnectedState;
        }, QDeadlineTimer(stalledMs));
        if (outcome == WaitOutcome::TimedOut) {
            *reason = PortText::tr("打印机 %1 在 %2 秒内没有接收数据").arg(addressOf(socket), seconds(stalledMs));
            return false;
        }
    }
}

void close(QTcpSocket& socket)
{
    if (socket.state() != QAbstractSocket::UnconnectedState) {
        socket.disconnectFromHost();
        waitPumping([&socket] { return socket.state() == QAbstractSocket::UnconnectedState; },
                    QDeadlineTimer(kCloseMs));
    }
    socket.abort();
}

QString failure(const QTcpSocket& socket)
{
    const QString address = addressOf(socket);
    switch (socket.error()) {
    case QAbstractSocket::HostNotFoundError:
        return PortText::tr("找不到打印机的主机：%1").arg(address);
    case QAbstractSocket::ConnectionRefusedError:
        return PortText::tr("打印机 %1 拒绝连接（打印机没有开机，或端口号不对）").arg(address);
    case QAbstractSocket::RemoteHostClosedError:
    case QAbstractSocket::UnknownSocketError: // closed by the printer without an error
        return PortText::tr("打印机 %1 断开了连接").arg(address);
    case QAbstractSocket::NetworkError:
        return PortText::tr("到打印机 %1 的网络中断了").arg(address);
    default:
        break;
    }
    return PortText::tr("打印机 %1：%2").arg(address, socket.errorString());
}

} // namespace network_line

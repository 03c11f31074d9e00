#include "ports/SerialLink.h"

#include "model/MessageService.h"
#include "ports/NetworkLine.h"
#include "ports/PortNames.h"
#include "ports/PortText.h"
#include "ports/SerialLine.h"

#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

#include <poll.h>

namespace {

constexpr qint64 kDiscardThreshold = 256;

bool lineHungUp(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) > 0 && (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

const QString& commErrorCaption()
{
    static const QString caption = QStringLiteral("Comm Error");
    return caption;
}

} // namespace

SerialLink::SerialLink(QObject* parent)
    : QObject(parent)
{
}

SerialLink::~SerialLink() = default;

bool SerialLink::isOpen() const
{
    return m_line && m_line->isOpen();
}

bool SerialLink::openLine(const QString& baudText, const QString& failureText)
{
    delete m_line;
    m_line = nullptr;
    const PortTarget target = resolvePortName(portName);
    auto* port = new QSerialPort(this);
    bool opened = false;
    if (target.kind != PortKind::File) {
        port->setPortName(target.path);
        opened = port->open(QIODevice::ReadWrite);
    }
    if (!opened) {
        delete port;
        const QString hint = permissionHint(target, target.kind != PortKind::File
                                                        && accessDenied(target.path, true));
        showMessage(commErrorCaption(), hint.isEmpty() ? failureText : failureText + u'\n' + hint,
                    MessageIcon::Warning);
        return false;
    }
    applyLineSettings(*port, baudText);
    // What the line holds already answers an earlier label or cut (one nobody waited for, or
    // one the operator stopped waiting for): taken now, it would pass for this job's answer.
    port->clear(QSerialPort::Input);
    m_line = port;
    watchArrivals();
    // A line that hangs up keeps reporting errors (often as a refused control) on every
    // turn of the event loop. Queued: the line is closed and the operator told outside the
    // port's own notification.
    connect(port, &QSerialPort::errorOccurred, this, [this, port](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::NoError && isOpen() && lineHungUp(port->handle()))
            lineFailed();
    }, Qt::QueuedConnection);
    return true;
}

void SerialLink::adoptConnection(std::unique_ptr<QTcpSocket> connection)
{
    delete m_line;
    m_line = nullptr;
    if (!connection)
        return;
    QTcpSocket* socket = connection.release();
    socket->setParent(this);
    m_line = socket;
    watchArrivals();
    connect(socket, &QAbstractSocket::disconnected, this, &SerialLink::connectionClosed, Qt::QueuedConnection);
    // A printer that went away before the link took the connection over.
    if (socket->state() != QAbstractSocket::ConnectedState)
        QTimer::singleShot(0, this, &SerialLink::connectionClosed);
}

void SerialLink::watchArrivals()
{
    connect(m_line, &QIODevice::readyRead, this, [this] {
        if (m_resumed)
            Poll();
    });
}

// The device went away under the link (cable pulled, adapter unplugged). A hung-up line
// would report readiness forever, so it is closed; the job's wait then ends only by stop,
// as with a port that never opened, and the operator is told why.
void SerialLink::lineFailed()
{
    if (!isOpen())
        return;
    m_line->close();
    showMessage(commErrorCaption(), PortText::tr("通信端口 %1 已断开").arg(portName),
                MessageIcon::Warning);
}

// The printer closed its connection. What it sent before closing is still taken, and only a
// printer that closed without answering has failed the job.
void SerialLink::connectionClosed()
{
    if (!isOpen())
        return;
    if (m_resumed && m_line->bytesAvailable() > 0)
        Poll();
    const bool failed = awaitsAnswer();
    const QString reason = network_line::failure(*static_cast<QTcpSocket*>(m_line));
    m_line->close();
    if (failed)
        showMessage(PortText::tr("错误"), PortText::tr("没有收到打印机的状态回传：%1").arg(reason),
                    MessageIcon::Warning);
}

void SerialLink::Resume()
{
    m_resumed = true;
    // Data that arrived while suspended is waiting already: poll once it is our turn.
    if (isOpen() && m_line->bytesAvailable() > 0)
        QTimer::singleShot(0, this, [this] {
            if (m_resumed)
                Poll();
        });
}

void SerialLink::Suspend()
{
    m_resumed = false;
}

QByteArray SerialLink::takeArrival()
{
    if (!isOpen())
        return {};
    if (m_line->bytesAvailable() >= kDiscardThreshold) {
        m_line->readAll();
        if (auto* serial = qobject_cast<QSerialPort*>(m_line))
            serial->clear(QSerialPort::Input);
        return {};
    }
    QByteArray bytes = m_line->readAll();
    bytes.removeIf([](char c) { return c == '\0'; });
    return bytes;
}

bool SerialLink::writeLine(const QByteArray& bytes)
{
    auto* serial = qobject_cast<QSerialPort*>(m_line);
    if (!serial || !serial->isOpen())
        return false;
    if (bytes.isEmpty())
        return true;
    return serial->write(bytes) == bytes.size() && drainSerialWrites(*serial);
}

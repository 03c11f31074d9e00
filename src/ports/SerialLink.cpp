#include "ports/SerialLink.h"

#include "model/MessageService.h"
#include "ports/PortNames.h"
#include "ports/SerialLine.h"

#include <QSerialPort>
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
    return m_port && m_port->isOpen();
}

bool SerialLink::openLine(const QString& baudText, const QString& failureText)
{
    delete m_port;
    m_port = nullptr;
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
    m_port = port;
    connect(port, &QSerialPort::readyRead, this, [this] {
        if (m_resumed)
            Poll();
    });
    // A line that hangs up keeps reporting errors (often as a refused control) on every
    // turn of the event loop. Queued: the line is closed and the operator told outside the
    // port's own notification.
    connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::NoError && isOpen() && lineHungUp(m_port->handle()))
            lineFailed();
    }, Qt::QueuedConnection);
    return true;
}

// The device went away under the link (cable pulled, adapter unplugged). A hung-up line
// would report readiness forever, so it is closed; the job's wait then ends only by stop,
// as with a port that never opened, and the operator is told why.
void SerialLink::lineFailed()
{
    if (!isOpen())
        return;
    m_port->close();
    showMessage(commErrorCaption(), QStringLiteral("通信端口 %1 已断开").arg(portName),
                MessageIcon::Warning);
}

void SerialLink::Resume()
{
    m_resumed = true;
    // Data that arrived while suspended is waiting already: poll once it is our turn.
    if (isOpen() && m_port->bytesAvailable() > 0)
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
    if (m_port->bytesAvailable() >= kDiscardThreshold) {
        m_port->readAll();
        m_port->clear(QSerialPort::Input);
        return {};
    }
    QByteArray bytes = m_port->readAll();
    bytes.removeIf([](char c) { return c == '\0'; });
    return bytes;
}

bool SerialLink::writeLine(const QByteArray& bytes)
{
    if (!isOpen())
        return false;
    if (bytes.isEmpty())
        return true;
    return m_port->write(bytes) == bytes.size() && drainSerialWrites(*m_port);
}

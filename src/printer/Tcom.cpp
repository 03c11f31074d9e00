#include "printer/Tcom.h"

#include "ports/NetworkLine.h"
#include "ports/SerialLine.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QSerialPort>
#include <QTcpSocket>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Whether a device path is a terminal line, which is set up like a COM port.
bool isTerminal(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    return terminal;
}

std::unique_ptr<QIODevice> openSerial(const QString& path, const QString& baudText)
{
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(path);
    if (!port->open(QIODevice::WriteOnly))
        return nullptr;
    applyLineSettings(*port, baudText);
    return port;
}

std::unique_ptr<QIODevice> openDevice(const QString& path)
{
    auto device = std::make_unique<QFile>(path);
    if (!device->open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return nullptr;
    return device;
}

std::unique_ptr<QIODevice> openFile(const QString& path)
{
    // Written beside the old file and renamed over it on Close, so an interrupted job
    // never leaves half a stream behind.
    auto file = std::make_unique<QSaveFile>(path);
    file->setDirectWriteFallback(true);
    if (path.isEmpty() || !file->open(QIODevice::WriteOnly))
        return nullptr;
    return file;
}

} // namespace

Tcom::Tcom(const QString& portName)
    : portName(portName)
{
}

Tcom::Tcom(InMemory)
    : m_inMemory(true)
{
    Open(QString());
}

Tcom::~Tcom()
{
    Close();
}

bool Tcom::Open(const QString& baudText)
{
    Close();
    if (m_inMemory) {
        m_memory.clear();
        auto buffer = std::make_unique<QBuffer>(&m_memory);
        buffer->open(QIODevice::WriteOnly);
        m_device = std::move(buffer);
        return true;
    }
    m_target = resolvePortName(portName);
    m_failure.clear();
    switch (m_target.kind) {
    case PortKind::Serial:
        m_device = openSerial(m_target.path, baudText);
        break;
    case PortKind::Device:
        m_device = isTerminal(m_target.path) ? openSerial(m_target.path, baudText)
                                             : openDevice(m_target.path);
        break;
    case PortKind::Parallel:
        m_device = openDevice(m_target.path);
        break;
    case PortKind::Network:
        m_device = network_line::connect(portName, &m_failure);
        break;
    case PortKind::File:
        m_device = openFile(m_target.path);
        break;
    }
    const bool onDevice = m_target.kind != PortKind::File && m_target.kind != PortKind::Network;
    if (!m_device && onDevice)
        m_failure = permissionHint(m_target, accessDenied(m_target.path, false));
    return m_device != nullptr;
}

bool Tcom::Write(const QByteArray& text)
{
    written = 0;
    if (!m_device)
        return false;
    written = qMax<qint64>(0, m_device->write(text));
    if (auto* socket = qobject_cast<QTcpSocket*>(m_device.get()))
        return written == text.size() && network_line::drain(*socket, &m_failure);
    if (auto* port = qobject_cast<QSerialPort*>(m_device.get()))
        return drainSerialWrites(*port) && written == text.size();
    return written == text.size();
}

bool Tcom::Close()
{
    if (!m_device)
        return true;
    bool completed = true;
    if (auto* file = qobject_cast<QSaveFile*>(m_device.get()))
        completed = file->commit();
    else if (auto* socket = qobject_cast<QTcpSocket*>(m_device.get()))
        network_line::close(*socket);
    else
        m_device->close();
    m_device.reset();
    return completed;
}

QString Tcom::openFailureHint() const
{
    return m_failure;
}

QString Tcom::writeFailureReason() const
{
    return m_failure;
}

std::unique_ptr<QTcpSocket> Tcom::takeConnection()
{
    auto* socket = qobject_cast<QTcpSocket*>(m_device.get());
    if (!socket)
        return nullptr;
    m_device.release();
    return std::unique_ptr<QTcpSocket>(socket);
}

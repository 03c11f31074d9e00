#include "ports/PortSetup.h"

#include "ports/PortNames.h"
#include "ports/SerialLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPort>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <functional>

namespace {

// Closing a serial port puts back the settings it had when it was opened; the set-up must
// leave the line at its rate and frame, so they are taken before closing and put on the line
// again through a plain handle.
void keepLineSettings(QSerialPort& line, const QString& device)
{
    termios settings{};
    const bool read = ::tcgetattr(int(line.handle()), &settings) == 0;
    const QByteArray path = QFile::encodeName(device);
    line.close();
    if (!read)
        return;
    const int handle = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return;
    ::tcsetattr(handle, TCSANOW, &settings);
    ::close(handle);
}

QStringList setUp(const QList<PortBaud>& ports, const std::function<PortTarget(const QString&)>& resolve)
{
    QStringList failures;
    for (const PortBaud& entry : ports) {
        if (entry.port.left(3).toLower() != u"com")
            continue;
        // A "com" name the port table does not know as a serial line ("combined.txt") is a
        // file, never opened as a line.
        const PortTarget target = resolve(entry.port);
        if (target.kind != PortKind::Serial)
            continue;
        QSerialPort line;
        line.setPortName(target.path);
        if (!line.open(QIODevice::ReadWrite)) {
            failures.append(QStringLiteral("%1 (%2): %3").arg(entry.port, target.path, line.errorString()));
            continue;
        }
        applyLineSettings(line, entry.baud.trimmed());
        keepLineSettings(line, target.path);
    }
    return failures;
}

} // namespace

QStringList setUpSerialPorts(const QList<PortBaud>& ports, const QString& settingsPath)
{
    return setUp(ports, [&settingsPath](const QString& name) { return resolvePortName(name, settingsPath); });
}

QStringList setUpSerialPorts(const QList<PortBaud>& ports)
{
    return setUp(ports, [](const QString& name) { return resolvePortName(name); });
}

#include "ports/SerialLine.h"

#include "ports/PortNames.h"
#include "ports/WaitPumping.h"

#include <QSerialPort>

void applyLineSettings(QSerialPort& port, const QString& baudText)
{
    port.setBaudRate(baudRateFromText(baudText));
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    port.clearError();
}

bool drainSerialWrites(QSerialPort& port)
{
    port.flush();
    const auto drained = [&port] { return port.bytesToWrite() == 0 && port.error() == QSerialPort::NoError; };
    if (drained())
        return true;
    // Ten bit times per byte at the line's rate, plus room for a slow driver.
    const qint64 lineMs = port.bytesToWrite() * 10 * 1000 / qMax<qint32>(port.baudRate(), 1);
    waitPumping([&port] {
        return !port.isOpen() || port.bytesToWrite() == 0 || port.error() != QSerialPort::NoError;
    }, QDeadlineTimer(2000 + lineMs));
    return port.isOpen() && drained();
}

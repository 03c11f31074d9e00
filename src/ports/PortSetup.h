#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A port named in the job window and the baud rate text it runs at.
struct PortBaud {
    QString port;
    QString baud;
};

// The job window's port set-up: every port whose name begins with "com" (in any case) is
// opened, set to its baud rate with 8 data bits, no parity and one stop bit, and closed
// again, in the order given. Parallel ports, device paths and files are left alone. Nothing
// here reaches a shell. Returns one line per serial port that could not be set up (its name
// and the reason); the others are set up all the same.
QStringList setUpSerialPorts(const QList<PortBaud>& ports, const QString& settingsPath);
QStringList setUpSerialPorts(const QList<PortBaud>& ports);

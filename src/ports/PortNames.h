#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// Where a port name typed in the job window leads on this machine.
//   "comN"  the N-th serial device: /dev/ttyS(N-1), unless setting.ini maps it
//           ([Ports] com1=/dev/ttyUSB0)
//   "lptN"  the N-th parallel printer: /dev/lp(N-1) or /dev/usb/lp(N-1), or its mapping
//   "/dev/…" the device itself
//   "tcp://HOST:PORT" a printer on the network (raw printing, port 9100 when left out)
//   other   a plain file of that name in the working directory ("printToFile", "cutToFile")
// The name is only ever used as a path or an address: it never reaches a shell.
enum class PortKind { Serial, Parallel, Device, Network, File };

struct PortTarget {
    PortKind kind = PortKind::File;
    QString path; // a network port keeps its name as typed

    friend bool operator==(const PortTarget&, const PortTarget&) = default;
};

// Resolves with the [Ports] section of the given ini file (missing file: no mappings).
PortTarget resolvePortName(const QString& name, const QString& settingsPath);
// Resolves with the program's setting.ini.
PortTarget resolvePortName(const QString& name);

// The program's setting.ini (beside it, or in the user's configuration folder when the program
// is installed for all users), whose [Ports] section maps the port names.
QString portSettingsPath();
// Maps a port name to a device in the [Ports] section of the ini file, taking the place of a
// mapping of the same name in any case; the file's other sections stay. Returns whether the
// file was written.
bool writePortMapping(const QString& name, const QString& device, const QString& settingsPath);
// The parallel printers attached to this machine (/dev/lpN, /dev/usb/lpN), to map one to.
QStringList parallelPrinterDevices();

// The host and port of a network printer.
struct NetworkAddress {
    static constexpr quint16 kRawPrintingPort = 9100;

    QString host;
    quint16 port = kRawPrintingPort;

    QString text() const; // "192.168.1.20:9100"
};

// Whether the name is a network port ("tcp://" in any case).
bool isNetworkPortName(const QString& name);
// The address a network port name gives; empty with the operator's reason in *problem when
// the name cannot be an address (no host, a port that is no number from 1 to 65535, a path).
std::optional<NetworkAddress> networkAddress(const QString& name, QString* problem);

// The baud rule of both links: exactly "2400", "4800", "9600", "19200", "38400" or
// "115200" select that rate, any other text 9600.
qint32 baudRateFromText(const QString& baudText);

// The second line of an open failure when the cause is a missing permission: it names the
// group the operator has to join (dialout for serial lines, lp for parallel printers).
// Empty when the open did not fail for want of permission.
QString permissionHint(const PortTarget& target, bool permissionDenied);
// Whether the device exists but this user may not open it (for writing, and for reading too
// when asked).
bool accessDenied(const QString& path, bool forReading);

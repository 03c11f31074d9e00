#pragma once

#include "ports/PortNames.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;

// The printer link: opens the printer port (a parallel printer, a serial line or a plain
// file), takes the command text of one job and closes again. Also the file output of the
// cut job ("cutToFile").
class Tcom {
public:
    explicit Tcom(const QString& portName);
    // A link that keeps what it is given instead of sending it: the preview reads the job
    // back from memory() to show what the printer would receive. It is open from the start.
    struct InMemory {};
    explicit Tcom(InMemory);
    ~Tcom();
    Tcom(const Tcom&) = delete;
    Tcom& operator=(const Tcom&) = delete;

    QString portName;  // "lpt1", "com3", "/dev/usb/lp0", "printToFile", ...
    qint64 written = 0; // bytes handed to the port by the last write

    // Opens the port; a serial line is set to the baud rule and 8-N-1. A plain file is
    // created when missing and its content replaced by what this job writes (on Close).
    bool Open(const QString& baudText);
    // Returns whether the port took every byte: an unplugged printer, a serial line that
    // stopped draining or a full disk make it false, so a job can tell that its label was
    // not printed.
    bool Write(const QByteArray& text);
    // Ends the job: everything written reaches the port or file. Returns false when a file's
    // content could not be stored (a full disk).
    bool Close();

    // After a failed Open: a second line for the operator when the cause is a missing
    // permission on the device (names the group to join), else empty.
    QString openFailureHint() const;

    // Everything written to an in-memory link, whether closed or not.
    const QByteArray& memory() const { return m_memory; }

private:
    std::unique_ptr<QIODevice> m_device;
    PortTarget m_target;
    bool m_denied = false;
    bool m_inMemory = false;
    QByteArray m_memory;
};

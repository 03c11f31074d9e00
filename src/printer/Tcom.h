#pragma once

#include "ports/PortNames.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;
class QTcpSocket;

// The printer link: opens the printer port (a parallel printer, a serial line, a printer on
// the network or a plain file), takes the command text of one job and closes again. Also
// the file output of the cut job ("cutToFile").
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

    QString portName;  // "lpt1", "com3", "/dev/usb/lp0", "tcp://192.168.1.20:9100", "printToFile", ...
    qint64 written = 0; // bytes handed to the port by the last write

    // Opens the port; a serial line is set to the baud rule and 8-N-1. A plain file is
    // created when missing and its content replaced by what this job writes (on Close). A
    // printer on the network is connected to, within a few seconds.
    bool Open(const QString& baudText);
    // Returns whether the port took every byte: an unplugged printer, a serial line that
    // stopped draining, a dropped network connection or a full disk make it false, so a job
    // can tell that its label was not printed.
    bool Write(const QByteArray& text);
    // Ends the job: everything written reaches the port or file. Returns false when a file's
    // content could not be stored (a full disk).
    bool Close();

    // After a failed Open: a second line for the operator with the cause when it is known
    // (a missing permission on the device, naming the group to join; a printer on the
    // network that cannot be reached), else empty.
    QString openFailureHint() const;
    // After a failed Write: why the printer did not take the bytes, when it is known.
    QString writeFailureReason() const;

    // A printer on the network answers over the connection that carried the job: instead of
    // closing it, the job hands it over to the status reader, with what the printer sent
    // before it may have closed it. Null for other ports.
    std::unique_ptr<QTcpSocket> takeConnection();

    // Everything written to an in-memory link, whether closed or not.
    const QByteArray& memory() const { return m_memory; }

private:
    std::unique_ptr<QIODevice> m_device;
    PortTarget m_target;
    QString m_failure;
    bool m_inMemory = false;
    QByteArray m_memory;
};

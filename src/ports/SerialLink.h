#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

// What the cutter link and the status reader share: a serial line that one link owns from
// its configuration to its destruction, and a poll step that runs on the main thread each
// time data arrives while the link is resumed.
//
// Each link owns its own port: a link that is destroyed closes only its own line, so a
// nested job started from the window while another link waits cannot cut that link off.
class SerialLink : public QObject {
    Q_OBJECT
public:
    ~SerialLink() override;

    QString portName; // as typed in the job window, e.g. "com1"

    bool isOpen() const;
    // Polling follows data arrival from Resume until Suspend; data that arrives while the
    // link is suspended waits for the next poll.
    void Resume();
    void Suspend();

protected:
    explicit SerialLink(QObject* parent = nullptr);

    // Opens portName for reading and writing, sets the baud rule and 8-N-1 and discards what
    // the line holds from before. On failure shows `failureText` (caption "Comm Error") and
    // leaves the link closed.
    bool openLine(const QString& baudText, const QString& failureText);
    // The first steps of a poll: the bytes that have arrived, without NUL bytes; empty when
    // nothing arrived, the line is closed, or 256 bytes or more were waiting (then they are
    // discarded unread, as line noise).
    QByteArray takeArrival();
    // Whether the line took every byte; false on a closed line.
    bool writeLine(const QByteArray& bytes);

    virtual void Poll() = 0;

private:
    void lineFailed();

    QSerialPort* m_port = nullptr;
    bool m_resumed = false;
};

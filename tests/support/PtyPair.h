#pragma once

#include <QByteArray>
#include <QString>

#include <termios.h>

#include <functional>

// A pseudo-terminal for port tests: the link under test opens `path()`, the test plays the
// machine on the master side. The test keeps its own handle on the line so that it stays
// up between opens.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isValid() const { return m_master >= 0; }
    QString path() const { return m_path; }

    // As the machine: sends bytes to the link.
    void send(const QByteArray& bytes);
    // As the machine: what the link has sent, waiting up to `ms` for `expected` bytes.
    QByteArray receive(qsizetype expected, int ms = 2000);
    // As the machine: how many bytes the link has sent that the machine has not read yet.
    qsizetype pending() const;
    // As a machine that stopped reading: fills the line until it takes no more, so that
    // the link's next write cannot drain.
    void jam();
    // The line settings the link left on the terminal.
    termios lineSettings() const;
    // Hangs the line up, as an unplugged adapter does.
    void hangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

// Runs the program's events until `done` holds or `ms` pass; whether it holds.
bool runEventsUntil(const std::function<bool()>& done, int ms = 1000);

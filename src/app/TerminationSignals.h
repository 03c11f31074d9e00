#pragma once

#include <QObject>

// Turns SIGTERM and SIGINT into a Qt signal: the handler only writes a byte into a pipe
// that the event loop watches, so the program answers from its own loop: the virtual machine
// ends cleanly, a cut job run from the shell takes Ctrl+C as its stop button.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    bool isWatching() const { return m_watching; }
    // The signal that came last (SIGINT for Ctrl+C), 0 before any: a shell reports a program
    // ended by a signal as 128 + its number, and the command-line tool exits the same way.
    int lastSignal() const { return m_lastSignal; }

signals:
    void received();

private:
    bool m_watching = false;
    int m_lastSignal = 0;
};

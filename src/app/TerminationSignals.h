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

signals:
    void received();

private:
    bool m_watching = false;
};

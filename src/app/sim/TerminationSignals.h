#pragma once

#include <QObject>

// Turns SIGTERM and SIGINT into a Qt signal: the handler only writes a byte into a pipe
// that the event loop watches, so the program ends cleanly from its own loop.
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

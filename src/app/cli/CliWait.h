#pragma once

#include "app/TerminationSignals.h"

#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class CliArguments;

// What ends the waits of a job run from the shell: Ctrl+C (or SIGTERM), the stop button of
// the shell, and the time --timeout SECONDS allows for a reply. Either calls stop; the job
// then ends at its wait.
class CliWait {
public:
    CliWait(const CliArguments& arguments, std::function<void()> stop);

    // A reply came: the next one has the whole time again.
    void restart();

    // Says on stderr, once the job waits for the first time, which port it waits on and
    // for what. A job refused or failed before its first wait says nothing of it.
    void announce(const QString& port, const QString& what);

    // The exit code and the reason of a job this stopped.
    int exitCode() const;
    QString reason() const;

private:
    QString m_command;
    TerminationSignals m_signals;
    QTimer m_timer;
    QTimer m_firstWait;
    QStringList m_announced;
    std::optional<int> m_timeoutMs;
    double m_seconds = 0;
    bool m_timedOut = false;
};

// "com1 (/dev/ttyS0)": the port as the operator named it and the device it leads to.
QString portSubject(const QString& port);

#pragma once

#include <QByteArray>
#include <QStringList>

class QProcess;

namespace testing_support {

// The outcome of one run of the command-line tool, as a script would see it.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs build/bin/marlune-cli with the arguments and waits for it to finish.
CliRun runCli(const QStringList& arguments);

// Starts marlune-cli with the arguments without waiting, for tests that act while it runs
// (a Ctrl+C during a wait).
void startCli(QProcess& process, const QStringList& arguments);

} // namespace testing_support

#pragma once

#include <QByteArray>
#include <QStringList>

namespace testing_support {

// The outcome of one run of the command-line tool, as a script would see it.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs build/bin/marlune-cli with the arguments and waits for it to finish.
CliRun runCli(const QStringList& arguments);

} // namespace testing_support

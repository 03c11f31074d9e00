#pragma once

#include "data/DataSourceError.h"
#include "model/MessageError.h"

#include <QString>

// The exit codes of every command, as scripts read them.
inline constexpr int kExitDone = 0;
// Nothing was started: a bad command line, an input that cannot be read or is wrong, a
// selection of records that selects nothing. Nothing reached the printer or the cutter.
inline constexpr int kExitNotStarted = 1;
// The job started and did not finish: a port that did not open or stopped taking bytes, a
// reply that did not come in time or said no, a fault the printer reported.
inline constexpr int kExitNotFinished = 2;
// Ctrl+C (or SIGTERM) ends a job with 128 + the signal's number, as a shell reports a program
// that signal ended: 130 for Ctrl+C.
inline constexpr int kExitSignalBase = 128;

// A command that cannot go on: what failed (a file, a port, a sheet, an option), why, and
// the exit code. The command's one line on stderr is made of it.
struct CliFailure {
    int exitCode = kExitNotStarted;
    QString subject;
    QString reason;
};

// Runs one step of a command on behalf of subject: a failure the core raises in it becomes
// the command's failure, with the core's own text as the reason.
template <typename Step>
decltype(auto) about(const QString& subject, int exitCode, Step&& step)
{
    try {
        return step();
    } catch (const DataSourceError& error) {
        throw CliFailure{exitCode, subject, error.message()};
    } catch (const MessageError& error) {
        throw CliFailure{exitCode, subject, error.message()};
    }
}

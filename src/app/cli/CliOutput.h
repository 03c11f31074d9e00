#pragma once

#include <QStringList>

// Writes one line of tab-separated UTF-8 to stdout. Tabs and line breaks inside a value
// become spaces so that every value stays in its column and every record on its line.
void writeLine(const QStringList& values);

// Prints "marlune-cli <command>: <reason>" on stderr and returns exitCode.
int commandFailed(const char* command, const QString& reason, int exitCode = 1);

// Prints "usage: marlune-cli <synopsis>" on stderr and returns the failure exit code.
int usageError(const char* synopsis);

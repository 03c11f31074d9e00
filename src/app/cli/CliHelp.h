#pragma once

#include "app/cli/CliCommand.h"
#include "app/cli/CliFailure.h"

#include <QString>
#include <QStringList>

// The help texts, made from the command table: what "marlune-cli --help" and
// "marlune-cli COMMAND --help" (or "marlune-cli help COMMAND") print.
QString programHelp();
QString commandHelp(const CliCommand& command);

// The pieces the help and the manual page share, in the interface language.
QString cliDescription();     // what the tool is for, one sentence
QStringList cliUsageLines();  // the ways to call it, without "用法："
QString cliFailureLineNote(); // what a failure prints on stderr
QString cliExample(const CliCommand& command); // "marlune-cli …", empty when there is none
// A table text (a CliText source) in the interface language.
QString cliText(const char* source);

// The failure of a command name that is not in the table.
CliFailure unknownCommand(const QString& name);

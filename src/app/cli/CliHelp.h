#pragma once

#include "app/cli/CliCommand.h"
#include "app/cli/CliFailure.h"

#include <QString>

// The help texts, made from the command table: what "marlune-cli --help" and
// "marlune-cli COMMAND --help" (or "marlune-cli help COMMAND") print.
QString programHelp();
QString commandHelp(const CliCommand& command);

// The failure of a command name that is not in the table.
CliFailure unknownCommand(const QString& name);

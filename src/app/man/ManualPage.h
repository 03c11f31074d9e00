#pragma once

#include <QString>

// The manual pages of the command-line tools in the interface language, written from the same
// tables their parsers and their --help read, so the pages say what the programs do.
QString cliManualPage(const QString& date);
QString simManualPage(const QString& date);

// text as a line of a manual page: backslashes, minus signs and a leading dot or quote
// escaped, so that no text of a table is read as a formatting request.
QString roffText(const QString& text);

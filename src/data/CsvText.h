#pragma once

#include "data/SheetTable.h"

#include <QString>

// The text of a comma-separated file as a spreadsheet program reads it: fields separated by
// commas, semicolons or tabs, a field in double quotes may hold separators, line breaks and
// doubled quotes standing for one. Every field is text exactly as the file writes it, so
// codes such as "007" keep their leading zeros.
namespace csv {

// The file's bytes as text: UTF-8 (with or without its byte-order mark), UTF-16 or UTF-32
// with their marks, else GBK, the encoding Chinese spreadsheet programs save in. Bytes that
// are valid UTF-8 are taken as UTF-8. Throws DataSourceError for a file that is no text.
QString decode(const QByteArray& bytes, const QString& path);

// The separator the first line uses most, outside quotes: ',' ';' or '\t' (',' when the line
// has none; on a tie the earlier of the three).
QChar separatorOf(QStringView text);

// The lines as rows of text cells. A row ends with its last field that is not empty, and
// empty lines at the end are dropped. Throws DataSourceError for a quote that never ends, and
// when the rows would hold more cells than budget allows.
SheetRows parseRows(QStringView text, QChar separator, CellBudget& budget, const QString& path);

} // namespace csv

#pragma once

#include "data/SheetTable.h"
#include "data/XlsxSax.h"

#include <QStringList>

#include <optional>

// The content part of an OpenDocument spreadsheet (content.xml): every sheet of the
// workbook, one after another, each a list of rows whose cells carry their value and its
// type. Rows and cells that repeat are stored once with a count, so one element may stand
// for a million rows: the reader stores only what holds a value and refuses counts that
// reach beyond the largest sheet a spreadsheet program writes.
namespace ods {

// The sheet names in workbook order; a sheet without a name is called by its position.
QStringList readSheetNames(const xlsx::PartSource& source, const QString& workbook);

// The rows of the sheet at index (from 0), values as the spreadsheet holds them: numbers
// (percentages and amounts of money as plain numbers), dates, times, booleans, and text as
// its paragraphs show it, one line each. Comments and drawings in a cell are not its value.
SheetRows readSheetRows(const xlsx::PartSource& source, const QString& workbook, int index,
                        const QString& sheetName);

// "PT08H15M30S", "-PT1H", "P1DT2H": a duration as a day count; empty when malformed.
std::optional<double> daysFromDuration(QStringView duration);

} // namespace ods

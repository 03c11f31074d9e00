#pragma once

#include "data/SheetTable.h"

#include <QString>

// Stops with a finding when the table a data source makes of rows would span more than the
// cell limit: a run walks every record field by field.
void checkSheetTable(const SheetRows& rows, const QString& sheetName);

// The same cells in the same places: kind, number and text alike.
bool sameRows(const SheetRows& a, const SheetRows& b);

// Opens the .xlsx workbook at path as a data source does and checks every sheet as a
// table; the reader's own message for a damaged workbook is a right outcome.
void readEveryXlsxSheet(const QString& path);

#pragma once

#include <QString>

// Opens the .xlsx workbook at path as a data source does and reads every sheet as a table;
// the reader's own message for a damaged workbook is a right outcome. Stops with a finding
// when a sheet read spans more than the cell limit.
void readEveryXlsxSheet(const QString& path);

#pragma once

#include "data/SheetTable.h"
#include "data/XlsxSax.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace xlsx {

// What a worksheet part needs from the rest of its workbook.
struct SheetContext {
    QString workbook;  // file path, for messages
    QString partName;  // "xl/worksheets/sheet1.xml"
    QString sheetName;
    QStringList sharedStrings;
    QList<CellKind> formatKinds; // by cell format index
    bool date1904 = false;
};

// The cells of a worksheet part: shared and inline strings, numbers read through their
// number format (dates in either date system), booleans, error codes and the cached value
// of formulas. The part comes from source as the inflater hands it out.
SheetRows readSheetRows(const PartSource& source, const SheetContext& context);

// A stored date serial as a day count from 1899-12-30: the 1904 system starts 1462 days
// later, and the 1900 system counts a 29 February 1900 that never was.
double dayCountFromSerial(double serial, bool date1904);

} // namespace xlsx

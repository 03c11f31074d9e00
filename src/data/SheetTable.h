#pragma once

#include "data/CellValue.h"

#include <QList>
#include <QStringList>

// The rows of one sheet as read, index 0 being the sheet's first row. A row ends with its
// last cell that holds a value; rows after the last such row are not kept.
using SheetRows = QList<QList<CellValue>>;

// A sheet seen as a table: the first row names the columns, every later row of the used
// range is a record (record k is sheet row k + 1), including empty rows in between so that
// record numbers stay those of the sheet.
struct SheetTable {
    QStringList fieldNames;
    SheetRows records; // a record may be shorter than fieldNames: missing cells are empty

    static SheetTable fromRows(SheetRows rows);

    int fieldIndex(const QString& name) const; // -1 when missing
    const CellValue& cell(int record, int field) const; // record counts from 0
};

// Guards memory, and every run that walks a sheet's records, against hostile or runaway
// sheets: the used range (every row up to the last one holding a value, every column up to
// the last one holding a value) may span at most kMaxCells. A reader refuses the sheet with a
// clear message at the first cell beyond that, before it keeps the cell.
class CellBudget {
public:
    static constexpr qint64 kMaxCells = 8'000'000;

    explicit CellBudget(const QString& sheetName);
    // Widens the used range to a cell holding a value (row and column from 0).
    void use(qint64 row, qint64 column);

private:
    QString m_sheetName;
    qint64 m_rows = 0;
    qint64 m_columns = 0;
};

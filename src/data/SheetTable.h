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

// Guards memory against hostile or runaway sheets: every reader counts the cells it keeps
// (a sparse sheet counts every column up to its last used one) and stops with a clear
// message beyond the limit.
class CellBudget {
public:
    static constexpr qint64 kMaxCells = 8'000'000;

    explicit CellBudget(const QString& sheetName);
    void spend(qint64 cells);

private:
    QString m_sheetName;
    qint64 m_spent = 0;
};

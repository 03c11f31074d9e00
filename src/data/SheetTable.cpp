#include "data/SheetTable.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"

#include <algorithm>

SheetTable SheetTable::fromRows(SheetRows rows)
{
    SheetTable table;
    qsizetype columns = 0;
    for (const QList<CellValue>& row : rows)
        columns = std::max(columns, row.size());
    const QList<CellValue> header = rows.isEmpty() ? QList<CellValue>() : rows.takeFirst();
    for (qsizetype column = 0; column < columns; ++column) {
        const QString name = column < header.size() ? header[column].displayText().trimmed()
                                                      : QString();
        // A column without a heading still has values worth printing; it is called by
        // its position, F1 for the first column.
        table.fieldNames.append(name.isEmpty() ? QStringLiteral("F%1").arg(column + 1) : name);
    }
    table.records = std::move(rows);
    return table;
}

int SheetTable::fieldIndex(const QString& name) const
{
    return int(fieldNames.indexOf(name));
}

const CellValue& SheetTable::cell(int record, int field) const
{
    static const CellValue empty;
    const QList<CellValue>& row = records.at(record);
    return field >= 0 && field < row.size() ? row.at(field) : empty;
}

CellBudget::CellBudget(const QString& sheetName)
    : m_sheetName(sheetName)
{
}

void CellBudget::use(qint64 row, qint64 column)
{
    m_rows = std::max(m_rows, row + 1);
    m_columns = std::max(m_columns, column + 1);
    if (m_rows * m_columns > kMaxCells)
        throw DataSourceError(
            DataText::tr("工作表“%1”太大：已用区域 %2 行 × %3 列，超过 %4 个单元格，无法读取。")
                .arg(m_sheetName)
                .arg(m_rows)
                .arg(m_columns)
                .arg(kMaxCells));
}

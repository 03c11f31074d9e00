#include "SheetSupport.h"

#include "FuzzTarget.h"

#include "data/DataSourceError.h"
#include "data/XlsxWorkbook.h"

#include <cmath>

void checkSheetTable(const SheetRows& rows, const QString& sheetName)
{
    const SheetTable table = SheetTable::fromRows(rows);
    fuzzing::expect(qint64(table.records.size() + 1) * table.fieldNames.size() <= CellBudget::kMaxCells,
                    "a sheet read spans at most the cell limit", sheetName);
}

bool sameRows(const SheetRows& a, const SheetRows& b)
{
    const auto sameCell = [](const CellValue& x, const CellValue& y) {
        const bool sameNumber = x.number == y.number || (std::isnan(x.number) && std::isnan(y.number));
        return x.kind == y.kind && sameNumber && x.text == y.text;
    };
    if (a.size() != b.size())
        return false;
    for (qsizetype r = 0; r < a.size(); ++r) {
        if (!std::equal(a[r].begin(), a[r].end(), b[r].begin(), b[r].end(), sameCell))
            return false;
    }
    return true;
}

void readEveryXlsxSheet(const QString& path)
{
    try {
        XlsxWorkbook book(path);
        const QStringList names = book.sheetNames();
        for (int index = 0; index < names.size(); ++index) {
            try {
                checkSheetTable(book.readSheet(index), names[index]);
            } catch (const DataSourceError&) {
            }
        }
    } catch (const DataSourceError&) {
    }
}

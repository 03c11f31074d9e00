#include "XlsxSupport.h"

#include "FuzzTarget.h"

#include "data/DataSourceError.h"
#include "data/XlsxWorkbook.h"

void readEveryXlsxSheet(const QString& path)
{
    try {
        XlsxWorkbook book(path);
        const QStringList names = book.sheetNames();
        for (int index = 0; index < names.size(); ++index) {
            try {
                const SheetTable table = SheetTable::fromRows(book.readSheet(index));
                // Every record is walked field by field when a run goes over the sheet.
                fuzzing::expect(qint64(table.records.size() + 1) * table.fieldNames.size()
                                    <= CellBudget::kMaxCells,
                                "a sheet read spans at most the cell limit", names[index]);
            } catch (const DataSourceError&) {
            }
        }
    } catch (const DataSourceError&) {
    }
}

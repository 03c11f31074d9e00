// What the binary-workbook reader process writes, parsed as the program parses it.

#include "FuzzTarget.h"

#include "data/DataSourceError.h"
#include "data/XlsReaderOutput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const XlsReaderOutput output = parseXlsReaderOutput(
            fuzzing::bytesOf(data, size), QStringLiteral("fuzz.xls"), QStringLiteral("Sheet1"));
        qsizetype columns = 0;
        for (const QList<CellValue>& row : output.rows)
            columns = std::max(columns, row.size());
        fuzzing::expect(qint64(output.rows.size()) * columns <= CellBudget::kMaxCells,
                        "a sheet read spans at most the cell limit");
    } catch (const DataSourceError&) {
    }
    return 0;
}

// A CSV file's bytes, decoded and read as a table as a data source reads a .csv file. The
// file itself is left out: reading it reserves room for the largest file allowed, which under
// the sanitizers costs more than the reading.

#include "FuzzTarget.h"
#include "SheetSupport.h"

#include "data/CsvText.h"
#include "data/DataSourceError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString sheet = QStringLiteral("fuzz");
    try {
        const QString text = csv::decode(fuzzing::bytesOf(data, size), QStringLiteral("fuzz.csv"));
        CellBudget budget(sheet);
        checkSheetTable(csv::parseRows(text, csv::separatorOf(text), budget, QStringLiteral("fuzz.csv")), sheet);
    } catch (const DataSourceError&) {
        // The file is refused with this message.
    }
    return 0;
}

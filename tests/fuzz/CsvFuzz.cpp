// A CSV file's bytes, opened as a data source opens a .csv file and read as a table.

#include "FuzzTarget.h"
#include "SheetSupport.h"

#include "data/CsvWorkbook.h"
#include "data/DataSourceError.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzzing::scratchPath(QStringLiteral("fuzz.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        fuzzing::broken("the harness writes its file", file.errorString());
    file.close();
    try {
        checkSheetTable(CsvWorkbook(path).readSheet(0), QStringLiteral("fuzz"));
    } catch (const DataSourceError&) {
        // The file is refused with this message.
    }
    return 0;
}

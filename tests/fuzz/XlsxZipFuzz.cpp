// An .xlsx file's bytes: the zip package and everything in it, opened as a data source.

#include "FuzzTarget.h"
#include "SheetSupport.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzzing::scratchPath(QStringLiteral("fuzz.xlsx"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        fuzzing::broken("the harness writes its workbook", file.errorString());
    file.close();
    readEveryXlsxSheet(path);
    return 0;
}

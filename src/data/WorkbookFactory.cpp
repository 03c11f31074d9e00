#include "data/ConnectionString.h"

#include "data/CsvWorkbook.h"
#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/OdsWorkbook.h"
#include "data/Workbook.h"
#include "data/XlsWorkbook.h"
#include "data/XlsxWorkbook.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The first bytes of the file: a compound document (a binary workbook, or an encrypted Open
// XML one) or a zip package.
QByteArray signature(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(8) : QByteArray();
}

bool isCompoundDocument(const QByteArray& signature)
{
    return signature == QByteArray::fromHex("D0CF11E0A1B11AE1");
}

bool isZipPackage(const QByteArray& signature)
{
    return signature.startsWith("PK\x03\x04");
}

} // namespace

std::unique_ptr<Workbook> openWorkbook(const QString& connectionString)
{
    const ConnectionTarget target = parseConnectionString(connectionString);
    const QFileInfo info(target.path);
    if (target.path.isEmpty() || !info.exists())
        throw DataSourceError(DataText::tr("找不到文件“%1”。").arg(target.path));
    if (!info.isFile() || !info.isReadable())
        throw DataSourceError(DataText::tr("无法读取文件“%1”。").arg(target.path));
    // The Open XML provider also reads binary workbooks (an ".XLS" typed into a label file
    // reaches it), OpenDocument spreadsheets and separated values, so it looks at the content
    // first and at the name only for plain text.
    const QByteArray start = signature(target.path);
    if (target.binaryWorkbook || isCompoundDocument(start))
        return std::make_unique<XlsWorkbook>(target.path);
    if (OdsWorkbook::isOpenDocument(target.path) || info.suffix().compare(u"ods", Qt::CaseInsensitive) == 0)
        return std::make_unique<OdsWorkbook>(target.path);
    if (!isZipPackage(start) && CsvWorkbook::isCsvName(target.path))
        return std::make_unique<CsvWorkbook>(target.path);
    return std::make_unique<XlsxWorkbook>(target.path);
}

#include "data/ConnectionString.h"

#include "data/DataText.h"
#include "data/DataSourceError.h"
#include "data/Workbook.h"
#include "data/XlsWorkbook.h"
#include "data/XlsxWorkbook.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The signature of a compound document: a binary workbook, or an encrypted Open XML one.
bool isCompoundDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(8) == QByteArray::fromHex("D0CF11E0A1B11AE1");
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
    // reaches it), so it looks at the content rather than the name.
    if (target.binaryWorkbook || isCompoundDocument(target.path))
        return std::make_unique<XlsWorkbook>(target.path);
    return std::make_unique<XlsxWorkbook>(target.path);
}

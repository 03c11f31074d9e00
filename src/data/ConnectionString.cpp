#include "data/ConnectionString.h"

QString connectionStringForFile(const QString& path)
{
    const bool binary = path.endsWith(QStringLiteral(".xls"), Qt::CaseSensitive);
    return (binary ? kXlsConnectionPrefix : kXlsxConnectionPrefix).toString() + path;
}

ConnectionTarget parseConnectionString(const QString& connectionString)
{
    static const QString dataSource = QStringLiteral("Data Source=");
    ConnectionTarget target;
    const qsizetype at = connectionString.lastIndexOf(dataSource, -1, Qt::CaseInsensitive);
    if (at >= 0)
        target.path = connectionString.mid(at + dataSource.size());
    target.binaryWorkbook = connectionString.startsWith(kXlsConnectionPrefix.first(
        kXlsConnectionPrefix.indexOf(u';')));
    return target;
}

#include "data/CsvWorkbook.h"

#include "data/CsvText.h"
#include "data/DataSourceError.h"
#include "data/DataText.h"

#include <QFile>
#include <QFileInfo>

CsvWorkbook::CsvWorkbook(const QString& path)
    : m_path(path)
    , m_sheetName(QFileInfo(path).completeBaseName())
{
    if (m_sheetName.isEmpty())
        m_sheetName = QFileInfo(path).fileName();
}

QStringList CsvWorkbook::sheetNames() const
{
    return {m_sheetName};
}

SheetRows CsvWorkbook::readSheet(int index)
{
    if (index != 0)
        throw DataSourceError(DataText::tr("文件“%1”只有一个工作表“%2”。").arg(m_path, m_sheetName));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataSourceError(DataText::tr("无法读取文件“%1”：%2").arg(m_path, file.errorString()));
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        throw DataSourceError(DataText::tr("文件“%1”太大（超过 %2 MB），无法读取。").arg(m_path).arg(kMaxFileBytes >> 20));
    const QString text = csv::decode(bytes, m_path);
    CellBudget budget(m_sheetName);
    return csv::parseRows(text, csv::separatorOf(text), budget, m_path);
}

bool CsvWorkbook::isCsvName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"csv" || suffix == u"tsv" || suffix == u"txt";
}

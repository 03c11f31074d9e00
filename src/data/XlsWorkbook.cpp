#include "data/XlsWorkbook.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/XlsReaderOutput.h"

#include <QFileInfo>

XlsWorkbook::XlsWorkbook(const QString& path, const QString& reader)
    : m_path(path)
    , m_reader(reader)
{
    if (QFileInfo(path).size() > kMaxFileBytes)
        throw DataSourceError(DataText::tr("工作簿“%1”太大（超过 %2 MB），无法读取。")
                                  .arg(path)
                                  .arg(kMaxFileBytes >> 20));
    m_sheetNames = parseXlsReaderOutput(runReader({}), m_path, QString()).sheetNames;
}

QByteArray XlsWorkbook::runReader(const QStringList& extraArguments) const
{
    XlsReaderRun run;
    run.program = m_reader;
    run.arguments = QStringList{m_path} + extraArguments;
    return runXlsReader(run, m_path);
}

QStringList XlsWorkbook::sheetNames() const
{
    return m_sheetNames;
}

SheetRows XlsWorkbook::readSheet(int index)
{
    const QString sheetName = m_sheetNames.value(index);
    if (index < 0 || index >= m_sheetNames.size())
        throw DataSourceError(DataText::tr("找不到工作表“%1”。").arg(index + 1));
    XlsReaderOutput output =
        parseXlsReaderOutput(runReader({QString::number(index)}), m_path, sheetName);
    // The file may have been replaced since it was opened.
    if (output.sheetNames != m_sheetNames)
        throw DataSourceError(damagedXlsMessage(m_path));
    return std::move(output.rows);
}

#include "data/Tdm.h"

#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/InRange.h"
#include "data/Workbook.h"
#include "model/ConversionError.h"
#include "model/MessageService.h"

namespace {

void showError(const DataSourceError& error)
{
    showMessage(QStringLiteral("Marlune"), error.message(), MessageIcon::Error);
}

} // namespace

Tdm& dm()
{
    static Tdm module;
    return module;
}

void Tdm::SetConnectionForFile(const QString& path)
{
    close();
    m_connectionString = connectionStringForFile(path);
}

void Tdm::ListTables(const QString& path, QStringList& list)
{
    SetConnectionForFile(path);
    try {
        const QStringList names = openWorkbook(m_connectionString)->sheetNames();
        list = names;
    } catch (const DataSourceError& error) {
        showError(error);
    }
}

void Tdm::openQuery(const QString& path, const QString& sheet)
{
    SetConnectionForFile(path);
    m_table = openWorkbook(m_connectionString)->readTable(sheet);
    m_current = 0;
}

void Tdm::OpenTable(const QString& path, const QString& sheet)
{
    try {
        openQuery(path, sheet);
    } catch (const DataSourceError& error) {
        showError(error);
    }
}

void Tdm::ListFields(const QString& path, const QString& sheet, QStringList& list)
{
    try {
        openQuery(path, sheet);
        list = fieldNames();
    } catch (const DataSourceError& error) {
        showError(error);
    }
    close();
}

int Tdm::RecordCount(const QString& path, const QString& sheet)
{
    openQuery(path, sheet);
    const int count = recordCount();
    close();
    return count;
}

bool Tdm::InRange(int n, const QString& text)
{
    return ::InRange(n, text);
}

void Tdm::close()
{
    m_table.reset();
    m_current = 0;
}

QStringList Tdm::fieldNames() const
{
    return m_table ? m_table->fieldNames : QStringList();
}

int Tdm::recordCount() const
{
    return m_table ? int(m_table->records.size()) : 0;
}

const CellValue& Tdm::field(const QString& column) const
{
    if (!m_table)
        throw DataSourceError(DataText::tr("没有打开的工作表。"));
    const int index = m_table->fieldIndex(column);
    if (index < 0)
        throw DataSourceError(DataText::tr("工作表中找不到列“%1”。").arg(column));
    if (m_current < 0 || m_current >= recordCount())
        throw DataSourceError(DataText::tr("没有第 %1 条记录。").arg(recordNumber()));
    return m_table->cell(m_current, index);
}

QString Tdm::fieldText(const QString& column) const
{
    return field(column).displayText();
}

QDateTime Tdm::fieldDateTime(const QString& column) const
{
    const CellValue& value = field(column);
    if (value.kind == CellKind::Empty)
        return {};
    const QDateTime moment = value.dateTime();
    if (!moment.isValid())
        throw ConversionError(
            DataText::tr("“%1”不是有效的日期和时间").arg(value.displayText()));
    return moment;
}

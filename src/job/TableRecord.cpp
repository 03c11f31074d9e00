#include "job/TableRecord.h"

#include "data/DataSourceError.h"
#include "data/Tdm.h"
#include "job/DateStyle.h"
#include "model/ConversionError.h"

namespace {

template <typename Read>
auto readField(Read read)
{
    try {
        return read();
    } catch (const DataSourceError& error) {
        throw RecordFieldError(error.message());
    }
}

} // namespace

TableRecord::TableRecord(const Tdm& data)
    : m_data(data)
{
}

QString TableRecord::text(const QString& column) const
{
    return readField([&] { return m_data.fieldText(column); });
}

QDateTime TableRecord::dateTime(const QString& column) const
{
    return readField([&] {
        try {
            return m_data.fieldDateTime(column);
        } catch (const ConversionError&) {
            return parseRecordDateTime(m_data.fieldText(column));
        }
    });
}

#include "job/RecordFields.h"

#include "job/DateStyle.h"
#include "job/JobText.h"
#include "model/ConversionError.h"

RecordFieldError RecordFieldError::missingColumn(const QString& column)
{
    return RecordFieldError(JobText::tr("找不到字段“%1”").arg(column));
}

MemoryRecord::MemoryRecord(std::initializer_list<std::pair<QString, QVariant>> fields)
{
    for (const auto& [column, value] : fields)
        setField(column, value);
}

void MemoryRecord::setField(const QString& column, const QVariant& value)
{
    m_fields.insert(column, value);
}

const QVariant& MemoryRecord::field(const QString& column) const
{
    const auto found = m_fields.constFind(column);
    if (found == m_fields.cend())
        throw RecordFieldError::missingColumn(column);
    return *found;
}

QString MemoryRecord::text(const QString& column) const
{
    return field(column).toString();
}

QDateTime MemoryRecord::dateTime(const QString& column) const
{
    const QVariant& value = field(column);
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return value.toDate().startOfDay();
    default:
        return parseRecordDateTime(value.toString());
    }
}

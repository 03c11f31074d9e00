#pragma once

#include "model/MessageError.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariant>

// Raised when a label asks the current record for a column its sheet does not have. It ends
// the label job, like any other failure of the data source.
class RecordFieldError : public MessageError {
public:
    using MessageError::MessageError;

    // The failure for a column name that is not in the sheet; the name is quoted exactly,
    // blanks included, so the operator sees which spelling the label asked for.
    static RecordFieldError missingColumn(const QString& column);
};

// The spreadsheet record a label job is printing: the data source hands one of these to the
// variable-data rules, which read it by column name. Column names are compared exactly as
// stored in the label (case and blanks included).
class RecordFields {
public:
    virtual ~RecordFields() = default;

    // The field's content as text. Raises RecordFieldError for a column that does not exist.
    virtual QString text(const QString& column) const = 0;
    // The field's content as a date and time. Raises RecordFieldError for a column that does
    // not exist and ConversionError for content that is not a date.
    virtual QDateTime dateTime(const QString& column) const = 0;
};

// A record held in memory: each column holds a text, a date or a date and time. Texts read
// as dates when they are written as a year, month and day (see parseRecordDateTime).
class MemoryRecord : public RecordFields {
public:
    MemoryRecord() = default;
    MemoryRecord(std::initializer_list<std::pair<QString, QVariant>> fields);

    void setField(const QString& column, const QVariant& value);

    QString text(const QString& column) const override;
    QDateTime dateTime(const QString& column) const override;

private:
    const QVariant& field(const QString& column) const;

    QHash<QString, QVariant> m_fields;
};

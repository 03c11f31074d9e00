#pragma once

#include "job/RecordFields.h"

class Tdm;

// The record the data module's open query stands on, as the variable-data rules read it.
// Texts are the data module's own field texts, dates its field dates, so a label prints what
// the record picker and "records" show. Any failure of the data module (a column the sheet
// does not have, no open query, a query past its last record) reaches the label job as a
// RecordFieldError carrying the data module's own message, which ends the job.
class TableRecord : public RecordFields {
public:
    explicit TableRecord(const Tdm& data);

    QString text(const QString& column) const override;
    // A text cell the data module cannot read as a date is read in the forms the operator
    // writes dates in ("2017/3/5", "2017.03.05"); an empty cell gives an invalid moment,
    // which the date styles refuse.
    QDateTime dateTime(const QString& column) const override;

private:
    const Tdm& m_data;
};

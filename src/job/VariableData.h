#pragma once

#include "job/DateStyle.h"
#include "model/Tshape.h"

#include <QString>

class RecordFields;

// The values print objects send in a label job. record is the spreadsheet record the job is
// printing, or null when the run does not take values from records; then every object sends
// its stored value. Reading a record may raise RecordFieldError (no such column) or
// ConversionError (a date column that holds no date); either ends the label job.

// A text object's text: str, or its DBField column of the record when DBField holds more than
// blanks (the column is looked up under the name as stored). A DBType of "日期" with a date
// style 0 … 11 prints the column as a date in that style, "/" standing for dateSeparator.
QString textValue(const Tshape& shape, const RecordFields* record,
                  const QString& dateSeparator = systemDateSeparator());

// A symbol's value before prefix and suffix: barValue, or its DBField column of the record when
// DBField is not empty. Symbols do not trim DBField: a name of blanks is looked up as it stands.
QString symbolValue(const Tshape& shape, const RecordFields* record);

// The data a symbol encodes: for a linear symbol beginStr + value + endStr, for the
// two-dimensional symbols the value alone.
QString symbolData(const Tshape& shape, const RecordFields* record);

// The human-readable line the program prints under a linear symbol: its data, wrapped in "*"
// for the two CODE39 types when if39Star is 1. The printer never encodes the stars.
QString humanReadableLine(const Tshape& shape, const RecordFields* record);

// What a print object sends: the text of a text object, the data of a symbol, and an empty
// text for the kinds without a value (rectangles, lines, pictures, cut objects).
QString printValue(const Tshape& shape, const RecordFields* record,
                   const QString& dateSeparator = systemDateSeparator());

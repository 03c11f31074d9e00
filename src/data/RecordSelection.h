#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Tdm;

// The records of a sheet as the record picker lists them: the column names, and for each
// record its field texts without leading and trailing blanks.
struct RecordList {
    QStringList fields;
    QList<QStringList> rows;
};

// Reads the sheet through the data module, whose query is closed again afterwards, also
// when the reading fails. Raises DataSourceError.
RecordList readRecordList(Tdm& data, const QString& book, const QString& sheet);

// The range text of the chosen rows (numbers from 1, in any order): each run of
// consecutive rows s..e as "s," or "s-e,", so rows 1, 2, 3 and 5 give "1-3,5,".
QString rangeTextOfRows(QList<int> rows);

// "全选" over count rows: "1-" and the count, or an empty text for a sheet without
// records, which selects nothing (not "1-0").
QString allRowsRangeText(int count);

// The rows among the first count that the range text selects, in order. Raises
// ConversionError for a range InRange cannot read.
QList<int> rowsInRange(int count, const QString& range);

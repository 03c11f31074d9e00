#pragma once

#include "job/TableRecord.h"
#include "model/Tshape.h"

#include <QList>
#include <QString>

#include <optional>

class CliArguments;

// A sheet of a workbook open in the data module for as long as this lives, as a command
// fills a label from its records.
class CliSheet {
public:
    // Opens the sheet; a missing or unreadable workbook or sheet raises CliFailure (exit 1)
    // naming the workbook.
    CliSheet(const QString& workbook, const QString& sheet);
    ~CliSheet();
    CliSheet(const CliSheet&) = delete;
    CliSheet& operator=(const CliSheet&) = delete;

    int recordCount() const;
    // Stands on record k (from 1) so that record() reads it.
    void moveTo(int record);
    const RecordFields& record() const { return m_record; }

    // The value every printed object of the list sends, from the record the sheet stands
    // on: a column the sheet lacks or a date column without a date raises CliFailure
    // (exit 1) naming the sheet, before anything is sent. prefix leads the reason.
    void checkValues(const ShapeList& objects, const QString& prefix = {}) const;

    const QString& name() const { return m_name; }

private:
    QString m_name;
    TableRecord m_record;
};

// --workbook BOOK --sheet SHEET --record K of print, render and values: opens the sheet into
// sheet, standing on record K, when the three are given. A K the sheet does not hold
// raises CliFailure naming --record.
void openChosenRecord(const CliArguments& arguments, std::optional<CliSheet>& sheet);

// The records (from 1) of a sheet of count records that the range text selects, in order.
// A malformed range raises CliFailure naming option, and so does a range that selects none.
QList<int> selectedRecords(const QString& option, const QString& range, int count, const QString& sheet);

// Shows record values in the label's objects for a preview: each text and symbol bound to a
// column takes the record's value in place of its stored one.
void fillFromRecord(ShapeList& objects, const RecordFields& record);

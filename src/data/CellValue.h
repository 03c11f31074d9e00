#pragma once

#include <QDateTime>
#include <QString>

// What a cell holds once the workbook's storage details are gone. Dates and times keep
// their day count from 1899-12-30 (the day count both workbook formats share once the
// 1904 system and the 1900 leap-year quirk are undone), so every reader hands out the
// same value for the same calendar moment.
enum class CellKind : quint8 { Empty, Text, Number, Boolean, Error, Date, Time, DateTime };

struct CellValue {
    CellKind kind = CellKind::Empty;
    double number = 0; // numbers, booleans (0/1) and the day count of dates and times
    QString text;      // strings and error codes ("#DIV/0!") as stored

    static CellValue fromText(const QString& text);
    static CellValue fromNumber(double value);
    // A day count (from 1899-12-30) shown as a date, a time of day or both; a day count
    // outside the years 100..9999 is no calendar day and stays a plain number.
    static CellValue fromDayCount(double days, CellKind kind);

    // The value as the spreadsheet's user sees it: whole numbers without ".0", others in
    // the 15-digit general form, dates "yyyy-MM-dd", times "HH:mm:ss", booleans
    // "TRUE"/"FALSE", empty cells "".
    QString displayText() const;
    // Dates, times and numbers as a moment (numbers read as day counts, the way a date
    // field reads a number); text in one of the display forms above; otherwise invalid.
    QDateTime dateTime() const;
};

// Day count (from 1899-12-30, fractions are the time of day) to a moment and back;
// an invalid QDateTime when the count lies outside the years 100..9999.
QDateTime dateTimeFromDayCount(double days);
double dayCountFromDateTime(const QDateTime& moment);

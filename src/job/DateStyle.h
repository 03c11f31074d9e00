#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The twelve ways a date column can be printed, chosen by a text object's DBDateStyle.
inline constexpr int kDateStyleCount = 12;

// The pattern of a date style ("yyyy/MM/dd" … "yy.M.d"); empty for a number outside 0 … 11.
QString dateStylePattern(int style);

// The date of value written in the pattern of style: "yyyy" four-digit year, "yy" its last two
// digits, "MM"/"dd" with a leading zero, "M"/"d" without, "/" replaced by separator, "-" and
// "." as they stand. A style outside 0 … 11 gives an empty text.
QString formatDateStyle(const QDateTime& value, int style, const QString& separator);

// The separator the locale writes between the numbers of a short date ("." for German, "-" for
// Swedish); "/" when its short date has none, as in the C locale of a bare system.
QString localeDateSeparator(const QLocale& locale);
// The separator of the system's locale, read once: label jobs ask for it for every text.
QString systemDateSeparator();

// A spreadsheet text read as a date: year, month and day joined by "-", "/" or ".", optionally
// followed by a time ("H:mm" or "H:mm:ss"), or an ISO 8601 date and time. Surrounding blanks
// are allowed. Anything else raises ConversionError naming the text.
QDateTime parseRecordDateTime(const QString& text);

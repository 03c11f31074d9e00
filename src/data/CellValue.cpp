#include "data/CellValue.h"

#include "model/NumberFormat.h"

#include <cmath>

namespace {

const QDate kDayZero(1899, 12, 30);
// 0100-01-01 and 9999-12-31 as day counts: the calendar a workbook can show.
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465.99999;
constexpr qint64 kSecondsPerDay = 86400;

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// A day count split into its calendar day and time of day, without the time zone lookups
// a local QDateTime costs on every construction.
struct CalendarMoment {
    QDate date;
    int secondOfDay = 0;
};

bool isCalendarDay(double days)
{
    return std::isfinite(days) && days >= kFirstDay && days <= kLastDay;
}

CalendarMoment calendarMoment(double days)
{
    const qint64 seconds = std::llround(days * kSecondsPerDay);
    qint64 whole = seconds / kSecondsPerDay;
    qint64 rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        --whole;
        rest += kSecondsPerDay;
    }
    return {kDayZero.addDays(whole), int(rest)};
}

// Fixed-width decimal digits into text, as the display forms want them.
char* putDigits(char* at, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        at[i] = char('0' + value % 10);
    return at + width;
}

char* putDate(char* at, QDate date)
{
    at = putDigits(at, date.year(), 4);
    *at++ = '-';
    at = putDigits(at, date.month(), 2);
    *at++ = '-';
    return putDigits(at, date.day(), 2);
}

char* putTime(char* at, int secondOfDay)
{
    at = putDigits(at, secondOfDay / 3600, 2);
    *at++ = ':';
    at = putDigits(at, secondOfDay / 60 % 60, 2);
    *at++ = ':';
    return putDigits(at, secondOfDay % 60, 2);
}

// "yyyy-MM-dd", "HH:mm:ss" or both, as the kind shows the day count.
QString calendarText(double days, CellKind kind)
{
    const CalendarMoment moment = calendarMoment(days);
    char text[20];
    char* end = text;
    if (kind != CellKind::Time)
        end = putDate(end, moment.date);
    if (kind == CellKind::DateTime)
        *end++ = ' ';
    if (kind != CellKind::Date)
        end = putTime(end, moment.secondOfDay);
    return QString::fromLatin1(text, end - text);
}

} // namespace

QDateTime dateTimeFromDayCount(double days)
{
    if (!isCalendarDay(days))
        return {};
    const CalendarMoment moment = calendarMoment(days);
    return QDateTime(moment.date, QTime(0, 0).addSecs(moment.secondOfDay));
}

double dayCountFromDateTime(const QDateTime& moment)
{
    const qint64 days = kDayZero.daysTo(moment.date());
    return double(days) + double(QTime(0, 0).secsTo(moment.time())) / kSecondsPerDay;
}

CellValue CellValue::fromText(const QString& text)
{
    CellValue cell;
    cell.kind = CellKind::Text;
    cell.text = text;
    return cell;
}

CellValue CellValue::fromNumber(double value)
{
    CellValue cell;
    cell.kind = CellKind::Number;
    cell.number = value;
    return cell;
}

CellValue CellValue::fromDayCount(double days, CellKind kind)
{
    CellValue cell = fromNumber(days);
    if (isCalendarDay(days))
        cell.kind = kind;
    return cell;
}

QString CellValue::displayText() const
{
    switch (kind) {
    case CellKind::Empty:
        return {};
    case CellKind::Text:
    case CellKind::Error:
        return text;
    case CellKind::Number:
        // Counts and codes are the common case: whole numbers below 10^15 read the same
        // in the 15-digit form, without its cost.
        if (number == std::trunc(number) && std::fabs(number) < 1e15)
            return QString::number(qint64(number));
        return floatToStr(number);
    case CellKind::Boolean:
        return number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case CellKind::Date:
    case CellKind::Time:
    case CellKind::DateTime:
        return calendarText(number, kind);
    }
    return {};
}

QDateTime CellValue::dateTime() const
{
    switch (kind) {
    case CellKind::Number:
    case CellKind::Date:
    case CellKind::Time:
    case CellKind::DateTime:
        return dateTimeFromDayCount(number);
    case CellKind::Text: {
        const QString trimmed = text.trimmed();
        for (const QString& format : {kDateTimeFormat, kDateFormat}) {
            const QDateTime moment = QDateTime::fromString(trimmed, format);
            if (moment.isValid())
                return moment;
        }
        const QTime time = QTime::fromString(trimmed, kTimeFormat);
        return time.isValid() ? QDateTime(kDayZero, time) : QDateTime();
    }
    case CellKind::Empty:
    case CellKind::Boolean:
    case CellKind::Error:
        break;
    }
    return {};
}

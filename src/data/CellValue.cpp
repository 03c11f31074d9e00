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

} // namespace

QDateTime dateTimeFromDayCount(double days)
{
    if (!std::isfinite(days) || days < kFirstDay || days > kLastDay)
        return {};
    const qint64 seconds = std::llround(days * kSecondsPerDay);
    qint64 whole = seconds / kSecondsPerDay;
    qint64 rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        --whole;
        rest += kSecondsPerDay;
    }
    return QDateTime(kDayZero.addDays(whole), QTime(0, 0).addSecs(int(rest)));
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
    if (dateTimeFromDayCount(days).isValid())
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
        return dateTimeFromDayCount(number).toString(kDateFormat);
    case CellKind::Time:
        return dateTimeFromDayCount(number).toString(kTimeFormat);
    case CellKind::DateTime:
        return dateTimeFromDayCount(number).toString(kDateTimeFormat);
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

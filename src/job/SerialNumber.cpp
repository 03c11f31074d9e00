#include "job/SerialNumber.h"

#include <limits>
#include <optional>

namespace {

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The digits read as a 32-bit number, however many leading zeros they carry.
std::optional<qint32> toInt32(QStringView digits)
{
    qint64 value = 0;
    for (const QChar c : digits) {
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    return static_cast<qint32>(value);
}

} // namespace

QString IncrementSerial(const QString& text, int step)
{
    qsizetype numberEnd = text.size();
    while (numberEnd > 0 && !isDecimalDigit(text[numberEnd - 1]))
        --numberEnd;
    qsizetype numberStart = numberEnd;
    while (numberStart > 0 && isDecimalDigit(text[numberStart - 1]))
        --numberStart;
    const qsizetype digitCount = numberEnd - numberStart;
    if (digitCount == 0)
        return text;

    const std::optional<qint32> number = toInt32(QStringView(text).sliced(numberStart, digitCount));
    if (!number)
        return text;
    const qint64 stepped = qint64(*number) + step;
    // A serial that would wrap around to a negative number stops at the edge instead.
    if (stepped > std::numeric_limits<qint32>::max() || stepped < std::numeric_limits<qint32>::min())
        return text;

    QString digits = QString::number(stepped);
    if (digits.size() < digitCount)
        digits.prepend(QString(digitCount - digits.size(), u'0'));
    return text.first(numberStart) + digits + text.sliced(numberEnd);
}

void AdvanceSerials(ShapeList& objects)
{
    for (Tshape& shape : objects) {
        const ShapeKind kind = shape.kind();
        if (kind == ShapeKind::PrintString && shape.serialNo != 0)
            shape.str = IncrementSerial(shape.str, shape.serialNo);
        else if (kind == ShapeKind::PrintBar && shape.selfAdd != 0)
            shape.barValue = IncrementSerial(shape.barValue, shape.selfAdd);
    }
}

bool takeSerialValues(const ShapeList& advanced, ShapeList& stored)
{
    bool changed = false;
    const auto take = [&changed](QString& to, const QString& from) {
        changed = changed || to != from;
        to = from;
    };
    for (qsizetype index = 0; index < qMin(advanced.size(), stored.size()); ++index) {
        const Tshape& from = advanced[index];
        Tshape& to = stored[index];
        if (to.kind() == ShapeKind::PrintString && to.serialNo != 0)
            take(to.str, from.str);
        else if (to.kind() == ShapeKind::PrintBar && to.selfAdd != 0)
            take(to.barValue, from.barValue);
    }
    return changed;
}

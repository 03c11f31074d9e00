#include "model/Convert.h"

#include "model/ConversionError.h"
#include "model/ModelText.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

int truncToInt(long double value)
{
    if (std::isnan(value))
        return 0;
    constexpr long double lowest = std::numeric_limits<int>::min();
    constexpr long double highest = std::numeric_limits<int>::max();
    if (value <= lowest)
        return std::numeric_limits<int>::min();
    if (value >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

namespace {

bool parseInt(const QString& text, int& result)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    // Hexadecimal written with a leading '$' is a number to the operator's tools as well.
    if (trimmed.startsWith(u'$'))
        result = trimmed.mid(1).toInt(&ok, 16);
    else
        result = trimmed.toInt(&ok, 10);
    return ok;
}

} // namespace

int strToInt(const QString& text)
{
    int result = 0;
    if (!parseInt(text, result))
        throw ConversionError(ModelText::tr("“%1”不是有效的整数").arg(text));
    return result;
}

int strToIntDef(const QString& text, int fallback)
{
    int result = 0;
    return parseInt(text, result) ? result : fallback;
}

double strToFloat(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw ConversionError(ModelText::tr("“%1”不是有效的数值").arg(text));
    return value;
}

namespace {

// A typed number as its decimal digits and a power of ten: "-33.3" is -333 × 10^-1. Taken
// from the text rather than from a double, so that no binary rounding enters.
struct TypedDecimal {
    bool negative = false;
    QString digits; // without leading zeros; empty for zero
    qint64 exponent = 0;
};

TypedDecimal typedDecimal(const QString& text)
{
    // Checks that the text is a number at all and raises the usual error when it is not.
    strToFloat(text);
    static const QRegularExpression number(
        QStringLiteral(R"(^([+-]?)([0-9]*)(?:\.([0-9]*))?(?:[eE]([+-]?[0-9]+))?$)"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch())
        throw ConversionError(ModelText::tr("“%1”不是有效的数值").arg(text));
    // Far beyond any length of a label; keeps the arithmetic below in range.
    constexpr qint64 kExponentLimit = 1000;
    bool ok = false;
    qint64 exponent = match.captured(4).isEmpty() ? 0 : match.captured(4).toLongLong(&ok);
    if (!match.captured(4).isEmpty() && !ok)
        exponent = match.captured(4).startsWith(u'-') ? -kExponentLimit : kExponentLimit;
    const QString fraction = match.captured(3);
    TypedDecimal decimal;
    decimal.negative = match.captured(1) == u"-";
    decimal.digits = match.captured(2) + fraction;
    while (decimal.digits.startsWith(u'0'))
        decimal.digits.remove(0, 1);
    decimal.exponent = std::clamp(exponent, -kExponentLimit, kExponentLimit) - fraction.size();
    return decimal;
}

} // namespace

int tenthsOfMillimetre(const QString& millimetres)
{
    const TypedDecimal decimal = typedDecimal(millimetres);
    const qint64 whole = decimal.digits.size() + decimal.exponent + 1;
    if (decimal.digits.isEmpty() || whole <= 0)
        return 0;
    // More than ten digits is beyond any int: clamped, as every conversion of the machine is.
    constexpr qint64 kDigitsOfInt = 10;
    if (whole > kDigitsOfInt)
        return decimal.negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    const QString integer = decimal.digits.left(whole).leftJustified(whole, u'0');
    const long double tenths = integer.toLongLong();
    return truncToInt(decimal.negative ? -tenths : tenths);
}

double doubleTenthsOfMillimetre(const QString& millimetres)
{
    const TypedDecimal decimal = typedDecimal(millimetres);
    if (decimal.digits.isEmpty())
        return 0.0;
    const QString tenths = QStringLiteral("%1%2e%3")
                               .arg(decimal.negative ? QStringLiteral("-") : QString(), decimal.digits)
                               .arg(decimal.exponent + 1);
    return tenths.toDouble();
}

float floatTenthsOfMillimetre(const QString& millimetres)
{
    // A float holds no more than about 3.4e38: beyond it the value is clamped, not converted.
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(doubleTenthsOfMillimetre(millimetres), -kLargest, kLargest));
}

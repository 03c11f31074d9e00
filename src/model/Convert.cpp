#include "model/Convert.h"

#include "model/ConversionError.h"

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
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
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
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

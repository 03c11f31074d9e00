#include "model/NumberFormat.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <cstdio>

QString floatToStr(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits as d.dddddddddddddde±x, then laid out by the exponent.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(u'e');
    const bool negative = text.startsWith(u'-');
    QString digits = text.mid(negative ? 1 : 0, e - (negative ? 1 : 0)).remove(u'.');
    const int exponent = text.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString result;
    if (std::fabs(value) < 0.00001 || exponent >= 15) {
        result = digits.left(1);
        if (digits.size() > 1)
            result += u'.' + digits.mid(1);
        result += u'E' + QString::number(exponent);
    } else if (exponent < 0) {
        result = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        result = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        result = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return negative ? u'-' + result : result;
}

QString formatG(double value)
{
    return QString::asprintf("%g", value);
}

QString millimetreText(double tenths)
{
    return floatToStr(tenths / 10);
}

QString fixedDecimals(double value, int decimals)
{
    const QString text = QString::number(value, 'f', decimals);
    return text.toDouble() == 0 ? QString::number(0.0, 'f', decimals) : text;
}

QString floatMillimetreText(float tenths)
{
    if (!std::isfinite(tenths))
        return floatToStr(tenths);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, tenths);
    const double shortest = QByteArray(buffer, result.ptr - buffer).toDouble();
    return millimetreText(shortest);
}

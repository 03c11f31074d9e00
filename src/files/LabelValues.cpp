#include "files/LabelValues.h"

#include "files/FileText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/NumberFormat.h"

#include <cmath>
#include <limits>

namespace {

[[noreturn]] void doesNotFit(const QString& text, const char* what)
{
    throw ConversionError(FileText::tr("“%1”超出 %2 的范围").arg(text, QLatin1StringView(what)));
}

} // namespace

QString formatValue(int value, ValueForm)
{
    return QString::number(value);
}

QString formatValue(bool value, ValueForm)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString formatValue(float value, ValueForm form)
{
    return form == ValueForm::ShortReal ? formatG(value) : floatToStr(value);
}

QString formatValue(double value, ValueForm form)
{
    return form == ValueForm::ShortReal ? formatG(value) : floatToStr(value);
}

QString formatValue(const QString& value, ValueForm form)
{
    return form == ValueForm::StarredText ? u'*' + value + u'*' : value;
}

void parseValue(const QString& text, ValueForm form, int& value)
{
    if (form != ValueForm::TruncatedInteger) {
        value = strToInt(text);
        return;
    }
    const double number = strToFloat(text);
    // Only numbers whose truncation is a 32-bit integer fit; clamping would change the label.
    if (number <= std::numeric_limits<int>::min() - 1.0 || number >= std::numeric_limits<int>::max() + 1.0)
        doesNotFit(text, "an integer");
    value = truncToInt(number);
}

void parseValue(const QString& text, ValueForm, bool& value)
{
    value = strToInt(text) != 0;
}

void parseValue(const QString& text, ValueForm, float& value)
{
    const double number = strToFloat(text);
    if (std::fabs(number) > std::numeric_limits<float>::max())
        doesNotFit(text, "a single-precision number");
    value = static_cast<float>(number);
}

void parseValue(const QString& text, ValueForm, double& value)
{
    value = strToFloat(text);
}

void parseValue(const QString& text, ValueForm form, QString& value)
{
    value = form == ValueForm::StarredText ? text.mid(1, std::max<qsizetype>(0, text.size() - 2)) : text;
}

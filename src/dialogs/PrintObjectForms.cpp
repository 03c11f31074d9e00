#include "dialogs/PrintObjectForms.h"

#include "data/Tdm.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/JobSettings.h"

#include <QCoreApplication>

namespace {

class PrintObjectText {
    Q_DECLARE_TR_FUNCTIONS(PrintObjectForms)
};

} // namespace

QStringList directionEntries()
{
    return {PrintObjectText::tr("0度"), PrintObjectText::tr("90度"), PrintObjectText::tr("180度"),
            PrintObjectText::tr("270度")};
}

QStringList scaleFactorEntries()
{
    return {QStringLiteral("0.7"), QStringLiteral("0.8"), QStringLiteral("0.9"), QStringLiteral("1"),
            QStringLiteral("1.1"), QStringLiteral("1.2"), QStringLiteral("1.3"), QStringLiteral("1.4"),
            QStringLiteral("1.5")};
}

QStringList fontSizeEntries()
{
    return {QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
            QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
            QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
            QStringLiteral("28"), QStringLiteral("30"), QStringLiteral("32"), QStringLiteral("36"),
            QStringLiteral("48"), QStringLiteral("72")};
}

std::optional<int> sampleFontSize(const QString& text)
{
    const std::optional<int> size = typedInteger(text);
    if (!size || *size < 1 || *size > kLargestSampleSize)
        return std::nullopt;
    return size;
}

QFont sampleFont(const FontSample& sample)
{
    QFont font(sample.name);
    font.setPointSize(sample.size);
    font.setBold(sample.bold);
    font.setItalic(sample.italic);
    font.setUnderline(sample.underLine);
    font.setStrikeOut(sample.strikeOut);
    return font;
}

std::optional<QStringList> recordColumnChoices(const JobSettings& settings)
{
    if (settings.dbName.isEmpty() || settings.tableName.isEmpty())
        return std::nullopt;
    QStringList columns;
    dm().ListFields(settings.dbName, settings.tableName, columns);
    return columns;
}

QString setUpDataSourceFirstMessage()
{
    return PrintObjectText::tr("请先进行数据库设置！");
}

// Through the same conversions the add operations use, so that a number the check lets
// through never fails later.
std::optional<double> typedNumber(const QString& text)
{
    try {
        return strToFloat(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::optional<int> typedInteger(const QString& text)
{
    try {
        return strToInt(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

QString symbolPositionProblem(const QString& left, const QString& top)
{
    const std::optional<double> x = typedNumber(left);
    if (!x || *x < 0)
        return PrintObjectText::tr("横坐标必须输入正数！");
    const std::optional<double> y = typedNumber(top);
    if (!y || *y < 0)
        return PrintObjectText::tr("纵坐标必须输入正数！");
    return {};
}

#include "dialogs/PrintBarForm.h"

#include "model/Convert.h"
#include "model/TextCodec.h"
#include "view/TobjectAnchoredAdd.h"

#include <QCoreApplication>

namespace {

class PrintBarText {
    Q_DECLARE_TR_FUNCTIONS(TfrmPrintBar)
};

struct NumberField {
    const QString& text;
    const char* message;
};

} // namespace

QStringList barTypeEntries()
{
    return {QStringLiteral("CODE128(with auto code)"), QStringLiteral("CODE128(without auto code)"),
            QStringLiteral("CODE93"),                  QStringLiteral("EAN8"),
            QStringLiteral("EAN13"),                   QStringLiteral("UPC-A"),
            QStringLiteral("UPC-E"),                   QStringLiteral("ITF25"),
            QStringLiteral("CODE39(standard)"),        QStringLiteral("CODE39(full ASCII)")};
}

QStringList barWidthEntries()
{
    QStringList entries;
    for (int width = 1; width <= 15; ++width)
        entries.append(QString::number(width));
    return entries;
}

QStringList wideBarRatioEntries()
{
    return {QStringLiteral("2:1"), QStringLiteral("3:1"), QStringLiteral("5:2")};
}

QStringList displayCodeEntries()
{
    return {PrintBarText::tr("不显示条码字符"), PrintBarText::tr("打印机自动生成"), PrintBarText::tr("由软件设置生成")};
}

QStringList alignModeEntries()
{
    return {PrintBarText::tr("居左"), PrintBarText::tr("居右"), PrintBarText::tr("居中"), PrintBarText::tr("两端对齐")};
}

int wideBarWidth(int barWidth, int ratioIndex)
{
    const qint64 narrow = barWidth;
    switch (ratioIndex) {
    case 0:
        return truncToInt(narrow * 2);
    case 1:
        return truncToInt(narrow * 3);
    default:
        return truncToInt(narrow * 5 / 2);
    }
}

void presetPrintBar(PrintBarForm& form)
{
    form.left = form.top = QStringLiteral("0");
    form.record = {};
    form.displayCode = 2;
}

QString printBarProblem(const PrintBarForm& form)
{
    if (form.barValue.isEmpty())
        return PrintBarText::tr("条码字符不能为空！");
    if (form.barWidth.isEmpty())
        return PrintBarText::tr("条码宽度不能为空！");
    if (form.barHeight.isEmpty())
        return PrintBarText::tr("条码高度不能为空！");
    if (form.selfAdd.isEmpty())
        return PrintBarText::tr("自增不能为空！");
    // The printer adds the check digit of an EAN-13 symbol itself.
    if (form.barType.toUpper() == u"EAN13" && gbk::byteLength(form.barValue) != 12)
        return PrintBarText::tr("EAN13条码字符长度必须等于12位！");
    const QString position = symbolPositionProblem(form.left, form.top);
    if (!position.isEmpty())
        return position;
    const std::optional<double> height = typedNumber(form.barHeight);
    if (!height)
        return PrintBarText::tr("条码高度必须输入数值！");
    if (*height < 0)
        return PrintBarText::tr("条码高度必须输入正数！");
    if (!typedInteger(form.selfAdd))
        return PrintBarText::tr("自增必须输入整数！");
    // The bar width comes from a fixed list; a width from elsewhere is checked all the same,
    // so that the add never stops half way.
    const std::optional<int> barWidth = typedInteger(form.barWidth);
    if (!barWidth || *barWidth < 1)
        return PrintBarText::tr("条码宽度必须输入正整数！");
    const NumberField numbers[] = {
        {form.strGap, QT_TRANSLATE_NOOP("TfrmPrintBar", "字间距必须输入数值！")},
        {form.widthFactor, QT_TRANSLATE_NOOP("TfrmPrintBar", "宽度缩放必须输入数值！")},
        {form.heightFactor, QT_TRANSLATE_NOOP("TfrmPrintBar", "高度缩放必须输入数值！")},
        {form.xOffset, QT_TRANSLATE_NOOP("TfrmPrintBar", "水平偏移必须输入数值！")},
        {form.yOffset, QT_TRANSLATE_NOOP("TfrmPrintBar", "垂直偏移必须输入数值！")},
    };
    for (const NumberField& field : numbers) {
        if (!typedNumber(field.text))
            return PrintBarText::tr(field.message);
    }
    return {};
}

void addPrintBar(const PrintBarForm& form, Tobject& document)
{
    const int left = tenthsOfMillimetre(form.left);
    const int top = tenthsOfMillimetre(form.top);
    const int barWidth = strToInt(form.barWidth);
    const int barHeight = tenthsOfMillimetre(form.barHeight);
    const int selfAdd = strToInt(form.selfAdd);
    const auto strGap = static_cast<float>(strToFloat(form.strGap));
    const auto widthFactor = static_cast<float>(strToFloat(form.widthFactor));
    const auto heightFactor = static_cast<float>(strToFloat(form.heightFactor));
    const auto xOffset = static_cast<float>(strToFloat(form.xOffset));
    const auto yOffset = static_cast<float>(strToFloat(form.yOffset));
    const FontSample& font = form.font;
    AddPrintBar(document, form.name, left, top, form.direction, form.barType, barWidth,
                wideBarWidth(barWidth, form.wideBarRatio), barHeight, selfAdd, form.barValue,
                form.displayCode, form.record.stored(), font.name, font.size, font.bold, font.italic,
                font.underLine, font.strikeOut, strGap, widthFactor, heightFactor, form.alignMode,
                form.if39Star ? 1 : 0, xOffset, yOffset, form.beginStr, form.endStr);
}

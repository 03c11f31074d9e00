#include "dialogs/PrintStringForm.h"

#include "job/DateStyle.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "view/TobjectAnchoredAdd.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TfrmPrintString", text);
}

// The grid in model units, every field converted.
struct TextGrid {
    int left = 0;
    int top = 0;
    int rows = 0;
    int columns = 0;
    int rowPitch = 0;
    int columnPitch = 0;
};

} // namespace

QStringList recordTypeEntries()
{
    return {tr("文本"), tr("日期")};
}

QStringList dateStyleEntries()
{
    // The list shows each style applied to one sample day, so it can never disagree with
    // what the printed label shows.
    const QDateTime sample(QDate(2011, 3, 24), QTime());
    QStringList entries;
    for (int style = 0; style < kDateStyleCount; ++style)
        entries.append(formatDateStyle(sample, style, QStringLiteral("/")));
    return entries;
}

void presetPrintStringForm(PrintStringForm& form)
{
    form.left = form.top = QStringLiteral("0");
    form.str = QStringLiteral("12345678");
    form.rows = form.columns = QStringLiteral("1");
    form.record = {};
}

FormProblem printStringProblem(const PrintStringForm& form, int labelWidth, int labelHeight)
{
    if (form.str.trimmed().isEmpty())
        return {tr("字符不能为空！"), {}};
    try {
        TextGrid grid;
        grid.left = tenthsOfMillimetre(form.left);
        if (grid.left < 0)
            return {tr("横坐标必须大于0！"), {}};
        grid.top = tenthsOfMillimetre(form.top);
        if (grid.top < 0)
            return {tr("纵坐标必须大于0！"), {}};
        grid.columnPitch = tenthsOfMillimetre(form.columnPitch);
        if (grid.columnPitch < 0)
            return {tr("水平间距必须大于等于0！"), {}};
        grid.rowPitch = tenthsOfMillimetre(form.rowPitch);
        if (grid.rowPitch < 0)
            return {tr("垂直间距必须大于等于0！"), {}};
        grid.rows = strToInt(form.rows);
        if (grid.rows <= 0)
            return {tr("行数必须大于0！"), {}};
        grid.columns = strToInt(form.columns);
        if (grid.columns <= 0)
            return {tr("列数必须大于0！"), {}};
        if (qint64(grid.rows) * grid.columns > kMostGridObjects)
            return {gridTooLargeMessage(), {}};
        // Wide sums: a count or pitch typed by mistake must be refused, not wrap around.
        if (qint64(grid.columns - 1) * grid.columnPitch + grid.left >= labelWidth)
            return {tr("设置的横向距离大于标签宽度！"), {}};
        if (qint64(grid.rows - 1) * grid.rowPitch + grid.top >= labelHeight)
            return {tr("设置的纵向距离大于标签高度！"), {}};
        strToInt(form.serial);
        strToFloat(form.widthFactor);
        strToFloat(form.heightFactor);
    } catch (const ConversionError&) {
        return {tr("序列必须输入整数！"), QStringLiteral("cmbSerial")};
    }
    if (!typedNumber(form.strGap))
        return {tr("字间距必须输入数值！"), QStringLiteral("txtStrGap")};
    return {};
}

void applyPrintString(const PrintStringForm& form, Tobject& document, const QPaintDevice& surface)
{
    const TextGrid grid{tenthsOfMillimetre(form.left),    tenthsOfMillimetre(form.top),
                        strToInt(form.rows),              strToInt(form.columns),
                        tenthsOfMillimetre(form.rowPitch), tenthsOfMillimetre(form.columnPitch)};
    const int charExtra = truncToInt(strToFloat(form.strGap));
    const int serial = strToInt(form.serial);
    const auto widthFactor = static_cast<float>(strToFloat(form.widthFactor));
    const auto heightFactor = static_cast<float>(strToFloat(form.heightFactor));
    const FontSample& font = form.font;
    AddPrintStrings(document, form.name, grid.left, grid.top, grid.rows, grid.columns, grid.rowPitch,
                    grid.columnPitch, form.str, form.direction, font.name, static_cast<float>(font.size),
                    font.bold, font.italic, font.underLine, font.strikeOut, charExtra, surface, serial,
                    widthFactor, heightFactor, form.record.stored(), form.DBType, form.DBDateStyle);
}

#include "dialogs/PrintStringForm.h"

#include "dialogs/BoxForm.h"
#include "job/DateStyle.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "view/TobjectAnchoredAdd.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

class PrintStringText {
    Q_DECLARE_TR_FUNCTIONS(TfrmPrintString)
};

// A text is placed like a box of no size whose gaps are the pitches between the anchors.
// A field that is no number raises ConversionError.
BoxValues textGrid(const PrintStringForm& form)
{
    return boxValues({form.left, form.top, QStringLiteral("0"), QStringLiteral("0"), form.copies});
}

} // namespace

QStringList recordTypeEntries()
{
    return {QString::fromUtf8(QT_TRANSLATE_NOOP("TfrmPrintString", "文本")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("TfrmPrintString", "日期"))};
}

QString recordTypeCaption(const QString& type)
{
    return PrintStringText::tr(type.toUtf8().constData());
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

void presetPrintString(PrintStringForm& form)
{
    form.left = form.top = QStringLiteral("0");
    form.str = QStringLiteral("12345678");
    form.copies.rows = form.copies.columns = QStringLiteral("1");
    form.copies.countsEnabled = true;
    form.copies.columnGapEnabled = form.copies.rowGapEnabled = false;
    form.record = {};
}

FormProblem printStringProblem(const PrintStringForm& form, const LabelSettings& label)
{
    if (form.str.trimmed().isEmpty())
        return {PrintStringText::tr("字符不能为空！"), {}};
    try {
        const BoxValues grid = textGrid(form);
        if (grid.left < 0)
            return {PrintStringText::tr("横坐标必须大于0！"), {}};
        if (grid.top < 0)
            return {PrintStringText::tr("纵坐标必须大于0！"), {}};
        if (grid.columnGap < 0)
            return {PrintStringText::tr("水平间距必须大于等于0！"), {}};
        if (grid.rowGap < 0)
            return {PrintStringText::tr("垂直间距必须大于等于0！"), {}};
        const QString counts = gridCountProblem(grid.rows, grid.columns);
        if (!counts.isEmpty())
            return {counts, {}};
        // Only the anchors count, and the last one must stay off the label's far edges.
        const QString fit = fitProblem(grid, FitEdge::ReachingEdge, label.Width, label.Height);
        if (!fit.isEmpty())
            return {fit, {}};
        strToInt(form.serial);
        strToFloat(form.widthFactor);
        strToFloat(form.heightFactor);
    } catch (const ConversionError&) {
        return {PrintStringText::tr("序列必须输入整数！"), QStringLiteral("cmbSerial")};
    }
    if (!typedNumber(form.strGap))
        return {PrintStringText::tr("字间距必须输入数值！"), QStringLiteral("txtStrGap")};
    return {};
}

void addPrintStrings(const PrintStringForm& form, Tobject& document, const QPaintDevice& surface)
{
    const BoxValues grid = textGrid(form);
    const int charExtra = truncToInt(strToFloat(form.strGap));
    const int serial = strToInt(form.serial);
    const auto widthFactor = static_cast<float>(strToFloat(form.widthFactor));
    const auto heightFactor = static_cast<float>(strToFloat(form.heightFactor));
    const FontSample& font = form.font;
    AddPrintStrings(document, form.name, grid.left, grid.top, grid.rows, grid.columns, grid.rowGap,
                    grid.columnGap, form.str, form.direction, font.name, static_cast<float>(font.size),
                    font.bold, font.italic, font.underLine, font.strikeOut, charExtra, surface, serial,
                    widthFactor, heightFactor, form.record.stored(), form.DBType, form.DBDateStyle);
}

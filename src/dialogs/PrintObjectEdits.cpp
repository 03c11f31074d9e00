#include "dialogs/PrintObjectEdits.h"

#include "dialogs/ObjectEdit.h"
#include "model/Convert.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

namespace {

RecordColumn recordColumnOf(const Tshape& shape)
{
    return {!shape.DBField.isEmpty(), shape.DBField};
}

FontSample fontOf(const Tshape& shape, int size)
{
    return {shape.fontName, size, shape.bold != 0, shape.italic != 0, shape.underLine != 0, shape.strikeOut != 0};
}

// What every text and symbol dialog shows of where the object is and what it is called.
template <typename Form>
void fillAnchor(Form& form, const Tshape& shape)
{
    form.name = shape.name;
    form.left = millimetreText(shape.printLeft);
    form.top = millimetreText(shape.printTop);
    form.direction = shape.direction;
    form.record = recordColumnOf(shape);
}

QString threeDecimals(float value)
{
    return fixedDecimals(value, 3);
}

// As the serial list shows a step: "+1" for a step up.
QString serialText(int step)
{
    return step > 0 ? QStringLiteral("+%1").arg(step) : QString::number(step);
}

int wideBarRatioIndex(int barWidth, int wideBarWidth)
{
    const double ratio = barWidth != 0 ? static_cast<double>(wideBarWidth) / barWidth : 0;
    if (ratio > 2 && ratio < 3)
        return 2;
    return ratio == 3 ? 1 : 0;
}

QString barTypeEntry(const QString& barType)
{
    for (const QString& entry : barTypeEntries()) {
        if (entry.compare(barType, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return barType;
}

} // namespace

void fillPrintStringEdit(PrintStringForm& form, const Tshape& shape)
{
    fillAnchor(form, shape);
    form.str = shape.str;
    form.font = fontOf(shape, shape.printSize);
    form.strGap = threeDecimals(shape.strGap);
    form.copies = singleCopy();
    form.widthFactor = threeDecimals(shape.widthFactor);
    form.heightFactor = threeDecimals(shape.heightFactor);
    form.serial = serialText(shape.serialNo);
    if (!shape.DBType.isEmpty())
        form.DBType = shape.DBType;
    form.DBDateStyle = shape.DBDateStyle;
}

void writePrintStringEdit(const PrintStringForm& form, Tshape& shape, const Tobject& document,
                          const QPaintDevice& surface)
{
    PrintStringForm one = form;
    one.copies.columns = one.copies.rows = QStringLiteral("1");
    const auto gap = static_cast<float>(strToFloat(form.strGap));
    replaceAsCreated(shape, document, [&](Tobject& label) { addPrintStrings(one, label, surface); });
    shape.strGap = gap;
}

void fillPrintBarEdit(PrintBarForm& form, const Tshape& shape)
{
    fillAnchor(form, shape);
    form.barType = barTypeEntry(shape.barType);
    form.barWidth = QString::number(shape.barWidth);
    form.barValue = shape.barValue;
    form.wideBarRatio = wideBarRatioIndex(shape.barWidth, shape.wideBarWidth);
    form.barHeight = millimetreText(shape.barHeight);
    form.displayCode = shape.displayCode;
    form.selfAdd = QString::number(shape.selfAdd);
    form.beginStr = shape.beginStr;
    form.endStr = shape.endStr;
    form.font = fontOf(shape, truncToInt(shape.fontSize));
    form.strGap = threeDecimals(shape.strGap);
    form.widthFactor = threeDecimals(shape.widthFactor);
    form.heightFactor = threeDecimals(shape.heightFactor);
    form.alignMode = shape.alignMode;
    form.if39Star = shape.if39Star != 0;
    form.xOffset = fixedDecimals(shape.xOffset, 1);
    form.yOffset = fixedDecimals(shape.yOffset, 1);
}

void writePrintBarEdit(const PrintBarForm& form, Tshape& shape, const Tobject& document)
{
    replaceAsCreated(shape, document, [&](Tobject& label) { addPrintBar(form, label); });
}

void fillPrintQRBarEdit(PrintQRBarForm& form, const Tshape& shape)
{
    fillAnchor(form, shape);
    form.barWidth = QString::number(shape.barWidth);
    form.barLevel = shape.barLevel;
    form.barValue = shape.barValue;
}

void writePrintQRBarEdit(const PrintQRBarForm& form, Tshape& shape, const Tobject& document)
{
    replaceAsCreated(shape, document, [&](Tobject& label) { addPrintQRBar(form, label); });
}

void fillPrintDataMatrixEdit(PrintDataMatrixForm& form, const Tshape& shape)
{
    fillAnchor(form, shape);
    form.barWidth = QString::number(shape.barWidth);
    form.barValue = shape.barValue;
}

void writePrintDataMatrixEdit(const PrintDataMatrixForm& form, Tshape& shape, const Tobject& document)
{
    replaceAsCreated(shape, document, [&](Tobject& label) { addPrintDataMatrix(form, label); });
}

void fillPrintPdf417BarEdit(PrintPdf417BarForm& form, const Tshape& shape)
{
    fillAnchor(form, shape);
    form.barWidth = shape.barWidth;
    form.barHeight = QString::number(shape.barHeight);
    form.barColumn = shape.barColumn;
    form.barLevel = shape.barLevel;
    form.barValue = shape.barValue;
}

void writePrintPdf417BarEdit(const PrintPdf417BarForm& form, Tshape& shape, const Tobject& document)
{
    replaceAsCreated(shape, document, [&](Tobject& label) { addPrintPdf417Bar(form, label); });
}

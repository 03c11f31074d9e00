#include "job/VariableData.h"

#include "job/JobText.h"
#include "job/RecordFields.h"
#include "model/ConversionError.h"
#include "view/BarcodeTables.h"

namespace {

const QString kDateType = QStringLiteral("日期");

QString recordDate(const RecordFields& record, const QString& column, int style,
                   const QString& dateSeparator)
{
    const QDateTime value = record.dateTime(column);
    if (!value.isValid())
        throw ConversionError(JobText::tr("字段“%1”不是有效的日期").arg(column));
    return formatDateStyle(value, style, dateSeparator);
}

} // namespace

QString textValue(const Tshape& shape, const RecordFields* record, const QString& dateSeparator)
{
    if (!record || shape.DBField.trimmed().isEmpty())
        return shape.str;
    const QString text = record->text(shape.DBField);
    if (shape.DBType == kDateType && !dateStylePattern(shape.DBDateStyle).isEmpty())
        return recordDate(*record, shape.DBField, shape.DBDateStyle, dateSeparator);
    return text;
}

QString symbolValue(const Tshape& shape, const RecordFields* record)
{
    if (!record || shape.DBField.isEmpty())
        return shape.barValue;
    return record->text(shape.DBField);
}

QString symbolData(const Tshape& shape, const RecordFields* record)
{
    const QString value = symbolValue(shape, record);
    if (shape.kind() != ShapeKind::PrintBar)
        return value;
    return shape.beginStr + value + shape.endStr;
}

QString humanReadableLine(const Tshape& shape, const RecordFields* record)
{
    const QString data = symbolData(shape, record);
    if (shape.if39Star == 1 && isCode39(shape.barType))
        return u'*' + data + u'*';
    return data;
}

QString printValue(const Tshape& shape, const RecordFields* record, const QString& dateSeparator)
{
    switch (shape.kind()) {
    case ShapeKind::PrintString:
        return textValue(shape, record, dateSeparator);
    case ShapeKind::PrintBar:
    case ShapeKind::PrintQRBar:
    case ShapeKind::PrintDataMatrix:
    case ShapeKind::PrintPdf417Bar:
        return symbolData(shape, record);
    default:
        return {};
    }
}

#include "app/cli/CliRecord.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliText.h"
#include "data/InRange.h"
#include "data/Tdm.h"
#include "job/VariableData.h"

#include <limits>

CliSheet::CliSheet(const QString& workbook, const QString& sheet)
    : m_name(sheet)
    , m_record(dm())
{
    checkInputFile(workbook);
    about(workbook, kExitNotStarted, [&] { dm().openQuery(workbook, sheet); });
}

CliSheet::~CliSheet()
{
    dm().close();
}

int CliSheet::recordCount() const
{
    return dm().recordCount();
}

void CliSheet::moveTo(int record)
{
    dm().moveTo(record);
}

void CliSheet::checkValues(const ShapeList& objects, const QString& prefix) const
{
    try {
        for (const Tshape& shape : objects) {
            if (shape.ifPrint && !shape.isCut())
                printValue(shape, &m_record);
        }
    } catch (const MessageError& error) {
        throw CliFailure{kExitNotStarted, m_name, prefix + error.message()};
    }
}

void openChosenRecord(const CliArguments& arguments, std::optional<CliSheet>& sheet)
{
    if (!arguments.together({"workbook", "sheet", "record"}))
        return;
    const QString text = *arguments.value("record");
    if (!wholeNumberIn(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()))
        throw arguments.badValue("record", CliText::tr("“%1”不是整数").arg(text));
    sheet.emplace(*arguments.value("workbook"), *arguments.value("sheet"));
    const int count = sheet->recordCount();
    const std::optional<int> record = wholeNumberIn(text, 1, count);
    if (!record) {
        throw arguments.badValue("record", CliText::tr("工作表“%1”没有第 %2 条记录（共 %3 条）。")
                                               .arg(sheet->name(), text.trimmed())
                                               .arg(count));
    }
    sheet->moveTo(*record);
}

QList<int> selectedRecords(const QString& option, const QString& range, int count, const QString& sheet)
{
    QList<int> selected;
    try {
        for (int record = 1; record <= count; ++record) {
            if (InRange(record, range))
                selected.append(record);
        }
    } catch (const MessageError& error) {
        throw CliFailure{kExitNotStarted, option, CliText::tr("“%1”不是记录范围：%2").arg(range, error.message())};
    }
    if (selected.isEmpty()) {
        throw CliFailure{kExitNotStarted, option,
                         CliText::tr("“%1”在工作表“%2”的 %3 条记录中一条也没有选中").arg(range, sheet).arg(count)};
    }
    return selected;
}

void fillFromRecord(ShapeList& objects, const RecordFields& record)
{
    for (Tshape& shape : objects) {
        switch (shape.kind()) {
        case ShapeKind::PrintString:
            shape.str = textValue(shape, &record);
            break;
        case ShapeKind::PrintBar:
        case ShapeKind::PrintQRBar:
        case ShapeKind::PrintDataMatrix:
        case ShapeKind::PrintPdf417Bar:
            shape.barValue = symbolValue(shape, &record);
            break;
        default:
            break;
        }
    }
}

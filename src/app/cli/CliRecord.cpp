#include "app/cli/CliRecord.h"

#include "data/Tdm.h"
#include "model/MessageError.h"

void openRecord(Tdm& data, const QString& workbook, const QString& sheet, int record)
{
    data.openQuery(workbook, sheet);
    if (record < 1 || record > data.recordCount())
        throw MessageError(QStringLiteral("工作表“%1”没有第 %2 条记录（共 %3 条）。")
                               .arg(sheet)
                               .arg(record)
                               .arg(data.recordCount()));
    data.moveTo(record);
}

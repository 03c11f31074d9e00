#include "app/cli/CliArguments.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "data/Tdm.h"

// marlune-cli records BOOK SHEET [--range R]: one record a line, its number first, then
// its values as text; with a range only the records a job with that range would visit.
int runRecords(const CliArguments& arguments)
{
    const CliSheet sheet(arguments.argument(0), arguments.argument(1));
    const SheetTable& table = *dm().table();
    QList<int> selected;
    // A malformed range, or one that selects nothing, fails before the first line, so a
    // script never sees half a list.
    if (const std::optional<QString> range = arguments.value("range")) {
        selected = selectedRecords(QStringLiteral("--range"), *range, sheet.recordCount(), sheet.name());
    } else {
        for (int record = 1; record <= sheet.recordCount(); ++record)
            selected.append(record);
    }
    const qsizetype columns = table.fieldNames.size();
    QStringList line;
    for (const int record : selected) {
        line.clear();
        line.append(QString::number(record));
        for (int column = 0; column < columns; ++column)
            line.append(table.cell(record - 1, column).displayText());
        writeLine(line);
    }
    return kExitDone;
}

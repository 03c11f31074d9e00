#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"
#include "data/InRange.h"
#include "data/Tdm.h"

// marlune-cli records BOOK SHEET [--range R]: one record a line, its number first, then
// its values as text; with a range only the records a job with that range would visit.
int runRecords(const QStringList& args)
{
    QStringList positional;
    QString range;
    bool hasRange = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--range" && i + 1 < args.size()) {
            range = args[++i];
            hasRange = true;
        } else {
            positional.append(args[i]);
        }
    }
    if (positional.size() != 2)
        return usageError("records BOOK SHEET [--range R]");

    Tdm& data = dm();
    data.openQuery(positional[0], positional[1]);
    const SheetTable& table = *data.table();
    // A malformed range fails before the first line, so a script never sees half a list.
    QList<int> selected;
    for (int record = 0; record < table.records.size(); ++record) {
        if (!hasRange || InRange(record + 1, range))
            selected.append(record);
    }
    const qsizetype columns = table.fieldNames.size();
    QStringList line;
    for (const int record : selected) {
        line.clear();
        line.append(QString::number(record + 1));
        for (int column = 0; column < columns; ++column)
            line.append(table.cell(record, column).displayText());
        writeLine(line);
    }
    data.close();
    return 0;
}

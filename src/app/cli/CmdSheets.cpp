#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"
#include "data/ConnectionString.h"
#include "data/Workbook.h"

// marlune-cli sheets BOOK: the workbook's sheet names, one a line.
int runSheets(const QStringList& args)
{
    if (args.size() != 1)
        return usageError("sheets BOOK");
    for (const QString& name : openWorkbook(connectionStringForFile(args[0]))->sheetNames())
        writeLine({name});
    return 0;
}

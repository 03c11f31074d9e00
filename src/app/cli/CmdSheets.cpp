#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliOutput.h"
#include "data/ConnectionString.h"
#include "data/Workbook.h"

// marlune-cli sheets BOOK: the workbook's sheet names, one a line.
int runSheets(const CliArguments& arguments)
{
    const QString book = arguments.argument(0);
    checkInputFile(book);
    const QStringList names =
        about(book, kExitNotStarted, [&] { return openWorkbook(connectionStringForFile(book))->sheetNames(); });
    for (const QString& name : names)
        writeLine({name});
    return kExitDone;
}

#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"
#include "data/Tdm.h"

// marlune-cli fields BOOK SHEET: the sheet's column names, one a line.
int runFields(const QStringList& args)
{
    if (args.size() != 2)
        return usageError("fields BOOK SHEET");
    dm().openQuery(args[0], args[1]);
    for (const QString& name : dm().fieldNames())
        writeLine({name});
    dm().close();
    return 0;
}

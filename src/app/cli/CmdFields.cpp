#include "app/cli/CliArguments.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "data/Tdm.h"

// marlune-cli fields BOOK SHEET: the sheet's column names, one a line.
int runFields(const CliArguments& arguments)
{
    const CliSheet sheet(arguments.argument(0), arguments.argument(1));
    for (const QString& name : dm().fieldNames())
        writeLine({name});
    return kExitDone;
}

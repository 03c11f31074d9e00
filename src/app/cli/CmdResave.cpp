#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliLabel.h"

// marlune-cli resave LABEL.xml -o OUT.xml: the label written again as the program saves it.
// A label read only in part is not written: the copy would silently lose the rest.
int runResave(const CliArguments& arguments)
{
    const QString output = arguments.required("output");
    checkOutputFile(output);
    CliLabel label;
    readWholeLabel(arguments, label);
    about(output, kExitNotStarted, [&] { SaveLabel(output, label.document, label.label, label.job); });
    return kExitDone;
}

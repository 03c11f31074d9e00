#include "app/cli/CliArguments.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "files/LabelJson.h"

#include <cstdio>

// marlune-cli dump LABEL.xml: the label as one line of JSON. A label read only in part is
// listed as far as it was read, "complete" false, and stderr says where reading stopped.
int runDump(const CliArguments& arguments)
{
    CliLabel label;
    const LabelLoadResult result = readCliLabel(arguments, label);
    if (!result.complete)
        writeCommandLine(QStringLiteral("dump"), arguments.argument(0), partlyReadReason(result));
    const QByteArray json = labelToJson(result.complete, label.label, label.job, label.document.objects) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kExitDone;
}

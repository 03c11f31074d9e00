#include "app/cli/CliCommand.h"
#include "files/LabelFile.h"
#include "files/LabelJson.h"

#include <cstdio>

int runDump(const QStringList& arguments)
{
    if (arguments.size() != 1) {
        std::fprintf(stderr, "marlune-cli dump: expected LABEL.xml\n");
        return 1;
    }
    Tobject document;
    LabelSettings label;
    JobSettings job;
    const LabelLoadResult result = LoadLabel(arguments.first(), {document, label, job}, nullptr);
    if (!result.fileFound)
        return 1;
    if (!result.complete)
        std::fprintf(stderr, "marlune-cli dump: %s\n", qUtf8Printable(result.objectStop.describe()));
    const QByteArray json = labelToJson(result.complete, label, job, document.objects) + '\n';
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}

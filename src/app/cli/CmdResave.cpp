#include "app/cli/CliCommand.h"
#include "files/LabelFile.h"

#include <cstdio>

int runResave(const QStringList& arguments)
{
    if (arguments.size() != 3 || arguments.at(1) != u"-o") {
        std::fprintf(stderr, "marlune-cli resave: expected LABEL.xml -o OUT.xml\n");
        return 1;
    }
    Tobject document;
    LabelSettings label;
    JobSettings job;
    const LabelLoadResult result = LoadLabel(arguments.at(0), {document, label, job}, nullptr);
    if (!result.fileFound)
        return 1;
    // Saving a label read only in part would silently drop the rest of the file.
    if (!result.complete) {
        std::fprintf(stderr, "marlune-cli resave: %s; nothing written\n",
                     qUtf8Printable(result.objectStop.describe()));
        return 1;
    }
    SaveLabel(arguments.at(2), document, label, job);
    return 0;
}

#include "app/cli/CliLabel.h"

#include <cstdio>

std::optional<QString> loadWholeLabel(const char* command, const QString& path, const LabelTarget& target)
{
    const LabelLoadResult result = LoadLabel(path, target, nullptr);
    if (!result.fileFound)
        return QStringLiteral("'%1' is no label file that exists").arg(path);
    if (!result.complete)
        return QStringLiteral("'%1': %2").arg(path, result.objectStop.describe());
    if (!result.settingsComplete) {
        std::fprintf(stderr, "marlune-cli %s: warning: %s\n", command,
                     qUtf8Printable(result.settingsStop.describe()));
    }
    return std::nullopt;
}

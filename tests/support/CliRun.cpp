#include "support/CliRun.h"

#include <QProcess>

namespace testing_support {

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(MARLUNE_BINARY_DIR "/bin/marlune-cli"), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace testing_support

#include "support/CliRun.h"

#include "support/TestApp.h"

#include <QProcess>
#include <QStandardPaths>

namespace testing_support {

void startCli(QProcess& process, const QStringList& arguments)
{
    // Without a runtime folder Qt warns on stderr first, where the tests read the tool's reason.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    process.setProcessEnvironment(environment);
    process.start(toolPath(QStringLiteral("marlune-cli")), arguments);
}

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    startCli(process, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace testing_support

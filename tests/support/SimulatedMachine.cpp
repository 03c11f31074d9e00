#include "support/SimulatedMachine.h"

#include "support/TestApp.h"

namespace testing_support {

SimulatedMachine::SimulatedMachine(const QStringList& options)
{
    m_process.start(toolPath(QStringLiteral("marlune-sim")),
                    QStringList{QStringLiteral("--cut-ms"), QStringLiteral("20")} + options);
    if (!m_process.waitForStarted())
        return;
    QStringList lines;
    const qsizetype expected = options.contains(QStringLiteral("--tcp")) ? 4 : 3;
    // Generous: a loaded or sanitized build may take seconds to start; ready lines end the wait.
    while (lines.size() < expected && m_process.waitForReadyRead(30000)) {
        while (m_process.canReadLine())
            lines << QString::fromUtf8(m_process.readLine()).trimmed();
    }
    for (const QString& line : lines) {
        const QString path = line.section(u'=', 1);
        if (line.startsWith(QStringLiteral("printer=")))
            m_printer = path;
        else if (line.startsWith(QStringLiteral("status=")))
            m_status = path;
        else if (line.startsWith(QStringLiteral("cutter=")))
            m_cutter = path;
        else if (line.startsWith(QStringLiteral("network=")))
            m_network = path;
    }
}

SimulatedMachine::~SimulatedMachine()
{
    m_process.terminate();
    m_process.waitForFinished(5000);
}

} // namespace testing_support

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

// marlune-sim as a process, as an operator without hardware runs it, answering quickly.
class SimulatedMachine {
public:
    explicit SimulatedMachine(const QStringList& options);
    ~SimulatedMachine();
    SimulatedMachine(const SimulatedMachine&) = delete;
    SimulatedMachine& operator=(const SimulatedMachine&) = delete;

    // The device paths of its ports, as it printed them at start-up; empty when the machine
    // did not start.
    QString printerPath() const { return m_printer; }
    QString statusPath() const { return m_status; }
    QString cutterPath() const { return m_cutter; }
    // The printer's network port name when started with --tcp, else empty.
    QString networkName() const { return m_network; }

    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    QString m_printer;
    QString m_status;
    QString m_cutter;
    QString m_network;
};

} // namespace testing_support

#pragma once

#include "ports/SerialLink.h"

// The status reader: watches the printer's status port during a print-and-cut cycle and
// turns the printer's report into the state the job runner acts on.
class TReadThread : public SerialLink {
    Q_OBJECT
public:
    explicit TReadThread(QObject* parent = nullptr);

    QByteArray received; // what arrived since the last classification
    int status = 0;      // 0 waiting, 1 printed correctly, 2 the printer reported something else

    // Opens portName for reading; on failure "打码机读串口时，打开通信端口错误!!" and the
    // reader stays closed, so status never leaves 0.
    void Configure(const QString& baudText);
    // Reads what has arrived; a report of 13 characters or more is classified and dropped.
    void Poll() override;
};

// The classification of one report: 1 printed ("4020000"), 0 an interim report
// ("4120001", "4120000") that changes nothing, 2 anything else.
int classifyStatusReport(const QByteArray& report);

#pragma once

#include "ports/SerialLink.h"

// What the printer reported on its status port.
enum class PrinterStatus {
    Waiting, // no report yet, or only interim ones ("4120001", "4120000")
    Printed, // "4020000": the label was printed correctly
    Fault,   // any other report: the cycle failed
};

// The status reader: watches the printer's status port during a print-and-cut cycle and
// turns the printer's report into the state the job runner acts on. A printer on the
// network reports over the connection that carried the label (adoptConnection).
class TReadThread : public SerialLink {
    Q_OBJECT
public:
    explicit TReadThread(QObject* parent = nullptr);

    QByteArray received; // what arrived since the last classification
    PrinterStatus status = PrinterStatus::Waiting;

    // Opens portName for reading; on failure "打码机读串口时，打开通信端口错误!!" and the
    // reader stays closed, so status stays Waiting.
    void Configure(const QString& baudText);
    // Reads what has arrived; a report of 13 characters or more is classified and dropped.
    void Poll() override;
    // Takes arrival as if it had just come over the line.
    void receive(const QByteArray& arrival);

protected:
    bool awaitsAnswer() const override { return status == PrinterStatus::Waiting; }
};

// The classification of one report; an interim report classifies as Waiting and changes
// nothing.
PrinterStatus classifyStatusReport(const QByteArray& report);

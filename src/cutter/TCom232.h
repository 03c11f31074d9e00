#pragma once

#include "ports/SerialLink.h"

// The cutter's reply as the link judges it.
enum class CutterStatus {
    Waiting,  // no judgement yet: fewer than five characters came
    Accepted, // the reply holds "{000}": the cutter accepted the job
    Rejected, // the cutter replied something else
};

// Tells the operator that the cutter's line did not take the whole of a command sent on its
// own (no reply is awaited for it); portName as the job window shows it.
void reportCommandNotSent(const QString& portName);

// The link to the cutting plotter: sends command text and judges the cutter's reply.
// Made fresh for one job or command and destroyed afterwards.
class TCom232 : public SerialLink {
    Q_OBJECT
public:
    explicit TCom232(QObject* parent = nullptr);

    QByteArray received; // every reply byte since Configure; never emptied while the link lives
    CutterStatus status = CutterStatus::Waiting;

    // Opens portName; on failure "雕刻时，打开通信端口错误!!" and the link stays closed
    // (writes go nowhere, polls do nothing).
    void Configure(const QString& baudText);
    // Returns whether the cutter's line took every byte (false on a closed link).
    bool Write(const QByteArray& text);
    // Reads what has arrived and judges the whole reply once it holds five characters.
    void Poll() override;
    // Judges arrival as if it had just come over the line.
    void receive(const QByteArray& arrival);
};

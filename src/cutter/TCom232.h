#pragma once

#include "ports/SerialLink.h"

// The link to the cutting plotter: sends command text and judges the cutter's reply.
// Made fresh for one job or command and destroyed afterwards.
class TCom232 : public SerialLink {
    Q_OBJECT
public:
    explicit TCom232(QObject* parent = nullptr);

    QByteArray received; // every reply byte since Configure; never emptied while the link lives
    int status = 0;      // 0 no judgement yet, 1 the cutter accepted the job, 2 it replied something else

    // Opens portName; on failure "雕刻时，打开通信端口错误!!" and the link stays closed
    // (writes go nowhere, polls do nothing).
    void Configure(const QString& baudText);
    void Write(const QByteArray& text);
    // Reads what has arrived and judges the whole reply once it holds five characters.
    void Poll() override;
};

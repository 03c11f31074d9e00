#pragma once

#include <QString>

#include <memory>

class QTcpSocket;

// The connection to a printer on the network ("tcp://HOST:PORT"): the label job's bytes go
// out over it and the printer's status echo comes back over it. Every wait keeps the
// program's events running, and none lasts long: a printer that cannot be reached, stops
// taking bytes or drops the connection ends the job with the reason, never a frozen window.
namespace network_line {

// How long a printer may take to accept the connection (the name lookup included).
inline constexpr int kConnectTimeoutMs = 5000;
// How long a printer may take no byte at all before the job gives the rest up.
inline constexpr int kStalledWriteMs = 10000;

// Connects to the printer the port name gives. Returns the open connection, or null with
// the operator's reason in *reason (no such host, refused, no answer in time, a malformed
// name).
std::unique_ptr<QTcpSocket> connect(const QString& portName, QString* reason,
                                    int timeoutMs = kConnectTimeoutMs);

// Waits until the printer has taken every byte written to the connection. False with the
// reason when it dropped the connection or took nothing for stalledMs.
bool drain(QTcpSocket& socket, QString* reason, int stalledMs = kStalledWriteMs);

// Ends the connection once what was written has left, within a short wait.
void close(QTcpSocket& socket);

// Why the connection failed, in the operator's words.
QString failure(const QTcpSocket& socket);

} // namespace network_line

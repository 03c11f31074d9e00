#pragma once

class QSerialPort;
class QString;

// Sets an open serial line to the baud rule and 8 data bits, no parity, one stop bit, no
// flow control. A pseudo-terminal refuses the modem-line controls; the rate and the frame
// still apply, so a refused control is cleared rather than taken as a failure.
void applyLineSettings(QSerialPort& port, const QString& baudText);

// A write to a port is complete when every byte has been handed to the driver. Whatever
// the driver cannot take at once is written as the line drains, with the program's events
// running meanwhile; a line that takes nothing for far longer than its baud rate needs
// (nobody reading a pseudo-terminal) gives the rest up instead of freezing the program.
// Returns whether every byte went out: false when the line failed or the rest was given up.
bool drainSerialWrites(QSerialPort& port);

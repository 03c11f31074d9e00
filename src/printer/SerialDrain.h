#pragma once

class QSerialPort;

// A write to a port is complete when every byte has been handed to the driver. Whatever
// the driver cannot take at once is written as the line drains, with the program's events
// running meanwhile; a line that takes nothing for far longer than its baud rate needs
// (nobody reading a pseudo-terminal) gives the rest up instead of freezing the program.
void drainSerialWrites(QSerialPort& port);

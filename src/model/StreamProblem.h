#pragma once

#include <QByteArray>
#include <QString>

// Something in a command stream for the printer or the cutter that a reader of the stream
// could not draw: where it stands, the command as sent, and why.
struct StreamProblem {
    qsizetype offset = 0; // bytes from the start of the stream
    QByteArray command;   // the command, or the bytes in question
    QString reason;

    // One line for the operator: position, the command as far as it can be shown, the reason.
    QString describe() const;
};

// Bytes of a stream as text that any line, list or file can hold: printable ASCII as it is,
// every other byte (a tab, a line break, a control character) written as \xNN.
QString printableBytes(const QByteArray& bytes);

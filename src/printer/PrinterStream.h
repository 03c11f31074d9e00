#pragma once

#include "model/StreamProblem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// One command of the printer stream as the printer takes it: "{" name, then what follows up
// to "|}". A raster graphic is the exception: its head says how many raw bytes follow, and
// those bytes may hold anything, "|}" included.
struct PrinterCommand {
    qsizetype offset = 0; // where the command starts in the stream
    QByteArray text;      // the command as sent, its raster left out
    QByteArray name;      // the letters after "{": "D", "C", "AY", "U", "XR", "LC", "SG", "XB", "XS", …
    QByteArray prefix;    // what stands between the name and ";" ("1" of U1, "03" of XB03)
    QByteArray body;      // what follows the ";" (or the name, when there is none) up to "|}"
    QByteArray raster;    // the raw rows of a raster graphic
};

// Cuts a printer stream into commands as its bytes arrive. Bytes between commands that are
// no command (line breaks and blanks excepted) are reported and skipped, as is a command too
// long to be one; a command whose end has not arrived waits for more bytes.
class PrinterStreamScanner {
public:
    void append(const QByteArray& bytes);

    // The next complete command; nullopt when the bytes so far end inside one (or end).
    std::optional<PrinterCommand> next(QList<StreamProblem>& problems);

    // The position in the stream of the first byte not yet taken.
    qsizetype position() const { return m_offset; }

    // The stream has ended: a command left unfinished is reported and dropped.
    void finish(QList<StreamProblem>& problems);

    // The raster graphic head is exactly this long: "{SG;xxxx,yyyy,wwww,hhhh,1,".
    static constexpr qsizetype kGraphicHeadLength = 26;

private:
    QByteArrayView pending() const;
    // Steps over n bytes at the front of what is pending.
    void consume(qsizetype n);
    // Steps over n bytes that are reported as not drawn.
    void skip(qsizetype n, const QString& reason, QList<StreamProblem>& problems);
    qsizetype nextStart() const;
    // A raster graphic at the front; skipped is set when bytes were dropped as unreadable.
    std::optional<PrinterCommand> graphic(QList<StreamProblem>& problems, bool& skipped);

    QByteArray m_pending;
    qsizetype m_read = 0;   // bytes of m_pending already taken
    qsizetype m_offset = 0; // position in the stream of the first byte not yet taken
};

// A number written in a command: optional sign and digits, nothing else.
std::optional<int> commandNumber(const QByteArray& text);

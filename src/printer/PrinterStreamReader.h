#pragma once

#include "model/StreamProblem.h"
#include "printer/DotCanvas.h"
#include "printer/PrinterStream.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// A command that sets the printer up rather than drawing, and what it asks for.
struct PrinterSetting {
    QByteArray command;
    QString meaning;
};

// One label as the printer prints it from the stream: its dots at the printer's resolution,
// how many copies were asked for, the set-up commands of its job, and what could not be
// drawn.
struct PrintedLabel {
    QImage dots;     // Format_Mono, one pixel per printer dot, index 1 where a dot prints
    int dpi = 0;
    int copies = 0;  // 0: no issue command came, so the printer prints nothing
    QList<PrinterSetting> settings;
    QList<StreamProblem> problems;
};

// Reads the printer stream the program writes, as the printer would: the label size and feed
// header, raster graphics, lines and rectangles, symbols and the issue command, which prints
// what the image buffer holds. The buffer lives on from one label job to the next, as in the
// printer: a job that does not clear it (feed mode) prints it again. Commands it cannot draw
// are reported with the label, never skipped silently.
class PrinterStreamReader {
public:
    explicit PrinterStreamReader(int dpi);

    // Takes the next bytes of the stream; returns the labels whose issue command was in them.
    // Should their dots come to more than 64 MB, the labels beyond come without dots and say so.
    QList<PrintedLabel> read(const QByteArray& bytes);

    // The stream has ended. What came after the last issue command is returned as a label
    // that is not printed (copies 0), with the reason; nothing when nothing came.
    std::optional<PrintedLabel> finish();

private:
    void take(const PrinterCommand& command);
    void labelSize(const PrinterCommand& command);
    void feed(const PrinterCommand& command);
    void clearBuffer(const PrinterCommand& command);
    void density(const PrinterCommand& command);
    void solidArea(const PrinterCommand& command);
    void lineOrBox(const PrinterCommand& command);
    void graphic(const PrinterCommand& command);
    void symbol(const PrinterCommand& command);
    void issue(const PrinterCommand& command);

    void problem(const PrinterCommand& command, const QString& reason);
    void setting(const PrinterCommand& command, const QString& meaning);
    // False, with the reason reported, when no label size has come yet.
    bool hasLabel(const PrinterCommand& command);
    // Reports a command whose dots reach beyond the label.
    void checkInside(const PrinterCommand& command, const QRect& dots);
    QPoint dotPoint(int x, int y) const;
    PrintedLabel takeLabel(int copies);

    int m_dpi;
    PrinterStreamScanner m_scanner;
    DotCanvas m_canvas;
    PrintedLabel m_label;      // the job being read
    bool m_cleared = false;    // the job cleared the image buffer
    bool m_started = false;    // anything came since the last issue command
    QList<PrintedLabel> m_issued;
    qsizetype m_issuedBytes = 0; // dots of the labels this read or finish hands over
};

// The first label a whole label job stream issues (or, when it issues none, the buffer as
// the stream leaves it, reported as not printed). Labels and problems after the first are
// reported with it.
PrintedLabel readLabelJob(const QByteArray& stream, int dpi);

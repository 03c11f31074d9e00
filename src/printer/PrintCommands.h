#pragma once

#include "model/JobSettings.h"

#include <QByteArray>
#include <QString>

// The frame of one label job in the printer's command language: the label size, the density,
// the feed adjustment and the issue command that prints the copies.

// The fixed-width rule of the printer's numbers: a text of exactly width characters is kept,
// a longer one cut to its first width characters, a shorter one filled in front with pad
// ("75" → "0075", "12345" → "1234", "-5" → "00-5").
QString PadLeft(const QString& text, int width, QChar pad);

// The printer's resolution: 203 dots per inch for list position 0, 305 for any other.
int printerDpi(int printDpi);

// The density list's text at a position: "-10" … "+00" (10) … "+10". A position outside the
// list sends the neutral "+00".
QString darknessText(int printDarkness);

// The feed adjustment around the issue command, n tenths of a millimetre (positive feeds
// forward before printing and back after it). One command moves at most 2000.
struct FeedCommands {
    QByteArray before;
    QByteArray after;
};
FeedCommands feedCommands(int printU1U2);

// The label size, the image-buffer clear (left out in feed mode, so the printer prints its
// buffer again) and the density. sideways exchanges width and height for a label fed sideways.
QByteArray labelHeader(int width, int height, bool sideways, const JobSettings& settings, bool feedMode);

// The issue command with its feed adjustment: quantity copies (the text as written, cut or
// filled to four characters), the printer's cutter, sensor, speed, ribbon and print direction,
// and a status report after printing.
QByteArray issueCommand(const QString& quantity, const JobSettings& settings);

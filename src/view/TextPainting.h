#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// Text on the label surface is laid out the way the machine's label designs were made:
// a font chosen by its cell height (ascent plus descent) in pixels, written upright into a
// box, then turned and stretched onto the label.

// Cell heights beyond this many pixels only come from damaged files; they are limited so
// that a font engine is never asked for an absurd size.
inline constexpr int kMaxCellHeight = 4096;

// A font whose cell is cellHeight pixels high (limited to kMaxCellHeight). weight is a
// QFont::Weight value (400 normal, 700 bold, 900 black).
QFont logicalFont(const QString& face, int cellHeight, int weight, bool italic, bool underline,
                  bool strikeOut);

// Black for an object that prints, grey for one the jobs skip.
QColor textColor(bool ifPrint);

// Draws text written at the top-left of an upright box of uprightSize pixels, with
// letterSpacing extra pixels after each character, turned counter-clockwise by
// direction x 90 degrees and stretched onto target. What falls outside the upright box is
// clipped, as if the text had been drawn into a bitmap of that size. Nothing is drawn
// when the box or the target is empty.
void drawStretchedText(QPainter& painter, const QString& text, QFont font, int letterSpacing,
                       QSizeF uprightSize, int direction, const QRectF& target, const QColor& color);

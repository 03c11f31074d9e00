#pragma once

#include "model/Tobject.h"
#include "model/Tshape.h"
#include "view/PixelBox.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;

// The human-readable line under a linear barcode's bars. The view draws it itself, with
// the object's own font, spacing, alignment and offsets, instead of taking the barcode
// library's text, so that it looks like the line the printer will print.

// The text of the line: prefix, value and suffix, wrapped in the Code 39 start and stop
// character "*" when the object asks for it. The symbol itself never encodes the stars.
QString humanReadableText(const Tshape& bar);

struct HumanReadableLine {
    QString text;
    QFont font;
    int spacing = 0;    // extra pixels after each character
    QSize upright;      // the line written upright: its length by its cell height
    int direction = 0;  // turned counter-clockwise by direction x 90 degrees
    PixelBox target;    // where the upright line is stretched to on the label
};

// Layout of the line of bar, whose bars occupy box and are symbolLength pixels long along
// their run. No line when the text is empty or its font has no height.
std::optional<HumanReadableLine> humanReadableLine(const Tshape& bar, const Tobject& document,
                                                   const PixelBox& box, int symbolLength);

void drawHumanReadableLine(QPainter& painter, const HumanReadableLine& line, const QColor& color);

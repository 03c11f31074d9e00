#pragma once

#include "model/Tshape.h"
#include "printer/ObjectCommands.h"
#include "printer/TextRaster.h"

#include <QString>

// The human-readable line the program prints itself beside a linear symbol (displayCode 2),
// placed from the symbol's estimated printed length and the text's measured length so that
// the alignment (left, right, centred, spread) holds on the printed label. printedText is
// the line as this job prints it (a record value included); the lengths are estimated from
// the stored value. The result is in the printer's frame with the offsets added.
TextGraphic barTextLine(const Tshape& bar, const LabelFrame& frame, int dpi, const QString& printedText);

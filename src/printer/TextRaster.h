#pragma once

#include "printer/RasterGraphic.h"

#include <QString>

#include <optional>

class Tcom;

// A text as the label job hands it to the printer: rendered by the program at the printer's
// resolution with a desktop font and sent as one raster graphic.
struct TextGraphic {
    int x = 0;          // anchor, tenths of a millimetre, offsets already added
    int y = 0;
    QString text;
    QString fontName;
    QString sizeText;   // a named size ("五号") or a whole number of points
    QString styleText;  // "常规", "斜体", "粗体", "粗斜体"; anything else is regular
    int rotation = 0;   // 0 … 3, quarter turns: the anchor is the text's top-left corner for
                        // 0, bottom-left for 1, bottom-right for 2 and top-right for 3
    int dpi = 305;      // 203 or 305
    double gap = 0;     // extra space after each character, millimetres
    int lineGap = 0;    // extra dots between lines
    int charsPerLine = 1000; // bytes per line before a line break
    double widthFactor = 1;
    double heightFactor = 1;
};

// The point size of a size text: the named sizes of Chinese typesetting ("初号" 42 … "八号"
// 5), else the text as a whole number. Raises ConversionError for any other text.
int pointSizeOf(const QString& sizeText);

// The graphic of a text, or nothing for a text that prints no dot area (an empty text, a
// size or scale of zero). Only pixels of exactly the text colour become dots: glyphs are
// filled without smoothing, so the dots are the glyphs' own pixels at printer resolution.
// Raises ConversionError for a size text that is no size and GraphicRangeError for a text
// too large for the printer to receive.
std::optional<RasterGraphic> textGraphic(const TextGraphic& request);

// Renders the text and writes its command to the open link. Returns false when the link did
// not take every byte (true when there was nothing to send).
bool SendTextGraphic(Tcom& link, const TextGraphic& request);

#pragma once

#include "model/MessageError.h"

#include <QByteArray>
#include <QImage>

#include <vector>

class Tcom;

// Raised when a graphic cannot be carried by the command: its position or size does not fit
// the four-character fields of the head. It ends the label job at that object.
class GraphicRangeError : public MessageError {
public:
    using MessageError::MessageError;
};

// One raster graphic command: the printer's way of receiving every text and picture of a
// label, since its own fonts are never used.
struct RasterGraphic {
    int x = 0;         // top-left corner, tenths of a millimetre on the printer's label
    int y = 0;
    int width = 0;     // dots, a multiple of 8
    int height = 0;    // dots
    QByteArray raster; // rows top to bottom, width / 8 bytes each, the leftmost dot in the top bit

    // "{SG;xxxx,yyyy,wwww,hhhh,1,": always 26 characters. Raises GraphicRangeError when x or
    // y lies outside -999 … 9999 or a size outside 0 … 9999.
    QByteArray head() const;
    static QByteArray tail() { return QByteArrayLiteral("|}"); }
};

// Raises GraphicRangeError when a graphic of width × height dots could not be sent; checked
// before a large raster is built for nothing.
void requireSendableSize(int width, int height);

// Writes the command as its three writes (head, raster, tail). Returns false when the link
// did not take every byte. Raises GraphicRangeError before writing anything when the head
// cannot carry the graphic.
bool writeGraphic(Tcom& link, const RasterGraphic& graphic);

// The dots of a picture at printer resolution, one flag per pixel, rows top to bottom.
struct DotMask {
    int width = 0;
    int height = 0;
    std::vector<quint8> dots;

    bool at(int x, int y) const { return dots[static_cast<size_t>(y) * width + x] != 0; }
};

// The mask of a 32-bit surface (Format_RGB32): a dot wherever isDot(pixel) holds. Pixels are
// tested one by one through the scan lines.
template <typename IsDot>
DotMask dotMaskOf(const QImage& surface, IsDot isDot)
{
    DotMask mask{surface.width(), surface.height(), {}};
    mask.dots.resize(static_cast<size_t>(mask.width) * mask.height);
    for (int y = 0; y < mask.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(surface.constScanLine(y));
        quint8* dots = mask.dots.data() + static_cast<size_t>(y) * mask.width;
        for (int x = 0; x < mask.width; ++x)
            dots[x] = isDot(line[x]) ? 1 : 0;
    }
    return mask;
}

// The next multiple of 8 from value (value itself when it is one).
int raisedToByte(int value);

// The raster of a mask sent turned by rotation (0 … 3, see the table below). The dimension
// that becomes the raster rows is raised to a multiple of 8; the added dots are blank.
//   rotation 0: row r is mask row r, dot c is (c, r)
//   rotation 1: row r is mask column P - 1 - r, dot c is (P - 1 - r, c)
//   rotation 2: row r is mask row Q - 1 - r, dot c is (P - 1 - c, Q - 1 - r)
//   rotation 3: row r is mask column r, dot c is (r, Q - 1 - c)
// with P, Q the mask's width and height after raising.
RasterGraphic turnedRaster(const DotMask& mask, int rotation);

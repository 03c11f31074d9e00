#pragma once

#include "printer/RasterGraphic.h"

#include <QImage>
#include <QString>

#include <optional>

class Tcom;

// A picture object as the label job hands it to the printer: stretched to its size on the
// label at the printer's resolution and sent as one raster graphic.
struct ImageGraphic {
    int x = 0;      // tenths of a millimetre, offsets already added
    int y = 0;
    int width = 0;  // the picture's size on the label, tenths of a millimetre
    int height = 0;
    QString fileName;
    bool rotate = false; // the label is fed sideways (Rotation 3)
    int dpi = 305;
};

// The graphic of a picture already loaded. Upright, a pixel prints when the integer mean of its
// red, green and blue is 140 or less; turned for a sideways label, only exactly black pixels
// print. Nothing for a picture of no size. Raises GraphicRangeError for a picture too large
// for the printer to receive.
std::optional<RasterGraphic> imageGraphic(const ImageGraphic& request, const QImage& picture);

// Loads request.fileName as a bitmap and writes its command to the open link. Returns false
// when the link did not take every byte. Raises MessageError with the reason when the file
// cannot be loaded.
bool SendImageGraphic(Tcom& link, const ImageGraphic& request);

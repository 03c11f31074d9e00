#include "PrinterTestSupport.h"

QImage decodedRaster(const RasterGraphic& graphic)
{
    QImage dots(graphic.width, graphic.height, QImage::Format_RGB32);
    dots.fill(Qt::white);
    const int rowBytes = graphic.width / 8;
    for (int r = 0; r < graphic.height; ++r) {
        for (int c = 0; c < graphic.width; ++c) {
            const auto byte = quint8(graphic.raster.at(r * rowBytes + c / 8));
            if (byte & (0x80 >> (c % 8)))
                dots.setPixel(c, r, qRgb(0, 0, 0));
        }
    }
    return dots;
}

QRect dotBounds(const QImage& dots)
{
    QRect bounds;
    for (int y = 0; y < dots.height(); ++y) {
        for (int x = 0; x < dots.width(); ++x) {
            if (dots.pixel(x, y) == qRgb(0, 0, 0))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

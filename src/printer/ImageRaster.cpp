#include "printer/ImageRaster.h"

#include "model/BitmapFile.h"
#include "printer/Tcom.h"

namespace {

constexpr int kMeanThreshold = 140;
constexpr qint64 kSizeLimit = 1 << 20;

DotMask pictureDots(const QImage& surface, bool exactBlackOnly)
{
    DotMask mask{surface.width(), surface.height(), {}};
    mask.dots.resize(static_cast<size_t>(mask.width) * mask.height);
    for (int y = 0; y < mask.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(surface.constScanLine(y));
        quint8* dots = mask.dots.data() + static_cast<size_t>(y) * mask.width;
        for (int x = 0; x < mask.width; ++x) {
            const QRgb pixel = line[x];
            dots[x] = exactBlackOnly ? (pixel & 0xffffff) == 0
                                     : (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3 <= kMeanThreshold;
        }
    }
    return mask;
}

} // namespace

std::optional<RasterGraphic> imageGraphic(const ImageGraphic& request, const QImage& picture)
{
    if (picture.isNull() || request.dpi <= 0)
        return std::nullopt;
    // Sizes beyond what the head can carry are refused below; limiting them first keeps the
    // arithmetic in range for any size a file may hold.
    const int p = int(qBound<qint64>(0, qint64(request.width) * request.dpi / 254, kSizeLimit));
    const int q = int(qBound<qint64>(0, qint64(request.height) * request.dpi / 254, kSizeLimit));
    if (p == 0 || q == 0)
        return std::nullopt;
    const int sentP = request.rotate ? p : raisedToByte(p);
    const int sentQ = request.rotate ? raisedToByte(q) : q;
    requireSendableSize(sentP, sentQ);

    const QImage surface = picture.scaled(p, q, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                               .convertToFormat(QImage::Format_RGB32);
    RasterGraphic graphic = turnedRaster(pictureDots(surface, request.rotate), request.rotate ? 1 : 0);
    graphic.x = request.x;
    graphic.y = request.y;
    if (request.rotate) {
        graphic.x -= sentQ * 254 / request.dpi;
        graphic.y -= sentP * 254 / request.dpi;
    }
    return graphic;
}

bool SendImageGraphic(Tcom& link, const ImageGraphic& request)
{
    QString error;
    const QImage picture = loadBitmap(request.fileName, error);
    if (picture.isNull())
        throw MessageError(error);
    const std::optional<RasterGraphic> graphic = imageGraphic(request, picture);
    return !graphic || writeGraphic(link, *graphic);
}

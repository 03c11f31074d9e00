#include "printer/ImageRaster.h"

#include "model/BitmapFile.h"
#include "printer/Tcom.h"

namespace {

constexpr int kMeanThreshold = 140;
constexpr qint64 kSizeLimit = 1 << 20;

// Upright, a pixel prints when the integer mean of its colours is dark enough; turned for a
// sideways label, only exactly black pixels print.
bool printsDot(QRgb pixel, bool exactBlackOnly)
{
    if (exactBlackOnly)
        return (pixel & 0xffffff) == 0;
    return (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3 <= kMeanThreshold;
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
    const bool sideways = request.rotate;
    RasterGraphic graphic = turnedRaster(dotMaskOf(surface, [sideways](QRgb pixel) { return printsDot(pixel, sideways); }),
                                         sideways ? 1 : 0);
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

#include "printer/RasterGraphic.h"

#include "printer/PrinterText.h"
#include "printer/Tcom.h"

namespace {

bool fitsPosition(int value)
{
    return value >= -999 && value <= 9999;
}

bool fitsSize(int value)
{
    return value >= 0 && value <= 9999;
}

[[noreturn]] void throwRange(int x, int y, int width, int height)
{
    throw GraphicRangeError(PrinterText::tr("图形超出打印机能接收的范围：位置 (%1, %2)，大小 %3 × %4 点。")
                                .arg(x)
                                .arg(y)
                                .arg(width)
                                .arg(height));
}

} // namespace

void requireSendableSize(int width, int height)
{
    if (!fitsSize(width) || !fitsSize(height))
        throwRange(0, 0, width, height);
}

QByteArray RasterGraphic::head() const
{
    if (!fitsPosition(x) || !fitsPosition(y) || !fitsSize(width) || !fitsSize(height))
        throwRange(x, y, width, height);
    return QString::asprintf("{SG;%04d,%04d,%04d,%04d,1,", x, y, width, height).toLatin1();
}

bool writeGraphic(Tcom& link, const RasterGraphic& graphic)
{
    const QByteArray head = graphic.head();
    const bool headOk = link.Write(head);
    const bool rasterOk = link.Write(graphic.raster);
    const bool tailOk = link.Write(RasterGraphic::tail());
    return headOk && rasterOk && tailOk;
}

int raisedToByte(int value)
{
    return (value + 7) / 8 * 8;
}

RasterGraphic turnedRaster(const DotMask& mask, int rotation)
{
    const bool across = rotation % 2 == 1;
    const int P = across ? mask.width : raisedToByte(mask.width);
    const int Q = across ? raisedToByte(mask.height) : mask.height;
    RasterGraphic graphic;
    graphic.width = across ? Q : P;
    graphic.height = across ? P : Q;
    const qsizetype rowBytes = graphic.width / 8;
    graphic.raster = QByteArray(rowBytes * graphic.height, '\0');
    auto* bytes = reinterpret_cast<quint8*>(graphic.raster.data());
    const auto set = [&](int r, int c, int px, int py) {
        if (px < mask.width && py < mask.height && mask.at(px, py))
            bytes[r * rowBytes + c / 8] |= quint8(0x80u >> (c % 8));
    };
    for (int r = 0; r < graphic.height; ++r) {
        for (int c = 0; c < graphic.width; ++c) {
            switch (rotation) {
            case 1:
                set(r, c, P - 1 - r, c);
                break;
            case 2:
                set(r, c, P - 1 - c, Q - 1 - r);
                break;
            case 3:
                set(r, c, r, Q - 1 - c);
                break;
            default:
                set(r, c, c, r);
                break;
            }
        }
    }
    return graphic;
}

// A bitmap file's bytes, loaded as the trace command loads a BMP and traced into the cut
// outline the knife follows.

#include "FuzzTarget.h"

#include "cutter/OutlineTracer.h"
#include "model/BitmapFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QRect>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A few header bytes declare a picture of hundreds of megabytes; decoding and tracing
    // it says nothing a small one does not, at a hundred times the cost per input.
    QImageReader::setAllocationLimit(8);
    QByteArray bytes = fuzzing::bytesOf(data, size);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QString error;
    const QImage picture = readBitmap(file, QStringLiteral("fuzz.bmp"), error);
    fuzzing::expect(picture.isNull() != error.isEmpty(), "a bitmap loads, or says why it does not");
    if (picture.isNull())
        return 0;
    const QRect bitmap(QPoint(0, 0), picture.size());
    for (const QPoint& point : traceImageOutline(picture))
        fuzzing::expect(bitmap.contains(point), "the outline stays on its bitmap");
    return 0;
}

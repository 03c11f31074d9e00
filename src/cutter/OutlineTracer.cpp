#include "cutter/OutlineTracer.h"

#include "cutter/CutterText.h"
#include "model/BitmapFile.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <optional>

namespace {

// The steps the tracer may take from a point, in the order it tries them. The code of a
// step is its direction: 0 east, 1 south-east, 2 south, ... 7 north-east (y grows down).
struct Step {
    int dx;
    int dy;
    int code;
};
constexpr std::array<Step, 8> kSteps{{
    {1, 0, 0},   // east
    {0, 1, 2},   // south
    {-1, 0, 4},  // west
    {0, -1, 6},  // north
    {1, 1, 1},   // south-east
    {-1, 1, 3},  // south-west
    {-1, -1, 5}, // north-west
    {1, -1, 7},  // north-east
}};
constexpr int kNoStep = 8;
constexpr int kClosingSteps = 50;

// The tracer's working copy of the picture. Instead of painting taken pixels white on a
// 32-bit copy, it keeps one bit per pixel beside the picture in its own depth: a one-bit
// drawing of 20,000 × 20,000 pixels then needs 50 MB more, not 1.6 GB. The bits come
// zeroed from the system, so only the rows the line crosses ever cost memory.
class TracingSurface {
public:
    explicit TracingSurface(const QImage& picture)
        : m_picture(isIndexed(picture.format()) ? picture : picture.convertToFormat(QImage::Format_RGB32))
        , m_width(m_picture.width())
        , m_height(m_picture.height())
        , m_format(m_picture.format())
        , m_bits(m_picture.constBits())
        , m_stride(m_picture.bytesPerLine())
        , m_taken(static_cast<quint64*>(std::calloc((qsizetype(m_width) * m_height + 63) / 64, sizeof(quint64))))
    {
        if (!m_taken)
            throw std::bad_alloc();
        if (isIndexed(m_format))
            m_blackIndex = blackIndices(m_picture);
    }

    std::optional<QPoint> firstBlackFromRow(int firstRow) const
    {
        for (int y = firstRow; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if (colourIsBlack(x, y))
                    return QPoint(x, y);
            }
        }
        return std::nullopt;
    }

    bool isFreeBlack(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && !isTaken(x, y) && colourIsBlack(x, y);
    }

    void take(int x, int y)
    {
        const qsizetype bit = index(x, y);
        m_taken.get()[bit / 64] |= quint64(1) << (bit % 64);
    }

private:
    static bool isIndexed(QImage::Format format)
    {
        return format == QImage::Format_Mono || format == QImage::Format_MonoLSB
            || format == QImage::Format_Indexed8;
    }

    // Which palette entries come out as black when the picture is converted to 32-bit
    // RGB: a small picture holding every index goes through the same conversion.
    static std::array<bool, 256> blackIndices(const QImage& picture)
    {
        const bool mono = picture.format() != QImage::Format_Indexed8;
        QImage sample(mono ? 2 : 256, 1, picture.format());
        sample.setColorTable(picture.colorTable());
        uchar* line = sample.scanLine(0);
        if (picture.format() == QImage::Format_Mono)
            line[0] = 0x40;
        else if (picture.format() == QImage::Format_MonoLSB)
            line[0] = 0x02;
        else
            for (int i = 0; i < 256; ++i)
                line[i] = uchar(i);
        const QImage converted = sample.convertToFormat(QImage::Format_RGB32);
        std::array<bool, 256> black{};
        for (int i = 0; i < converted.width(); ++i)
            black[i] = (converted.pixel(i, 0) & 0xFFFFFF) == 0;
        return black;
    }

    bool colourIsBlack(int x, int y) const
    {
        const uchar* line = m_bits + y * m_stride;
        switch (m_format) {
        case QImage::Format_Mono:
            return m_blackIndex[(line[x >> 3] >> (7 - (x & 7))) & 1];
        case QImage::Format_MonoLSB:
            return m_blackIndex[(line[x >> 3] >> (x & 7)) & 1];
        case QImage::Format_Indexed8:
            return m_blackIndex[line[x]];
        default:
            return (reinterpret_cast<const QRgb*>(line)[x] & 0xFFFFFF) == 0;
        }
    }

    qsizetype index(int x, int y) const { return qsizetype(y) * m_width + x; }
    bool isTaken(int x, int y) const
    {
        const qsizetype bit = index(x, y);
        return (m_taken.get()[bit / 64] >> (bit % 64)) & 1;
    }

    struct FreeBits {
        void operator()(quint64* bits) const { std::free(bits); }
    };

    const QImage m_picture; // 32-bit RGB, or one of the indexed depths with m_blackIndex
    const int m_width;
    const int m_height;
    const QImage::Format m_format;
    const uchar* const m_bits;
    const qsizetype m_stride;
    std::unique_ptr<quint64, FreeBits> m_taken;
    std::array<bool, 256> m_blackIndex{};
};

} // namespace

QList<QPoint> traceImageOutline(const QImage& picture)
{
    if (picture.isNull())
        return {};
    TracingSurface surface(picture);
    const std::optional<QPoint> start = surface.firstBlackFromRow(picture.height() / 2);
    if (!start)
        return {};

    QList<QPoint> outline{*start};
    QList<QPoint> closing; // the first stretch, cut once more so that the outline closes
    QPoint point = *start;
    int previousCode = kNoStep;
    int steps = 0;
    for (;;) {
        if (steps < kClosingSteps && ++steps == kClosingSteps) {
            closing.append(point);
            ++steps;
        }
        const auto next = std::find_if(kSteps.begin(), kSteps.end(), [&](const Step& step) {
            return surface.isFreeBlack(point.x() + step.dx, point.y() + step.dy);
        });
        if (next == kSteps.end()) {
            // The line ends here; without its tip the knife would stop at the last turn
            // and the final stretch would stay uncut.
            if (point != *start)
                outline.append(point);
            break;
        }
        const QPoint reached(point.x() + next->dx, point.y() + next->dy);
        surface.take(reached.x(), reached.y());
        if (next->code != previousCode) {
            outline.append(point);
            if (steps < kClosingSteps)
                closing.append(point);
            previousCode = next->code;
        }
        point = reached;
        if (point == *start)
            break;
    }
    return outline + closing;
}

TracedOutline TraceOutline(const QString& fileName)
{
    TracedOutline result;
    const QImage picture = loadBitmap(fileName, result.error);
    if (!result.ok())
        return result;
    result.bitmapSize = picture.size();
    try {
        result.points = traceImageOutline(picture);
    } catch (const std::bad_alloc&) {
        result.error = CutterText::tr("内存不足，无法描出位图“%1”（%2 × %3 像素）的轮廓。")
                           .arg(fileName)
                           .arg(picture.width())
                           .arg(picture.height());
    }
    return result;
}

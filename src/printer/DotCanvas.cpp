#include "printer/DotCanvas.h"

#include <QPainter>
#include <QtEndian>

#include <cmath>

namespace {

constexpr uchar kInk = 0;
constexpr uchar kPaper = 255;

} // namespace

int dotsOf(qint64 tenths, int dpi)
{
    return static_cast<int>(std::floor(static_cast<double>(tenths) * dpi / 254.0 + 0.5));
}

DotCanvas::DotCanvas(int width, int height)
    : m_dots(width, height, QImage::Format_Grayscale8)
{
    clear();
}

void DotCanvas::clear()
{
    m_bits = QImage();
    m_dots.fill(kPaper);
}

void DotCanvas::print(int x, int y)
{
    if (x >= 0 && y >= 0 && x < m_dots.width() && y < m_dots.height())
        m_dots.scanLine(y)[x] = kInk;
}

void DotCanvas::placeRaster(QPoint topLeft, int width, int height, const QByteArray& rows)
{
    const qsizetype rowBytes = width / 8;
    if (rows.size() < rowBytes * height)
        return;
    m_bits = QImage();
    const QRect visible = QRect(topLeft, QSize(width, height)).intersected(m_dots.rect());
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const auto* row = reinterpret_cast<const uchar*>(rows.constData()) + (y - topLeft.y()) * rowBytes;
        uchar* line = m_dots.scanLine(y);
        for (int x = visible.left(); x <= visible.right(); ++x) {
            const int c = x - topLeft.x();
            if (row[c / 8] & (0x80u >> (c % 8)))
                line[x] = kInk;
        }
    }
}

QRect DotCanvas::stampedRect(QSize mask, QPoint anchor, int quarterTurns)
{
    const int w = mask.width();
    const int h = mask.height();
    switch (quarterTurns & 3) {
    case 1:
        return QRect(anchor.x() - h, anchor.y(), h, w);
    case 2:
        return QRect(anchor.x() - w, anchor.y() - h, w, h);
    case 3:
        return QRect(anchor.x(), anchor.y() - w, h, w);
    default:
        return QRect(anchor, QSize(w, h));
    }
}

void DotCanvas::stampMask(const DotMask& mask, QPoint anchor, int quarterTurns)
{
    m_bits = QImage();
    const int turns = quarterTurns & 3;
    const int ax = anchor.x();
    const int ay = anchor.y();
    for (int v = 0; v < mask.height; ++v) {
        for (int u = 0; u < mask.width; ++u) {
            if (!mask.at(u, v))
                continue;
            // The dot covering (u, v)…(u + 1, v + 1) turned about the anchor.
            switch (turns) {
            case 1:
                print(ax - v - 1, ay + u);
                break;
            case 2:
                print(ax - u - 1, ay - v - 1);
                break;
            case 3:
                print(ax + v, ay - u - 1);
                break;
            default:
                print(ax + u, ay + v);
                break;
            }
        }
    }
}

void DotCanvas::preparePainter(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QImage DotCanvas::oneBit()
{
    // Converted once for as long as no dot changes: labels issued again from the same buffer
    // (feed mode, a number of copies) share one picture.
    if (!m_bits.isNull())
        return m_bits;
    QImage bits(m_dots.size(), QImage::Format_Mono);
    bits.setColorCount(2);
    bits.setColor(0, qRgb(255, 255, 255));
    bits.setColor(1, qRgb(0, 0, 0));
    const int width = m_dots.width();
    for (int y = 0; y < m_dots.height(); ++y) {
        const uchar* line = m_dots.constScanLine(y);
        uchar* out = bits.scanLine(y);
        int x = 0;
        // Eight dots at a time, without a branch or a copy of the buffer (the largest label
        // holds 32 million dots): a dot prints when its byte is below 128, so its top bit is
        // clear. The multiplication gathers the eight inverted top bits into one byte, the
        // leftmost dot in the top bit.
        for (; x + 8 <= width; x += 8) {
            const quint64 inked = ~qFromLittleEndian<quint64>(line + x) & 0x8080808080808080u;
            out[x / 8] = uchar(((inked >> 7) * 0x8040201008040201u) >> 56);
        }
        uchar tail = 0;
        for (int bit = 7; x < width; ++x, --bit)
            tail |= uchar((line[x] >> 7 ^ 1) << bit);
        if (width % 8 != 0)
            out[width / 8] = tail;
    }
    m_bits = bits;
    return m_bits;
}

#pragma once

#include "printer/RasterGraphic.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

// The printer's image buffer as the preview keeps it: one byte per dot (black or white) so
// that lines and rounded corners can be drawn with a painter, turned into one bit per dot
// when a label is issued. Dots that fall outside the label are dropped, as the printer
// drops them.
class DotCanvas {
public:
    DotCanvas() = default;
    DotCanvas(int width, int height);

    bool isNull() const { return m_dots.isNull(); }
    QSize size() const { return m_dots.size(); }
    QRect rect() const { return m_dots.rect(); }
    void clear();

    // Prints the rows of a raster graphic (width / 8 bytes a row, the leftmost dot in the top
    // bit) with its top-left dot at topLeft. Set bits print; clear bits leave what is there.
    void placeRaster(QPoint topLeft, int width, int height, const QByteArray& rows);

    // Prints an upright mask turned by quarterTurns clockwise about anchor, where the mask's
    // top-left corner lies before turning.
    void stampMask(const DotMask& mask, QPoint anchor, int quarterTurns);

    // The dots a mask covers once turned and placed, as stampMask places them.
    static QRect stampedRect(QSize mask, QPoint anchor, int quarterTurns);

    // Lines, rectangles and filled areas: drawn without smoothing, so every dot is either
    // printed or not.
    template <typename Draw>
    void paint(Draw draw)
    {
        m_bits = QImage();
        QPainter painter(&m_dots);
        preparePainter(painter);
        draw(painter);
    }

    // The buffer as the printer prints it: one bit per dot (Format_Mono), 1 where it prints.
    QImage oneBit();

private:
    static void preparePainter(QPainter& painter);
    void print(int x, int y);

    QImage m_dots; // Format_Grayscale8: 0 prints, 255 is blank paper
    QImage m_bits; // oneBit() of m_dots; null once a dot changes
};

// Tenths of a millimetre in printer dots at dpi, rounded half up: where the printer places
// a position given in tenths.
int dotsOf(qint64 tenths, int dpi);

#include "view/ShapePainters.h"

#include "view/PictureCache.h"
#include "view/ViewColors.h"

#include <QPainter>

#include <array>
#include <utility>

namespace {

void setPenWidth(QPainter& painter, int width)
{
    QPen pen = painter.pen();
    pen.setWidth(width);
    painter.setPen(pen);
}

} // namespace

void drawPrintLine(QPainter& painter, Tshape& line, const PixelBox& box)
{
    setPenWidth(painter, line.lineWidth);
    setPixelBox(line, box);
    const QPoint topLeft(box.left, box.top);
    const QPoint topRight(box.right, box.top);
    const QPoint bottomRight(box.right, box.bottom);
    const QPoint bottomLeft(box.left, box.bottom);
    // From the start corner the direction names to the opposite one.
    const std::array<std::pair<QPoint, QPoint>, 4> strokes{{
        {topLeft, bottomRight},
        {topRight, bottomLeft},
        {bottomRight, topLeft},
        {bottomLeft, topRight},
    }};
    if (line.direction >= 0 && line.direction < static_cast<int>(strokes.size()))
        painter.drawLine(strokes[line.direction].first, strokes[line.direction].second);
}

void drawPrintRect(QPainter& painter, const Tshape& rect, const PixelBox& box)
{
    if (rect.isSolid != 0) {
        painter.fillRect(box.rect(), view_colors::printInk);
        return;
    }
    setPenWidth(painter, rect.lineWidth);
    painter.drawRoundedRect(box.rect(), rect.R, rect.R);
}

void drawPrintImage(QPainter& painter, Tshape& image, const PixelBox& box)
{
    const QImage picture = pictureCache().pictureWhiteTransparent(image.fileName);
    if (picture.isNull()) {
        painter.drawLine(box.left, box.top, box.right, box.bottom);
        painter.drawLine(box.right, box.top, box.left, box.bottom);
        return;
    }
    setPixelBox(image, box);
    painter.drawImage(box.rect(), picture);
}

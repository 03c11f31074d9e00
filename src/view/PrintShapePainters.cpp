#include "view/ShapePainters.h"

#include "view/PictureCache.h"
#include "view/ViewColors.h"

#include <QPainter>

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
    switch (line.direction) {
    case 0:
        painter.drawLine(box.left, box.top, box.right, box.bottom);
        break;
    case 1:
        painter.drawLine(box.right, box.top, box.left, box.bottom);
        break;
    case 2:
        painter.drawLine(box.right, box.bottom, box.left, box.top);
        break;
    case 3:
        painter.drawLine(box.left, box.bottom, box.right, box.top);
        break;
    default:
        break;
    }
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

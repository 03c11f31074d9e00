#include "view/LabelRenderer.h"

#include "view/PictureCache.h"
#include "view/ShapePainters.h"
#include "view/SymbolDrawing.h"
#include "view/TextObjects.h"
#include "view/ViewColors.h"

#include <QFileInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QRegion>

namespace {

// The white sheet with the background picture stretched over its place on it.
void drawSheet(QPainter& painter, const Tobject& document)
{
    const QPaintDevice* device = painter.device();
    // The whole surface, however large the label at the chosen zoom, so that nothing of an
    // earlier drawing is left beyond a fixed area.
    const QRect whole = device ? QRect(0, 0, device->width(), device->height()) : QRect();
    const auto at = [&](int millimetres) { return document.ToPixels(millimetres * 10.0); };
    const PixelBox target{at(document.bgX), at(document.bgY), at(document.bgX + document.bgWidth),
                          at(document.bgY + document.bgHeight)};
    const QRect box = target.rect().toRect();
    // The stretched picture is kept between redraws, made for the part the surface shows on
    // the white sheet; only the rest of the surface is whitened.
    if (device && box.isValid() && painter.transform().isIdentity()) {
        const QRect visible = box & whole;
        const QImage part = pictureCache().sheetBackground(document.bgFile, box, visible);
        const QRect covered = part.isNull() ? QRect() : visible;
        if (!part.isNull())
            painter.drawImage(visible.topLeft(), part);
        for (const QRect& rest : QRegion(whole).subtracted(covered))
            painter.fillRect(rest, view_colors::sheet);
        return;
    }
    painter.fillRect(whole, view_colors::sheet);
    const QImage picture = pictureCache().picture(document.bgFile);
    if (!picture.isNull())
        painter.drawImage(target.rect(), picture);
}

// The outline pen of an object: dark red and two pixels wide for what the cutter cuts,
// black one pixel wide for what the printer prints, grey for either when the jobs skip it.
QPen outlinePen(const Tshape& shape)
{
    QPen pen(shape.isCut() ? view_colors::cutOutline : view_colors::printInk, shape.isCut() ? 2 : 1);
    if (!shape.ifPrint)
        pen.setColor(view_colors::disabled);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Draws one object by kind; returns the text of its row in the object list.
QString drawShape(QPainter& painter, Tshape& shape, const Tobject& document, const PixelBox& box)
{
    switch (shape.kind()) {
    case ShapeKind::CutRect:
        painter.drawRect(box.rect());
        break;
    case ShapeKind::CutRoundRect:
        drawCutRoundRect(painter, shape, document, box);
        break;
    case ShapeKind::CutCircle:
        painter.drawEllipse(box.rect());
        break;
    case ShapeKind::CutHalfCircle:
        drawCutHalfCircle(painter, box);
        break;
    case ShapeKind::CutLine:
        drawCutLine(painter, shape, document);
        break;
    case ShapeKind::CutArc:
        drawCutArc(painter, shape, document, box);
        break;
    case ShapeKind::CutImage:
        if (!QFileInfo(shape.fileName).isFile())
            return {};
        drawTracedOutline(painter, shape);
        break;
    case ShapeKind::PrintRect:
        drawPrintRect(painter, shape, box);
        break;
    case ShapeKind::PrintLine:
        drawPrintLine(painter, shape, box);
        break;
    case ShapeKind::PrintImage:
        drawPrintImage(painter, shape, box);
        break;
    case ShapeKind::PrintString:
        drawPrintString(painter, shape, document);
        break;
    case ShapeKind::PrintBar:
        drawBarcode(painter, shape, document);
        break;
    case ShapeKind::PrintQRBar:
    case ShapeKind::PrintDataMatrix:
    case ShapeKind::PrintPdf417Bar:
        drawMatrixSymbol(painter, shape, document);
        break;
    case ShapeKind::None:
        break;
    }
    return objectListText(shape);
}

} // namespace

void drawSelectionMarks(QPainter& painter, const PixelBox& box, const QColor& frameColor,
                        const QColor& handleColor, int handleSize)
{
    const PixelBox frame{box.left - 2, box.top - 2, box.right + 2, box.bottom + 2};
    painter.setPen(QPen(frameColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.rect());
    painter.setPen(QPen(handleColor, 1));
    painter.setBrush(handleColor);
    for (const int x : {frame.left, frame.right}) {
        for (const int y : {frame.top, frame.bottom})
            painter.drawRect(QRect(x - handleSize, y - handleSize, 2 * handleSize, 2 * handleSize));
    }
    painter.setBrush(Qt::NoBrush);
}

std::optional<ObjectListContent> Draw(QPaintDevice& canvas, Tobject& document, bool refreshList)
{
    QPainter painter(&canvas);
    return Draw(painter, document, refreshList);
}

std::optional<ObjectListContent> Draw(QPainter& painter, Tobject& document, bool refreshList)
{
    drawSheet(painter, document);

    ObjectListContent list;
    int lastSelected = -1;
    for (qsizetype i = 0; i < document.objects.size(); ++i) {
        Tshape& shape = document.objects[i];
        ObjectListRow row{static_cast<int>(i + 1), {}, shape.Selected};
        const PixelBox box{document.ToPixels(shape.printLeft), document.ToPixels(shape.printTop),
                           document.ToPixels(shape.printRight), document.ToPixels(shape.printBottom)};
        if (shape.Selected) {
            lastSelected = static_cast<int>(i);
            drawSelectionMarks(painter, pixelBoxOf(shape), view_colors::selection, view_colors::selection,
                               kHandleSize);
        }
        painter.setPen(outlinePen(shape));
        painter.setBrush(Qt::NoBrush);
        row.kindText = drawShape(painter, shape, document, box);
        if (refreshList)
            list.rows.append(std::move(row));
    }

    if (document.current >= 0 && document.current < document.objects.size()) {
        drawSelectionMarks(painter, pixelBoxOf(document.objects[document.current]), view_colors::currentFrame,
                           view_colors::currentHandles, kHandleSize);
    }
    if (!refreshList)
        return std::nullopt;
    list.scrollPixels = lastSelected > 0 ? lastSelected * kObjectListRowHeight : 0;
    return list;
}

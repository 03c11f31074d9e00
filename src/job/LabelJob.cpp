#include "job/LabelJob.h"

#include "job/VariableData.h"
#include "printer/BarTextLine.h"
#include "printer/ImageRaster.h"
#include "printer/Tcom.h"
#include "printer/TextRaster.h"

namespace {

bool writeText(Tcom& link, const Tshape& text, const LabelJob& job)
{
    TextGraphic graphic;
    const QPoint at = job.frame.anchor(text);
    graphic.x = at.x();
    graphic.y = at.y();
    graphic.text = textValue(text, job.record);
    graphic.fontName = text.fontName;
    graphic.sizeText = QString::number(text.printSize);
    graphic.styleText = text.bold != 0 ? QStringLiteral("粗体") : QStringLiteral("常规");
    graphic.rotation = textRotation(text.direction, job.frame.rotation);
    graphic.dpi = job.dpi;
    graphic.gap = text.strGap;
    graphic.widthFactor = text.widthFactor;
    graphic.heightFactor = text.heightFactor;
    return SendTextGraphic(link, graphic);
}

bool writeImage(Tcom& link, const Tshape& image, const LabelJob& job)
{
    ImageGraphic graphic;
    // A sideways label takes the picture turned, placed from its far corner.
    const bool sideways = job.frame.rotation == 3;
    const QPoint at = sideways ? job.frame.offset({image.printBottom, job.frame.width - image.printLeft})
                               : job.frame.anchor(image);
    graphic.x = at.x();
    graphic.y = at.y();
    graphic.width = image.modelWidth();
    graphic.height = image.modelHeight();
    graphic.fileName = image.fileName;
    graphic.rotate = sideways;
    graphic.dpi = job.dpi;
    return SendImageGraphic(link, graphic);
}

bool writeCommand(Tcom& link, const QByteArray& command)
{
    return command.isEmpty() || link.Write(command);
}

} // namespace

bool writeObjectCommands(Tcom& link, const Tshape& shape, int index, const LabelJob& job)
{
    switch (shape.kind()) {
    case ShapeKind::PrintString:
        return writeText(link, shape, job);
    case ShapeKind::PrintImage:
        return writeImage(link, shape, job);
    case ShapeKind::PrintBar: {
        const QByteArray command = objectCommand(shape, index, job.frame, symbolData(shape, job.record));
        if (!writeCommand(link, command))
            return false;
        if (command.isEmpty() || shape.displayCode != 2)
            return true;
        return SendTextGraphic(link, barTextLine(shape, job.frame, job.dpi, humanReadableLine(shape, job.record)));
    }
    case ShapeKind::PrintRect:
    case ShapeKind::PrintLine:
        return writeCommand(link, objectCommand(shape, index, job.frame, QString()));
    case ShapeKind::PrintQRBar:
    case ShapeKind::PrintDataMatrix:
    case ShapeKind::PrintPdf417Bar:
        return writeCommand(link, objectCommand(shape, index, job.frame, symbolData(shape, job.record)));
    default:
        return true;
    }
}

#include "view/TobjectAnchoredAdd.h"

#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "model/Tobject.h"
#include "view/SymbolMeasure.h"
#include "view/TextObjects.h"

#include <utility>

namespace {

// The font and layout fields that texts and the readable lines of barcodes share.
void setTextStyle(Tshape& shape, const QString& fontName, float fontSize, int bold, int italic,
                  int underLine, int strikeOut, float strGap, float widthFactor, float heightFactor)
{
    shape.fontName = fontName;
    shape.fontSize = fontSize;
    shape.bold = bold;
    shape.italic = italic;
    shape.underLine = underLine;
    shape.strikeOut = strikeOut;
    shape.strGap = strGap;
    shape.widthFactor = widthFactor;
    shape.heightFactor = heightFactor;
}

// A fresh two-dimensional code with the fields the three kinds share.
Tshape matrixCode(ShapeKind kind, int direction, int barLevel, int barWidth, const QString& barValue,
                  const QString& DBField)
{
    Tshape code = makeShape(kind);
    code.direction = direction;
    code.barLevel = barLevel;
    code.barWidth = barWidth;
    code.barValue = barValue;
    code.DBField = DBField;
    return code;
}

// Places a new symbol at its anchor with its unrotated size and appends it.
void appendSymbol(Tobject& document, Tshape symbol, const QString& name, int left, int top, int width,
                  int height)
{
    symbol.Stretch = false;
    symbol.name = name;
    symbol.printLeft = left;
    symbol.printTop = top;
    setAnchoredBox(symbol, document.ToPixels(left), document.ToPixels(top), width, height);
    document.AppendAdded({std::move(symbol)});
}

} // namespace

void AddPrintStrings(Tobject& document, const QString& name, int left, int top, int rows, int columns,
                     int rowPitch, int columnPitch, const QString& text, int direction,
                     const QString& fontName, float size, int bold, int italic, int underLine,
                     int strikeOut, int charExtra, const QPaintDevice& surface, int serialNo,
                     float widthFactor, float heightFactor, const QString& DBField,
                     const QString& DBType, int DBDateStyle)
{
    document.TakeSnapshot();
    // Every copy holds the same text, so it is measured once.
    const QSize extent = measureTextExtent(
        text, fontName, truncToInt(static_cast<long double>(size) * document.zoom), charExtra, surface);
    const int width = truncToInt(static_cast<long double>(extent.width()) * widthFactor);
    const int height = truncToInt(static_cast<long double>(extent.height()) * heightFactor);
    const int anchorX = document.ToPixels(left);
    const int anchorY = document.ToPixels(top);
    const int pixelColumnPitch = document.ToPixels(columnPitch);
    const int pixelRowPitch = document.ToPixels(rowPitch);
    Tshape prototype = makeShape(ShapeKind::PrintString);
    prototype.Stretch = false;
    prototype.name = name;
    prototype.str = text;
    prototype.direction = direction;
    setTextStyle(prototype, fontName, size * document.zoom, bold, italic, underLine, strikeOut,
                 static_cast<float>(charExtra), widthFactor, heightFactor);
    prototype.printSize = truncToInt(size);
    prototype.serialNo = serialNo;
    prototype.DBField = DBField;
    prototype.DBType = DBType;
    prototype.DBDateStyle = DBDateStyle;
    ShapeList grid;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            Tshape shape = prototype;
            shape.printLeft = truncToInt(static_cast<long double>(columnPitch) * j + left);
            shape.printTop = truncToInt(static_cast<long double>(rowPitch) * i + top);
            setAnchoredBox(shape, truncToInt(static_cast<long double>(pixelColumnPitch) * j + anchorX),
                           truncToInt(static_cast<long double>(pixelRowPitch) * i + anchorY), width, height);
            grid.append(std::move(shape));
        }
    }
    document.AppendAdded(std::move(grid));
}

void AddPrintBar(Tobject& document, const QString& name, int left, int top, int direction,
                 const QString& barType, int barWidth, int wideBarWidth, int barHeight, int selfAdd,
                 const QString& barValue, int displayCode, const QString& DBField,
                 const QString& fontName, int fontSize, int bold, int italic, int underLine,
                 int strikeOut, float strGap, float widthFactor, float heightFactor, int alignMode,
                 int if39Star, float xOffset, float yOffset, const QString& beginStr,
                 const QString& endStr)
{
    document.TakeSnapshot();
    Tshape bar = makeShape(ShapeKind::PrintBar);
    bar.direction = direction;
    bar.barType = barType;
    bar.barWidth = barWidth;
    bar.wideBarWidth = wideBarWidth;
    bar.barHeight = barHeight;
    bar.selfAdd = selfAdd;
    bar.barValue = barValue;
    bar.displayCode = displayCode;
    bar.DBField = DBField;
    setTextStyle(bar, fontName, static_cast<float>(fontSize), bold, italic, underLine, strikeOut, strGap,
                 widthFactor, heightFactor);
    bar.alignMode = alignMode;
    bar.if39Star = if39Star;
    bar.xOffset = xOffset;
    bar.yOffset = yOffset;
    bar.beginStr = beginStr;
    bar.endStr = endStr;
    const int width = MeasureBar(document, barValue, barWidth, barType);
    appendSymbol(document, std::move(bar), name, left, top, width, document.ToPixels(barHeight));
}

void AddPrintQRBar(Tobject& document, const QString& name, int left, int top, int direction, int barLevel,
                   int barWidth, const QString& barValue, const QString& DBField)
{
    document.TakeSnapshot();
    const int side = MeasureQR(document, barValue, barWidth, barLevel);
    appendSymbol(document, matrixCode(ShapeKind::PrintQRBar, direction, barLevel, barWidth, barValue, DBField),
                 name, left, top, side, side);
}

void AddPrintDataMatrix(Tobject& document, const QString& name, int left, int top, int direction,
                        int barWidth, const QString& barValue, const QString& DBField)
{
    document.TakeSnapshot();
    const int side = MeasureDataMatrix(document, barValue, barWidth);
    appendSymbol(document, matrixCode(ShapeKind::PrintDataMatrix, direction, 0, barWidth, barValue, DBField),
                 name, left, top, side, side);
}

void AddPrintPdf417Bar(Tobject& document, const QString& name, int left, int top, int direction,
                       int barLevel, int barWidth, const QString& barValue, int barHeight,
                       int barColumn, const QString& DBField)
{
    document.TakeSnapshot();
    Tshape code = matrixCode(ShapeKind::PrintPdf417Bar, direction, barLevel, barWidth, barValue, DBField);
    code.barHeight = barHeight;
    code.barColumn = barColumn;
    appendSymbol(document, std::move(code), name, left, top,
                 MeasurePdf417Width(document, barValue, barWidth, barLevel),
                 MeasurePdf417Height(document, barValue, barWidth, barLevel));
}

#pragma once

#include <QString>

class QPaintDevice;
class Tobject;

// The add operations of texts and symbols, placed by their anchor (left, top). Each measures
// what it adds, a text with its font on the label surface, a symbol with the barcode library,
// to give the new objects their pixel boxes; then, like every add operation of the document,
// it takes the undo snapshot, deselects every object, marks the label modified and appends
// the new objects selected. size is in points, charExtra in pixels. Grids are appended row by
// row, left to right; rows or columns of 0 or less append nothing.
void AddPrintStrings(Tobject& document, const QString& name, int left, int top, int rows, int columns,
                     int rowPitch, int columnPitch, const QString& text, int direction,
                     const QString& fontName, float size, int bold, int italic, int underLine,
                     int strikeOut, int charExtra, const QPaintDevice& surface, int serialNo,
                     float widthFactor, float heightFactor, const QString& DBField,
                     const QString& DBType, int DBDateStyle);
void AddPrintBar(Tobject& document, const QString& name, int left, int top, int direction,
                 const QString& barType, int barWidth, int wideBarWidth, int barHeight, int selfAdd,
                 const QString& barValue, int displayCode, const QString& DBField,
                 const QString& fontName, int fontSize, int bold, int italic, int underLine,
                 int strikeOut, float strGap, float widthFactor, float heightFactor, int alignMode,
                 int if39Star, float xOffset, float yOffset, const QString& beginStr,
                 const QString& endStr);
void AddPrintQRBar(Tobject& document, const QString& name, int left, int top, int direction, int barLevel,
                   int barWidth, const QString& barValue, const QString& DBField);
void AddPrintDataMatrix(Tobject& document, const QString& name, int left, int top, int direction,
                        int barWidth, const QString& barValue, const QString& DBField);
void AddPrintPdf417Bar(Tobject& document, const QString& name, int left, int top, int direction,
                       int barLevel, int barWidth, const QString& barValue, int barHeight,
                       int barColumn, const QString& DBField);

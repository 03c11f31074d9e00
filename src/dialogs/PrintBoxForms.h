#pragma once

#include "dialogs/CutBoxForms.h"

class Tobject;
struct Tshape;
struct LabelSettings;

// The printed boxes: rectangles (framed or solid) and pictures, in rows and columns.
// Their copies must stay clear of the label's far edges.

struct PrintRectForm {
    BoxForm box;
    QString radius = QStringLiteral("2");      // txtR "圆角", millimetres
    QString lineWidth = QStringLiteral("0.3"); // txtLineWidth "线宽", millimetres
    bool solid = false;                        // chbIsSolid "实心"
    bool radiusEnabled = true;
    bool lineWidthEnabled = true;
};

// "打印矩形": a 10 mm frame at the label's corner, framed, the gaps off.
void presetPrintRect(PrintRectForm& form);
// The position, size and gaps are checked as typed, so that -0.05 mm is refused; the
// corner and the frame's line only when the rectangle is not solid. A field that is no
// number, even one a solid rectangle does not use, is refused before anything changes.
QString printRectProblem(const PrintRectForm& form, const LabelSettings& label);
void addPrintRects(const PrintRectForm& form, Tobject& document);

// Its edit: box, corner, line width and fill; ConversionError before the record changes.
void fillPrintRectEdit(PrintRectForm& form, const Tshape& shape);
void writePrintRectEdit(const PrintRectForm& form, Tshape& shape, const Tobject& document);

// "打印图形": the preset and checks of the cut picture, with copies clear of the far edges.
QString printImageProblem(const PictureBoxForm& form, const LabelSettings& label);
void addPrintImages(const PictureBoxForm& form, Tobject& document);

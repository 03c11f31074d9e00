#pragma once

#include "dialogs/BoxForm.h"

class Tobject;
struct LabelSettings;

// The cut objects placed as boxes, in rows and columns: circles, half circles, outline
// pictures, and rectangles (these edited only). Each has the preset of its create command,
// the checks of its "确定" against the label's size, and its add, which converts every
// field before it changes anything.

// A box with rounded corners: the half circle and the cut rectangle.
struct RoundedBoxForm {
    BoxForm box;
    QString radius = QStringLiteral("2"); // txtR, millimetres
    bool radiusEnabled = true;
};

// A box that cuts or prints a picture.
struct PictureBoxForm {
    BoxForm box;
    QString fileName; // txtFileName
};

// "刻圆": a 10 mm circle at the label's corner.
void presetCutCircle(BoxForm& form);
QString cutCircleProblem(const BoxForm& form, const LabelSettings& label);
void addCutCircles(const BoxForm& form, Tobject& document);

// "刻半圆": as the circle, the gaps off; the corners may not round past half the smaller side,
// and the copies must stay clear of the label's far edges.
void presetCutHalfCircle(RoundedBoxForm& form);
QString cutHalfCircleProblem(const RoundedBoxForm& form, const LabelSettings& label);
void addCutHalfCircles(const RoundedBoxForm& form, Tobject& document);

// "刻异形": an outline traced from a bitmap, which must be named first.
void presetPictureBox(PictureBoxForm& form);
QString cutImageProblem(const PictureBoxForm& form, const LabelSettings& label);
void addCutImages(const PictureBoxForm& form, Tobject& document);

// The cut rectangle as its edit shows it: the checks of the half circle, but copies may
// end on the label's edge.
QString cutRectProblem(const RoundedBoxForm& form, const LabelSettings& label);

// Their edits: each fills the dialog from the object and writes the confirmed fields back
// into the record, raising ConversionError before the record changes when a field is no
// number. A circle is its box alone.
// A cut rectangle shows a radius of 0 that cannot be changed.
void fillCutRectEdit(RoundedBoxForm& form, const Tshape& shape);
void writeCutRectEdit(const RoundedBoxForm& form, Tshape& shape, const Tobject& document);
void fillCutHalfCircleEdit(RoundedBoxForm& form, const Tshape& shape);
void writeCutHalfCircleEdit(const RoundedBoxForm& form, Tshape& shape, const Tobject& document);
// A cut or printed picture: its box and its bitmap.
void fillPictureEdit(PictureBoxForm& form, const Tshape& shape);
void writePictureEdit(const PictureBoxForm& form, Tshape& shape, const Tobject& document);

// "文件名不能为空！"
QString emptyFileNameMessage();

#pragma once

#include "dialogs/PrintObjectForms.h"

#include <QString>

class QPaintDevice;
class Tobject;

// "修改字体": one font, character gap and direction for several selected texts at once.
struct EditStringForm {
    FontSample font;
    QString sampleText;                   // what pnlSample shows: the text the dialog was filled from
    QString strGap = QStringLiteral("0"); // txtStrGap, millimetres
    int direction = 0;                    // cmbDirection
};

// Fills the form from the first selected text; an object that is not selected, or not a
// text, has nothing to do with what the operator changes.
void fillEditStringForm(EditStringForm& form, const Tobject& document);

// A gap that is no number: "字间距必须输入数值！", and the dialog stays open.
QString editStringProblem(const EditStringForm& form);

// Gives every selected text the font, the size in points (its display size at the current
// zoom), the styles, the gap and the direction, and measures its box anew on surface with
// the gap in pixels of the screen. One undo step; the gap is converted before anything
// changes (ConversionError).
void applyEditString(const EditStringForm& form, Tobject& document, const QPaintDevice& surface);

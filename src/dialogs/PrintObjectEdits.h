#pragma once

#include "dialogs/MatrixCodeForms.h"
#include "dialogs/PrintBarForm.h"
#include "dialogs/PrintStringForm.h"

class QPaintDevice;
class Tobject;
struct Tshape;

// The edits of texts and symbols. Each fill shows the object in its dialog (one copy, counts
// and gaps disabled; a spreadsheet column in use ticks "使用数据库"), and each write gives the
// record the fields and the measured box its create command would give it.

void fillPrintStringEdit(PrintStringForm& form, const Tshape& shape);
// The character gap keeps the decimals typed, so that a gap the format dialog set survives
// an edit here: only the measuring of the box cuts it to whole pixels, as at creation.
void writePrintStringEdit(const PrintStringForm& form, Tshape& shape, const Tobject& document,
                          const QPaintDevice& surface);

// The type is the list's entry of the same name in any case; the ratio of the wide bar to
// the narrow one shows as "5:2" between 2 and 3, "3:1" at 3 and "2:1" otherwise.
void fillPrintBarEdit(PrintBarForm& form, const Tshape& shape);
void writePrintBarEdit(const PrintBarForm& form, Tshape& shape, const Tobject& document);

void fillPrintQRBarEdit(PrintQRBarForm& form, const Tshape& shape);
void writePrintQRBarEdit(const PrintQRBarForm& form, Tshape& shape, const Tobject& document);
void fillPrintDataMatrixEdit(PrintDataMatrixForm& form, const Tshape& shape);
void writePrintDataMatrixEdit(const PrintDataMatrixForm& form, Tshape& shape, const Tobject& document);
void fillPrintPdf417BarEdit(PrintPdf417BarForm& form, const Tshape& shape);
void writePrintPdf417BarEdit(const PrintPdf417BarForm& form, Tshape& shape, const Tobject& document);

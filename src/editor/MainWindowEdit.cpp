// The edit command: the current object (the one under the pointer, or the last row clicked in
// the object list) opens in the dialog of its kind, filled with its values; OK writes them
// back as one change that can be undone.
#include "dialogs/CutBoxDialogs.h"
#include "dialogs/CutLineRectDialog.h"
#include "dialogs/EditStringDialog.h"
#include "dialogs/LineDialogs.h"
#include "dialogs/MatrixCodeDialogs.h"
#include "dialogs/ObjectDialogs.h"
#include "dialogs/ObjectEdit.h"
#include "dialogs/PrintBarDialog.h"
#include "dialogs/PrintBoxDialogs.h"
#include "dialogs/PrintObjectEdits.h"
#include "dialogs/PrintStringDialog.h"
#include "dialogs/RoundRectForms.h"
#include "editor/LabelViewPanel.h"
#include "editor/MainWindow.h"

template <typename Dialog, typename Fill, typename Write>
void TfrmMain::editObject(Fill fill, Write write)
{
    Dialog* dialog = m_objectDialogs ? m_objectDialogs->find<Dialog>() : nullptr;
    const int index = m_document.current;
    if (!dialog || !m_document.isIndex(index))
        return;
    const auto preset = [&](auto& form) { fill(form, m_document.objects[index]); };
    const auto apply = [&](const auto& form) {
        commitEdit(m_document, index, [&](Tshape& edited) { write(form, edited, m_document); });
    };
    if (runObjectDialog(*dialog, preset, apply))
        redraw(true);
}

// Several texts selected and nothing else: one font for all of them.
void TfrmMain::editSelectedTexts()
{
    auto* dialog = m_objectDialogs ? m_objectDialogs->find<TfrmEditString>() : nullptr;
    if (!dialog)
        return;
    const auto fill = [this](EditStringForm& form) { fillEditStringForm(form, m_document); };
    const auto apply = [this](const EditStringForm& form) {
        applyEditString(form, m_document, m_view->surface()->image());
    };
    if (runObjectDialog(*dialog, fill, apply))
        redraw(true);
}

void TfrmMain::actionEditObjectExecute()
{
    if (!m_document.isIndex(m_document.current))
        return;
    if (m_document.AllSelectedAreTexts()) {
        editSelectedTexts();
        return;
    }
    // Texts are measured on the label surface, in the font the view draws them with.
    const auto writeText = [this](const PrintStringForm& form, Tshape& shape, const Tobject& document) {
        writePrintStringEdit(form, shape, document, m_view->surface()->image());
    };
    switch (m_document.objects[m_document.current].kind()) {
    case ShapeKind::CutRect:
        editObject<TfrmCutRect>(fillCutRectEdit, writeCutRectEdit);
        break;
    case ShapeKind::CutRoundRect:
        editObject<TfrmCutLineRect>(fillCutRoundRectEdit, writeCutRoundRectEdit);
        break;
    case ShapeKind::CutCircle:
        editObject<TfrmCutCircle>(fillEditedBox, writeEditedBox);
        break;
    case ShapeKind::CutHalfCircle:
        editObject<TfrmCutHalfCircle>(fillCutHalfCircleEdit, writeCutHalfCircleEdit);
        break;
    case ShapeKind::CutArc:
        editObject<TfrmCutArc>(fillCutArcEdit, writeCutArcEdit);
        break;
    case ShapeKind::CutLine:
        editObject<TfrmCutLine>(fillCutLineEdit, writeCutLineEdit);
        break;
    case ShapeKind::CutImage:
        editObject<TfrmCutImage>(fillPictureEdit, writePictureEdit);
        break;
    case ShapeKind::PrintRect:
        editObject<TfrmPrintRect>(fillPrintRectEdit, writePrintRectEdit);
        break;
    case ShapeKind::PrintLine:
        editObject<TfrmPrintLine>(fillPrintLineEdit, writePrintLineEdit);
        break;
    case ShapeKind::PrintImage:
        editObject<TfrmPrintImage>(fillPictureEdit, writePictureEdit);
        break;
    case ShapeKind::PrintString:
        editObject<TfrmPrintString>(fillPrintStringEdit, writeText);
        break;
    case ShapeKind::PrintBar:
        editObject<TfrmPrintBar>(fillPrintBarEdit, writePrintBarEdit);
        break;
    case ShapeKind::PrintQRBar:
        editObject<TfrmPrintQRBar>(fillPrintQRBarEdit, writePrintQRBarEdit);
        break;
    case ShapeKind::PrintDataMatrix:
        editObject<TfrmPrintDataMatrix>(fillPrintDataMatrixEdit, writePrintDataMatrixEdit);
        break;
    case ShapeKind::PrintPdf417Bar:
        editObject<TfrmPrintPdf417Bar>(fillPrintPdf417BarEdit, writePrintPdf417BarEdit);
        break;
    case ShapeKind::None:
        break;
    }
}

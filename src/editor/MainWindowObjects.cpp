// The create commands of the main window: each opens its object dialog and adds what the
// operator confirmed.
#include "data/DataSourceDialog.h"
#include "dialogs/CutBoxDialogs.h"
#include "dialogs/CutBoxForms.h"
#include "dialogs/CutLineRectDialog.h"
#include "dialogs/LineDialogs.h"
#include "dialogs/MatrixCodeDialogs.h"
#include "dialogs/ObjectDialogs.h"
#include "dialogs/PrintBarDialog.h"
#include "dialogs/PrintBoxDialogs.h"
#include "dialogs/PrintStringDialog.h"
#include "dialogs/RoundRectForms.h"
#include "editor/LabelViewPanel.h"
#include "editor/MainWindow.h"

template <typename Dialog, typename Preset, typename Add>
void TfrmMain::createObjects(Preset preset, Add add)
{
    Dialog* dialog = m_objectDialogs ? m_objectDialogs->find<Dialog>() : nullptr;
    if (dialog && runObjectDialog(*dialog, preset, [&](const auto& form) { add(form, m_document); }))
        redraw(true);
}

void TfrmMain::actionCutRectExecute()
{
    createObjects<TfrmCutLineRect>(presetRoundRect, addCutRoundRect);
}

void TfrmMain::actionCutCircleExecute()
{
    createObjects<TfrmCutCircle>(presetCutCircle, addCutCircles);
}

void TfrmMain::actionCutHalfCircleExecute()
{
    createObjects<TfrmCutHalfCircle>(presetCutHalfCircle, addCutHalfCircles);
}

void TfrmMain::actionCutLineExecute()
{
    createObjects<TfrmCutLine>(presetCutLine, addCutLine);
}

// The arc dialog keeps every value from its last use.
void TfrmMain::actionCutArcExecute()
{
    createObjects<TfrmCutArc>([](CutArcForm&) {}, addCutArc);
}

void TfrmMain::actionCutImageExecute()
{
    createObjects<TfrmCutImage>(presetPictureBox, addCutImages);
}

void TfrmMain::actionCutLineRectExecute()
{
    createObjects<TfrmCutLineRect>(presetRoundRect, addSegmentedRectChain);
}

void TfrmMain::actionPrintRectExecute()
{
    createObjects<TfrmPrintRect>(presetPrintRect, addPrintRects);
}

void TfrmMain::actionPrintLineExecute()
{
    createObjects<TfrmPrintLine>(presetPrintLine, addPrintLine);
}

void TfrmMain::actionPrintPictureExecute()
{
    createObjects<TfrmPrintImage>(presetPictureBox, addPrintImages);
}

void TfrmMain::actionPrintStringExecute()
{
    // Texts are measured on the label surface, in the font the view draws them with.
    createObjects<TfrmPrintString>(presetPrintString, [this](const PrintStringForm& form, Tobject& document) {
        addPrintStrings(form, document, m_view->surface()->image());
    });
}

void TfrmMain::actionPrintBarExecute()
{
    createObjects<TfrmPrintBar>(presetPrintBar, addPrintBar);
}

void TfrmMain::actionPrintQRBarExecute()
{
    createObjects<TfrmPrintQRBar>(presetMatrixCode<PrintQRBarForm>, addPrintQRBar);
}

void TfrmMain::actionPrintDataMatrixExecute()
{
    createObjects<TfrmPrintDataMatrix>(presetMatrixCode<PrintDataMatrixForm>, addPrintDataMatrix);
}

void TfrmMain::actionPrintPdf417Execute()
{
    createObjects<TfrmPrintPdf417Bar>(presetMatrixCode<PrintPdf417BarForm>, addPrintPdf417Bar);
}

void TfrmMain::actionDBSetExecute()
{
    if (auto* dialog = m_objectDialogs ? m_objectDialogs->find<TfrmDBSet>() : nullptr)
        dialog->exec();
}

// The create commands of the main window: each opens its object dialog and adds what the
// operator confirmed.
#include "data/DataSourceDialog.h"
#include "dialogs/CutBoxForms.h"
#include "dialogs/CutBoxDialogs.h"
#include "dialogs/MatrixCodeDialogs.h"
#include "dialogs/ObjectDialogs.h"
#include "dialogs/PrintBarDialog.h"
#include "dialogs/PrintStringDialog.h"
#include "editor/LabelViewPanel.h"
#include "editor/MainWindow.h"

template <typename Dialog, typename Preset, typename Add>
void TfrmMain::createObjects(Preset preset, Add add)
{
    Dialog* dialog = m_objectDialogs ? m_objectDialogs->find<Dialog>() : nullptr;
    if (dialog && createThroughDialog(*dialog, preset, add))
        redraw(true);
}

void TfrmMain::actionCutCircleExecute()
{
    createObjects<TfrmCutCircle>(presetCutCircle, [this](const BoxForm& form) { addCutCircles(form, m_document); });
}

void TfrmMain::actionPrintStringExecute()
{
    // Texts are measured on the label surface, in the font the view draws them with.
    createObjects<TfrmPrintString>(presetPrintString, [this](const PrintStringForm& form) {
        addPrintStrings(form, m_document, m_view->surface()->image());
    });
}

void TfrmMain::actionPrintBarExecute()
{
    createObjects<TfrmPrintBar>(presetPrintBar, [this](const PrintBarForm& form) { addPrintBar(form, m_document); });
}

void TfrmMain::actionPrintQRBarExecute()
{
    createObjects<TfrmPrintQRBar>(presetMatrixCode<PrintQRBarForm>,
                                  [this](const PrintQRBarForm& form) { addPrintQRBar(form, m_document); });
}

void TfrmMain::actionPrintDataMatrixExecute()
{
    createObjects<TfrmPrintDataMatrix>(presetMatrixCode<PrintDataMatrixForm>,
                                       [this](const PrintDataMatrixForm& form) { addPrintDataMatrix(form, m_document); });
}

void TfrmMain::actionPrintPdf417Execute()
{
    createObjects<TfrmPrintPdf417Bar>(presetMatrixCode<PrintPdf417BarForm>,
                                      [this](const PrintPdf417BarForm& form) { addPrintPdf417Bar(form, m_document); });
}

void TfrmMain::actionDBSetExecute()
{
    if (auto* dialog = m_objectDialogs ? m_objectDialogs->find<TfrmDBSet>() : nullptr)
        dialog->exec();
}

// The create commands of the main window: each opens its object dialog and adds what the
// operator confirmed.
#include "dialogs/CutBoxForms.h"
#include "dialogs/CutBoxDialogs.h"
#include "dialogs/ObjectDialogs.h"
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

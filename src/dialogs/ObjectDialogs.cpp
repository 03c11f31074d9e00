#include "dialogs/ObjectDialogs.h"

#include "dialogs/CutBoxDialogs.h"
#include "dialogs/CutLineRectDialog.h"
#include "dialogs/LineDialogs.h"
#include "dialogs/PrintBoxDialogs.h"

ObjectDialogs::ObjectDialogs(QWidget* mainWindow)
{
    // The order of start-up.
    create<TfrmCutRect>(mainWindow);
    create<TfrmCutCircle>(mainWindow);
    create<TfrmPrintRect>(mainWindow);
    create<TfrmCutHalfCircle>(mainWindow);
    create<TfrmCutImage>(mainWindow);
    create<TfrmCutLine>(mainWindow);
    create<TfrmPrintLine>(mainWindow);
    create<TfrmPrintImage>(mainWindow);
    create<TfrmCutArc>(mainWindow);
    create<TfrmCutLineRect>(mainWindow);
}

ObjectDialogs::~ObjectDialogs() = default;

#include "dialogs/ObjectDialogs.h"

#include "dialogs/CutBoxDialogs.h"

ObjectDialogs::ObjectDialogs(QWidget* mainWindow)
{
    // The order of start-up.
    create<TfrmCutCircle>(mainWindow);
}

ObjectDialogs::~ObjectDialogs() = default;

#include "dialogs/ObjectDialogs.h"

#include "data/DataSourceDialog.h"
#include "dialogs/CutBoxDialogs.h"
#include "dialogs/CutLineRectDialog.h"
#include "dialogs/EditStringDialog.h"
#include "dialogs/LineDialogs.h"
#include "dialogs/MatrixCodeDialogs.h"
#include "dialogs/PrintBarDialog.h"
#include "dialogs/PrintBoxDialogs.h"
#include "dialogs/PrintStringDialog.h"
#include "dialogs/RecordColumnPanel.h"

ObjectDialogs::ObjectDialogs(QWidget* mainWindow)
{
    // The order of start-up.
    create<TfrmCutRect>(mainWindow);
    create<TfrmCutCircle>(mainWindow);
    create<TfrmPrintString>(mainWindow);
    create<TfrmPrintRect>(mainWindow);
    create<TfrmCutHalfCircle>(mainWindow);
    create<TfrmCutImage>(mainWindow);
    create<TfrmCutLine>(mainWindow);
    create<TfrmPrintLine>(mainWindow);
    create<TfrmPrintImage>(mainWindow);
    create<TfrmPrintBar>(mainWindow);
    create<TfrmPrintQRBar>(mainWindow);
    create<TfrmPrintPdf417Bar>(mainWindow);
    create<TfrmCutArc>(mainWindow);
    create<TfrmCutLineRect>(mainWindow);
    create<TfrmPrintDataMatrix>(mainWindow);
    create<TfrmEditString>(mainWindow);
    create<TfrmDBSet>(mainWindow);

    // The database buttons of the text and symbol dialogs open the one data source dialog,
    // created after them.
    auto* dataSource = find<TfrmDBSet>();
    for (const auto& dialog : m_dialogs) {
        for (RecordColumnPanel* panel : dialog->findChildren<RecordColumnPanel*>())
            panel->setDataSourceDialog(dataSource);
    }
}

ObjectDialogs::~ObjectDialogs() = default;

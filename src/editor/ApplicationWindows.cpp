#include "editor/ApplicationWindows.h"

ApplicationWindows::ApplicationWindows()
{
    frmMain.setDialogs(&f_labelset, &f_about);
    frmMain.setObjectDialogs(&objectDialogs);
    frmMain.setJobWindow(&frmOstrel);
    frmOstrel.setRecordPicker(&frmSelectRecord);
    // The job window's "数据库设置" shows the same data source dialog as the main window's.
    QObject::connect(&frmOstrel, &TfrmOstrel::dataSourceRequested, &frmMain, &TfrmMain::actionDBSetExecute);
}

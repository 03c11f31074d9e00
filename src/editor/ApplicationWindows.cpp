#include "editor/ApplicationWindows.h"

ApplicationWindows::ApplicationWindows()
{
    frmMain.setDialogs(&f_labelset, &f_about);
    frmMain.setJobWindow(&frmOstrel);
    frmOstrel.setRecordPicker(&frmSelectRecord);
}

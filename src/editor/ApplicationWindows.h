#pragma once

#include "data/SelectRecordDialog.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/LabelSetupDialog.h"
#include "dialogs/ObjectDialogs.h"
#include "editor/MainWindow.h"
#include "job/JobWindow.h"

// Every window of the program, created once at start-up in a fixed order (the main window
// first) and living until the program ends; dialogs are shown and hidden, so each keeps
// the values it held last.
struct ApplicationWindows {
    ApplicationWindows();

    TfrmMain frmMain;
    Tf_labelset f_labelset;
    ObjectDialogs objectDialogs{&frmMain};
    Tf_about f_about{&frmMain};
    TfrmOstrel frmOstrel{&frmMain};
    TfrmSelectRecord frmSelectRecord{&frmOstrel};
};

#pragma once

#include "model/Tobject.h"

#include <QMainWindow>

class LabelViewPanel;
class QAction;
class QComboBox;
class QMenu;
class QTreeWidget;
class Tf_about;
class Tf_labelset;
class ToolWindowPanel;

// The editor's frame: it owns the one label document for the whole run, hosts the label
// view and the tool window, and offers every command through one list of actions shown in
// the main menu, the three tool bars and the label's context menu.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString title = QStringLiteral("Marlune");

    explicit TfrmMain(QWidget* parent = nullptr);

    // The dialogs are created once at start-up, after the main window.
    void setDialogs(Tf_labelset* labelSetup, Tf_about* about);
    // The label file named on the command line, opened when the window is first shown.
    void setStartupFile(const QString& path) { m_startupFile = path; }
    const QString& startupFile() const { return m_startupFile; }

    Tobject& document() { return m_document; }
    int dpi() const { return m_dpi; }
    float zoom() const;
    const QString& fileName() const { return m_fileName; }
    // The label file last loaded or saved; the caption shows it after the title.
    void setCurrentFile(const QString& path);

    // Sets up an empty label of width x height tenths of a millimetre at a zoom.
    void SetUpLabel(int width, int height, float zoom);
    // The zoom at which such a label fits the view; the zoom list returns to its first entry.
    float FitZoom(int width, int height);
    // A new size or rotation for the current label, refitted to the view.
    void ApplyLabelSize(int width, int height, int rotation);
    void ShowRotation(int rotation);

    // The close query: false keeps the program open.
    bool FormCloseQuery();

public slots:
    void actionNewExecute();
    void actionOpenExecute();
    void actionSaveExecute();
    void actionSaveToExecute();
    void actionCloseFileExecute();
    void actionPrintExecute();
    void actionCloseExecute();
    void actionLabelSetExecute();
    void actionDBSetExecute();
    void actionToolWindowExecute();
    void actionDeleteExecute();
    void actionDeleteAllExecute();
    void actionSelectAllExecute();
    void actionCopyToExecute();
    void actionPasteFromExecute();
    void actionUndoExecute();
    void actionCutRectExecute();
    void actionCutCircleExecute();
    void actionCutHalfCircleExecute();
    void actionCutLineExecute();
    void actionCutArcExecute();
    void actionCutImageExecute();
    void actionCutLineRectExecute();
    void actionImportDxfExecute();
    void actionSetStartLineExecute();
    void actionPrintRectExecute();
    void actionPrintLineExecute();
    void actionPrintStringExecute();
    void actionPrintBarExecute();
    void actionPrintQRBarExecute();
    void actionPrintDataMatrixExecute();
    void actionPrintPdf417Execute();
    void actionPrintPictureExecute();
    void actionEditObjectExecute();
    void actionIfPrintTrueExecute();
    void actionIfPrintFalseExecute();
    void actionListMoveExecute();
    void actionZoomUpExecute();
    void actionZoomDownExecute();
    void actionZoomMaxExecute();
    void actionAboutExecute();

    void cmbZoomChange();
    void btnRotationClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Built in MainWindowCommands.cpp.
    void createActions();
    void createMenus();
    void createToolBars();
    void createLabelMenu();
    QAction* action(const char* name) const;

    void createCentralArea();
    QSize viewArea() const;
    void setZoom(float zoom);
    void sizeRulersToSurface();
    void rescale(float zoom);
    void redraw(bool refreshList);
    void refreshObjectList();
    // The unsaved-changes prompt of the file commands: false when the operator cancels.
    bool confirmDiscard();

    Tobject m_document;
    int m_dpi = 96;
    QString m_fileName;
    QString m_startupFile;

    Tf_labelset* m_labelSetup = nullptr;
    Tf_about* m_about = nullptr;
    LabelViewPanel* m_view = nullptr;
    ToolWindowPanel* m_toolWindow = nullptr;
    QComboBox* m_zoomList = nullptr;
    QMenu* m_popup = nullptr;
};

#pragma once

#include "editor/PointerTool.h"
#include "files/LabelFileSession.h"
#include "model/Tobject.h"
#include "view/LabelRenderer.h"

#include <QMainWindow>

#include <optional>

class LabelViewPanel;
class ObjectDialogs;
enum class TransformAction;
class QAction;
class QComboBox;
class QMenu;
class QTreeWidget;
class Tf_about;
class Tf_labelset;
class TfrmOstrel;
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
    void setObjectDialogs(ObjectDialogs* dialogs) { m_objectDialogs = dialogs; }
    // The print-and-cut window, created once at start-up after the dialogs.
    void setJobWindow(TfrmOstrel* jobWindow) { m_jobWindow = jobWindow; }
    // The label file named on the command line, opened when the window is first shown.
    void setStartupFile(const QString& path) { m_startupFile = path; }
    const QString& startupFile() const { return m_startupFile; }
    // The recent-file list shown in the "文件" menu and kept up to date by the file commands.
    void setRecentFiles(const RecentFiles& recentFiles) { m_files.setRecentFiles(recentFiles); }

    Tobject& document() { return m_document; }
    // The pointer on the label surface; its editRequested signal reports double clicks.
    PointerTool& pointerTool() { return m_pointer; }
    int dpi() const { return m_dpi; }
    float zoom() const;
    const QString& fileName() const { return m_files.fileName(); }
    // The label file last loaded or saved; the caption shows it after the title.
    void setCurrentFile(const QString& path) { m_files.setFileName(path); }

    // Opens a label file and shows it; false when nothing was loaded.
    bool LoadLabel(const QString& path);

    // Sets up an empty label of width x height tenths of a millimetre at a zoom.
    void SetUpLabel(int width, int height, float zoom);
    // The zoom at which such a label fits the view; the zoom list returns to its first entry.
    float FitZoom(int width, int height);
    // A new size or rotation for the current label, refitted to the view.
    void ApplyLabelSize(int width, int height, int rotation);
    void ShowRotation(int rotation);

    // The close query: false keeps the program open.
    bool FormCloseQuery() { return m_files.closeQuery(); }
    // When the window is first shown: the recent files go into the "文件" menu, then the
    // label named on the command line opens.
    void FormShow();

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

    // The pointer on the label surface, the transform and align commands of the tool
    // window and the arrow keys (MainWindowPointer.cpp).
    void backimageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                            bool doubleClick);
    void backimageMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void backimageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void btnCopyClick();
    void btnMoveClick();
    void btnAlignClick();
    void rbLeftClick();
    void rbRightClick();
    void rbTopClick();
    void rbBottomClick();
    // The window sees every key before the focused control; true when an arrow key nudged
    // the selection, so that the control does not see it too.
    bool FormKeyDown(int key);

    // The object list (MainWindowList.cpp): a press or double click on it, a change of its
    // selection by the keyboard or a release, and the selected rows dropped on another row.
    void ListView1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                            bool doubleClick);
    void ListView1Change();
    void ListView1DragDrop(int x, int y);

protected:
    QMenu* createPopupMenu() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
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
    // The view half of setting up a label: surface and rulers at the label's size and zoom,
    // an empty object list.
    void showLabelSetUp();
    void showLoadedLabel();
    void showFileName(const QString& fileName);
    void createRecentFileEntries();
    void rescale(float zoom);
    void redraw(bool refreshList);
    void showObjectList(const std::optional<ObjectListContent>& content);
    void createPointerWiring();
    void createListWiring();
    void showPointerReply(const PointerReply& reply);
    void transformByFields(TransformAction action);
    void presetOffset(const QString& x, const QString& y, bool focusVertical);
    // A create command on the object dialog of class Dialog (see runObjectDialog),
    // followed by the redraw when it added objects. Built in MainWindowObjects.cpp.
    template <typename Dialog, typename Preset, typename Add>
    void createObjects(Preset preset, Add add);
    // The edit of the current object on the object dialog of class Dialog: fill shows the
    // object in the dialog's form, write puts the confirmed form back into a record. Built
    // in MainWindowEdit.cpp.
    template <typename Dialog, typename Fill, typename Write>
    void editObject(Fill fill, Write write);
    void editSelectedTexts();
    Tobject m_document;
    PointerTool m_pointer{m_document};
    LabelFileSession m_files;
    int m_dpi = 96;
    QString m_startupFile;
    bool m_shown = false;

    Tf_labelset* m_labelSetup = nullptr;
    Tf_about* m_about = nullptr;
    ObjectDialogs* m_objectDialogs = nullptr;
    TfrmOstrel* m_jobWindow = nullptr;
    LabelViewPanel* m_view = nullptr;
    ToolWindowPanel* m_toolWindow = nullptr;
    QComboBox* m_zoomList = nullptr;
    QMenu* m_popup = nullptr;
};

#include "editor/MainWindow.h"

#include "cutter/DxfImport.h"
#include "cutter/PathStart.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/LabelSetupDialog.h"
#include "editor/LabelViewPanel.h"
#include "job/JobWindow.h"
#include "editor/ObjectListPanel.h"
#include "editor/ToolWindowPanel.h"
#include "files/LabelSetup.h"
#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"
#include "model/ViewGeometry.h"
#include "view/LabelRenderer.h"
#include "view/LabelRescale.h"
#include "view/Rulers.h"
#include "view/ZoomList.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <array>

namespace {

// A view squeezed below its 30-pixel margin would give a zoom of zero or less, and every
// pixel conversion divides by the zoom; such a label is shown tiny until the view grows.
constexpr float smallestFitZoom = 0.01f;

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent)
    , m_files(LabelTarget{m_document, labelSettings(), jobSettings()})
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(title);
    setGeometry(218, 130, 934, 597);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    createCentralArea();
    createActions();
    createMenus();
    createToolBars();
    createLabelMenu();
    createPointerWiring();
    createListWiring();
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);

    connect(&m_files, &LabelFileSession::fileNameChanged, this, &TfrmMain::showFileName);
    connect(&m_files, &LabelFileSession::labelLoaded, this, &TfrmMain::showLoadedLabel);

    m_dpi = m_view->surface()->logicalDpiX();
    m_document.dpi = m_dpi;
    m_view->resizeRulers(5000, 5000);
    const LabelSettings& settings = labelSettings();
    SetUpLabel(settings.Width, settings.Height, FitZoom(settings.Width, settings.Height));
    ShowRotation(settings.Rotation);
}

void TfrmMain::createCentralArea()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlCentral"));
    m_view = new LabelViewPanel(central);
    m_toolWindow = new ToolWindowPanel(central);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_toolWindow);
    setCentralWidget(central);
    connect(m_view->rotationButton(), &QToolButton::clicked, this, guarded([this] { btnRotationClick(); }));
}

void TfrmMain::setDialogs(Tf_labelset* labelSetup, Tf_about* about)
{
    m_labelSetup = labelSetup;
    m_about = about;
}

float TfrmMain::zoom() const
{
    return labelSettings().Zoom;
}

void TfrmMain::setZoom(float zoom)
{
    labelSettings().Zoom = zoom;
}

QSize TfrmMain::viewArea() const
{
    return m_view->maximumViewportSize();
}

void TfrmMain::SetUpLabel(int width, int height, float zoom)
{
    ::SetUpLabel(m_document, labelSettings(), width, height, zoom);
    showLabelSetUp();
}

void TfrmMain::showLabelSetUp()
{
    const LabelSettings& settings = labelSettings();
    m_view->resizeSurface(labelImageSize(settings.Width, settings.Height, m_dpi, zoom()));
    sizeRulersToSurface();
    showObjectList(ObjectListContent{});
}

float TfrmMain::FitZoom(int width, int height)
{
    m_zoomList->setCurrentIndex(0);
    return std::max(fitZoom(width, height, m_dpi, viewArea()), smallestFitZoom);
}

void TfrmMain::ApplyLabelSize(int width, int height, int rotation)
{
    LabelSettings& settings = labelSettings();
    settings.Width = width;
    settings.Height = height;
    settings.Rotation = rotation;
    const float zoom = FitZoom(width, height);
    m_view->resizeSurface(zoomedSurfaceSize(width, height, m_dpi, zoom));
    m_document.labelWidth = width;
    m_document.labelHeight = height;
    rescale(zoom);
    sizeRulersToSurface();
    m_document.modified = true;
    ShowRotation(rotation);
}

void TfrmMain::ShowRotation(int rotation)
{
    static const std::array<QString, 4> arrows{QStringLiteral("↓"), QStringLiteral("→"),
                                               QStringLiteral("↑"), QStringLiteral("←")};
    if (rotation >= 0 && rotation < static_cast<int>(arrows.size()))
        m_view->rotationButton()->setText(arrows[rotation]);
}

void TfrmMain::btnRotationClick()
{
    const LabelSettings& settings = labelSettings();
    ApplyLabelSize(settings.Height, settings.Width, settings.Rotation == 0 ? 3 : 0);
}

void TfrmMain::cmbZoomChange()
{
    const LabelSettings& settings = labelSettings();
    const int index = m_zoomList->currentIndex();
    const float fit = index == 0 ? FitZoom(settings.Width, settings.Height) : 0.0f;
    const float zoom = zoomOfEntry(index, fit).value_or(this->zoom());
    m_view->resizeSurface(zoomedSurfaceSize(settings.Width, settings.Height, m_dpi, zoom));
    rescale(zoom);
    sizeRulersToSurface();
}

void TfrmMain::actionZoomUpExecute()
{
    m_zoomList->setCurrentIndex(zoomInEntry(m_zoomList->currentIndex()));
    cmbZoomChange();
}

void TfrmMain::actionZoomDownExecute()
{
    m_zoomList->setCurrentIndex(zoomOutEntry(m_zoomList->currentIndex()));
    cmbZoomChange();
}

void TfrmMain::actionZoomMaxExecute()
{
    m_zoomList->setCurrentIndex(0);
    cmbZoomChange();
}

void TfrmMain::sizeRulersToSurface()
{
    const QSize surface = m_view->surface()->size();
    m_view->resizeRulers(surface.width(), surface.height());
    m_pointer.rulersRedrawn();
    DrawRowRuler(surface.width(), m_view->rowRuler()->image(), m_document);
    DrawColRuler(surface.height(), m_view->columnRuler()->image(), m_document);
}

// The zoom of the document and the view change together.
void TfrmMain::rescale(float zoom)
{
    setZoom(zoom);
    showObjectList(Rescale(m_document, zoom, m_view->surface()->image()));
    m_view->surface()->update();
}

void TfrmMain::redraw(bool refreshList)
{
    showObjectList(Draw(m_view->surface()->image(), m_document, refreshList));
    m_view->surface()->update();
}

void TfrmMain::showObjectList(const std::optional<ObjectListContent>& content)
{
    if (!content)
        return;
    QTreeWidget* list = m_toolWindow->objectList();
    // The rows come from the label: rebuilding them is no selection by the operator.
    const QSignalBlocker quiet(list);
    list->setUpdatesEnabled(false);
    list->clear();
    QTreeWidgetItem* lastSelected = nullptr;
    for (const ObjectListRow& row : content->rows) {
        auto* item = new QTreeWidgetItem(list, {QString::number(row.number), row.kindText});
        if (row.selected) {
            item->setSelected(true);
            lastSelected = item;
        }
    }
    list->setUpdatesEnabled(true);
    if (lastSelected)
        list->scrollToItem(lastSelected);
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    cmbZoomChange();
}

void TfrmMain::actionLabelSetExecute()
{
    if (!m_labelSetup)
        return;
    LabelSetupForm form = m_labelSetup->form();
    fillLabelSetupForm(form, labelSettings());
    m_labelSetup->showForm(form);
    if (m_labelSetup->exec() != QDialog::Accepted)
        return;
    const LabelSize size = applyLabelSetup(m_labelSetup->form(), labelSettings(), m_document);
    ApplyLabelSize(size.width, size.height, size.rotation);
}

void TfrmMain::actionToolWindowExecute()
{
    m_toolWindow->setVisible(m_toolWindow->isHidden());
}

void TfrmMain::actionDeleteExecute()
{
    // Delete edits the offset boxes while one of them has the keyboard focus.
    const QWidget* focus = QApplication::focusWidget();
    if (focus == m_toolWindow->offsetX() || focus == m_toolWindow->offsetY())
        return;
    m_document.DeleteSelected();
    redraw(true);
}

void TfrmMain::actionDeleteAllExecute()
{
    m_document.DeleteAll();
    redraw(true);
}

void TfrmMain::actionSelectAllExecute()
{
    m_document.SelectAll(true);
    redraw(true);
}

void TfrmMain::actionCopyToExecute()
{
    m_document.CopyToClipboard();
}

void TfrmMain::actionPasteFromExecute()
{
    m_document.PasteFromClipboard();
    if (!m_document.clipboard.isEmpty())
        m_document.modified = true;
    redraw(true);
}

void TfrmMain::actionUndoExecute()
{
    m_document.Undo();
    redraw(true);
}

void TfrmMain::actionImportDxfExecute()
{
    const QString path = fileChooser().choose(
        {FileChoice::Mode::Open, QStringLiteral("DXF files (*.dxf)|*.dxf|All files (*.*)|*.*"),
         QStringLiteral(".dxf"), m_files.dialogFolder()});
    if (path.isEmpty())
        return;
    const DxfImportResult result = importDxf(m_document, path);
    redraw(true);
    // A value that is no number ends the import in the standard error box; the objects read
    // before it stay in the label and are shown.
    if (result.stop) {
        showStandardError(result.stop->reason);
        return;
    }
    QStringList lines = result.warnings;
    if (!result.ok())
        lines.prepend(result.error);
    if (!lines.isEmpty())
        showMessage(tr("提示"), lines.join(QLatin1Char('\n')), MessageIcon::Warning);
}

void TfrmMain::actionSetStartLineExecute()
{
    if (setPathStart(m_document))
        redraw(true);
}

// The tool bars are fixed: no menu to hide them.
QMenu* TfrmMain::createPopupMenu()
{
    return nullptr;
}

void TfrmMain::actionAboutExecute()
{
    if (m_about)
        m_about->exec();
}

void TfrmMain::actionPrintExecute()
{
    if (!m_jobWindow || !m_jobWindow->Execute(m_document.objects))
        return;
    // A changed setting or a serial number stepped by the printed labels belongs to the label:
    // closing it unsaved asks first, and the view shows the values the next label will carry.
    m_document.modified = true;
    redraw(true);
}

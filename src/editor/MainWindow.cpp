#include "editor/MainWindow.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/LabelSetupDialog.h"
#include "editor/LabelViewPanel.h"
#include "editor/ToolWindowPanel.h"
#include "editor/ZoomList.h"
#include "job/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"
#include "model/ViewGeometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
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
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);

    m_dpi = m_view->surface()->logicalDpiX();
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
    connect(m_view->rotationButton(), &QToolButton::clicked, this, &TfrmMain::btnRotationClick);
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
    LabelSettings& settings = labelSettings();
    settings.Width = width;
    settings.Height = height;
    setZoom(zoom);
    m_view->resizeSurface(labelImageSize(width, height, m_dpi, zoom));
    m_document.Reset(width, height, m_dpi, zoom);
    sizeRulersToSurface();
    if (!settings.BGFile.isEmpty()) {
        m_document.bgFile = settings.BGFile;
        m_document.bgX = settings.BGX;
        m_document.bgY = settings.BGY;
        m_document.bgWidth = settings.BGWidth;
        m_document.bgHeight = settings.BGHeight;
    } else {
        settings.BGX = settings.BGY = settings.BGWidth = settings.BGHeight = 0;
        m_document.bgFile.clear();
        m_document.bgX = m_document.bgY = m_document.bgWidth = m_document.bgHeight = 0;
    }
    m_toolWindow->objectList()->clear();
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
    sizeRulersToSurface();
    rescale(zoom);
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
}

// The zoom of the document and the view change together. The objects' pixel boxes follow
// the zoom once the label renderer takes over the redraw.
void TfrmMain::rescale(float zoom)
{
    m_document.zoom = zoom;
    setZoom(zoom);
    redraw(true);
}

void TfrmMain::redraw(bool refreshList)
{
    m_view->surface()->image().fill(Qt::white);
    m_view->surface()->update();
    if (refreshList)
        refreshObjectList();
}

void TfrmMain::refreshObjectList()
{
    QTreeWidget* list = m_toolWindow->objectList();
    list->setUpdatesEnabled(false);
    list->clear();
    QTreeWidgetItem* lastSelected = nullptr;
    for (qsizetype i = 0; i < m_document.objects.size(); ++i) {
        const Tshape& shape = m_document.objects.at(i);
        // An outline whose bitmap is gone cannot be drawn; its row keeps only the number.
        const bool drawable = shape.kind() != ShapeKind::CutImage || QFileInfo::exists(shape.fileName);
        auto* row = new QTreeWidgetItem(list, {QString::number(i + 1),
                                               drawable ? objectListText(shape) : QString()});
        if (shape.Selected) {
            row->setSelected(true);
            lastSelected = row;
        }
    }
    list->setUpdatesEnabled(true);
    if (lastSelected)
        list->scrollToItem(lastSelected);
}

void TfrmMain::setCurrentFile(const QString& path)
{
    m_fileName = path;
    setWindowTitle(title + QStringLiteral("    ") + m_fileName);
}

bool TfrmMain::confirmDiscard()
{
    if (!m_document.modified)
        return true;
    switch (askQuestion(QString(), tr("文件尚未存盘。存盘吗？"), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::Yes:
        actionSaveExecute();
        return true;
    default:
        return true;
    }
}

bool TfrmMain::FormCloseQuery()
{
    if (!m_document.modified)
        return true;
    switch (askQuestion(tr("提示"), tr("文件尚未存盘。存盘吗？"), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::Yes:
        actionSaveExecute();
        return askQuestion(tr("提示"), tr("继续退出吗？")) == MessageAnswer::Yes;
    default:
        return true;
    }
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    cmbZoomChange();
}

void TfrmMain::actionNewExecute()
{
    if (!m_labelSetup || !confirmDiscard())
        return;
    LabelSettings& settings = labelSettings();
    m_labelSetup->setSizeText(QString::number(settings.Width / 10), QString::number(settings.Height / 10));
    if (m_labelSetup->exec() != QDialog::Accepted)
        return;
    const LabelSetupForm form = m_labelSetup->form();
    const int width = tenthsOfMillimetre(form.width);
    const int height = tenthsOfMillimetre(form.height);
    SetUpLabel(width, height, FitZoom(width, height));
    settings.Rotation = form.landscape ? 3 : 0;
    ShowRotation(settings.Rotation);
    setCurrentFile({});
    JobSettings& job = jobSettings();
    job.dbName.clear();
    job.tableName.clear();
    job.printFile.clear();
    job.ifDBPrint = 0;
    job.ifPrintFile = 0;
    settings.BGFile.clear();
    m_document.bgFile.clear();
    settings.labelLock = m_document.labelLock = 0;
}

void TfrmMain::actionCloseFileExecute()
{
    if (!confirmDiscard())
        return;
    labelSettings().BGFile.clear();
    setCurrentFile({});
    constexpr int square = 900;
    SetUpLabel(square, square, FitZoom(square, square));
}

void TfrmMain::actionCloseExecute()
{
    close();
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

void TfrmMain::actionAboutExecute()
{
    if (m_about)
        m_about->exec();
}

// Commands whose behaviour comes with the label file, the object dialogs, the pointer
// tools, the object list and the job window; bound now so that the menus are complete.
void TfrmMain::actionOpenExecute() {}
void TfrmMain::actionSaveExecute() {}
void TfrmMain::actionSaveToExecute() {}
void TfrmMain::actionPrintExecute() {}
void TfrmMain::actionDBSetExecute() {}
void TfrmMain::actionCutRectExecute() {}
void TfrmMain::actionCutCircleExecute() {}
void TfrmMain::actionCutHalfCircleExecute() {}
void TfrmMain::actionCutLineExecute() {}
void TfrmMain::actionCutArcExecute() {}
void TfrmMain::actionCutImageExecute() {}
void TfrmMain::actionCutLineRectExecute() {}
void TfrmMain::actionImportDxfExecute() {}
void TfrmMain::actionSetStartLineExecute() {}
void TfrmMain::actionPrintRectExecute() {}
void TfrmMain::actionPrintLineExecute() {}
void TfrmMain::actionPrintStringExecute() {}
void TfrmMain::actionPrintBarExecute() {}
void TfrmMain::actionPrintQRBarExecute() {}
void TfrmMain::actionPrintDataMatrixExecute() {}
void TfrmMain::actionPrintPdf417Execute() {}
void TfrmMain::actionPrintPictureExecute() {}
void TfrmMain::actionEditObjectExecute() {}
void TfrmMain::actionIfPrintTrueExecute() {}
void TfrmMain::actionIfPrintFalseExecute() {}
void TfrmMain::actionListMoveExecute() {}

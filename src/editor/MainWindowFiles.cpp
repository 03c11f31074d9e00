// The file commands of the main window, its start-up and its close query. The rules live in
// the label file session; the window shows their outcome.
#include "dialogs/LabelSetupDialog.h"
#include "editor/LabelViewPanel.h"
#include "editor/MainWindow.h"
#include "model/Convert.h"
#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"

#include <QCloseEvent>
#include <QMenu>
#include <QShowEvent>

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // Once the window is on the screen, so that a message about the start-up file has a
    // window to stand over.
    QMetaObject::invokeMethod(this, guarded([this] { FormShow(); }), Qt::QueuedConnection);
}

void TfrmMain::FormShow()
{
    createRecentFileEntries();
    if (!m_startupFile.isEmpty())
        LoadLabel(m_startupFile);
}

// The entries go before the last two entries of "文件" (a separator and "退出") in list
// order. The menu is built only here; later changes to the list show at the next start.
void TfrmMain::createRecentFileEntries()
{
    auto* fileMenu = findChild<QMenu*>(QStringLiteral("mnuFile"));
    const QList<QAction*> entries = fileMenu->actions();
    QAction* before = entries.at(entries.size() - 2);
    int position = 0;
    for (const QString& path : m_files.recentEntries()) {
        // An ampersand in a path is a character of the path, not a menu hot key.
        auto* entry = new QAction(QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")), fileMenu);
        entry->setObjectName(QStringLiteral("mnuRecentFile%1").arg(++position));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, guarded([this, path] { LoadLabel(path); }));
        fileMenu->insertAction(before, entry);
    }
}

bool TfrmMain::LoadLabel(const QString& path)
{
    return m_files.open(path);
}

void TfrmMain::showLoadedLabel()
{
    showLabelSetUp();
    ShowRotation(labelSettings().Rotation);
    redraw(true);
}

void TfrmMain::showFileName(const QString& fileName)
{
    setWindowTitle(title + QStringLiteral("    ") + fileName);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TfrmMain::actionNewExecute()
{
    if (!m_labelSetup || !m_files.confirmDiscard())
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

void TfrmMain::actionOpenExecute()
{
    m_files.openWithDialog();
}

void TfrmMain::actionSaveExecute()
{
    m_files.save();
}

void TfrmMain::actionSaveToExecute()
{
    m_files.saveAs();
}

void TfrmMain::actionCloseFileExecute()
{
    if (!m_files.confirmDiscard())
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

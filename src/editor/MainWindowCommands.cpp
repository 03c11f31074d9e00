// The command table of the main window and the menus, tool bars and context menu that show
// its actions.
#include "editor/CommandIcons.h"
#include "editor/LabelViewPanel.h"
#include "editor/MainWindow.h"
#include "model/MessageService.h"
#include "view/ZoomList.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

struct Command {
    const char* name;
    const char* caption;
    int image; // -1: no picture
    QKeyCombination keys;
    void (TfrmMain::*handler)();
};

constexpr QKeyCombination none{};

const Command commands[] = {
    {"actionNew", QT_TRANSLATE_NOOP("TfrmMain", "新建"), 0, Qt::CTRL | Qt::Key_N, &TfrmMain::actionNewExecute},
    {"actionOpen", QT_TRANSLATE_NOOP("TfrmMain", "打开"), 1, Qt::CTRL | Qt::Key_O, &TfrmMain::actionOpenExecute},
    {"actionSave", QT_TRANSLATE_NOOP("TfrmMain", "保存"), 2, Qt::CTRL | Qt::Key_S, &TfrmMain::actionSaveExecute},
    {"actionSaveTo", QT_TRANSLATE_NOOP("TfrmMain", "另存为"), -1, none, &TfrmMain::actionSaveToExecute},
    {"actionCloseFile", QT_TRANSLATE_NOOP("TfrmMain", "关闭文件"), -1, none, &TfrmMain::actionCloseFileExecute},
    {"actionPrint", QT_TRANSLATE_NOOP("TfrmMain", "打印雕刻"), 3, Qt::CTRL | Qt::Key_P, &TfrmMain::actionPrintExecute},
    {"actionClose", QT_TRANSLATE_NOOP("TfrmMain", "退出"), 6, none, &TfrmMain::actionCloseExecute},
    {"actionLabelSet", QT_TRANSLATE_NOOP("TfrmMain", "标签设置"), 27, none, &TfrmMain::actionLabelSetExecute},
    {"actionDBSet", QT_TRANSLATE_NOOP("TfrmMain", "数据库设置"), -1, none, &TfrmMain::actionDBSetExecute},
    {"actionToolWindow", QT_TRANSLATE_NOOP("TfrmMain", "工具窗口"), -1, none, &TfrmMain::actionToolWindowExecute},
    {"actionDelete", QT_TRANSLATE_NOOP("TfrmMain", "删除"), 25, QKeyCombination(Qt::Key_Delete), &TfrmMain::actionDeleteExecute},
    {"actionDeleteAll", QT_TRANSLATE_NOOP("TfrmMain", "删除全部"), -1, Qt::SHIFT | Qt::Key_Delete, &TfrmMain::actionDeleteAllExecute},
    {"actionSelectAll", QT_TRANSLATE_NOOP("TfrmMain", "全选"), -1, Qt::CTRL | Qt::Key_A, &TfrmMain::actionSelectAllExecute},
    {"actionCopyTo", QT_TRANSLATE_NOOP("TfrmMain", "拷贝到粘贴板"), -1, Qt::CTRL | Qt::Key_C, &TfrmMain::actionCopyToExecute},
    {"actionPasteFrom", QT_TRANSLATE_NOOP("TfrmMain", "从粘贴板粘贴"), -1, Qt::CTRL | Qt::Key_V, &TfrmMain::actionPasteFromExecute},
    {"actionUndo", QT_TRANSLATE_NOOP("TfrmMain", "撤消"), -1, Qt::CTRL | Qt::Key_Z, &TfrmMain::actionUndoExecute},
    {"actionCutRect", QT_TRANSLATE_NOOP("TfrmMain", "刻方"), 10, none, &TfrmMain::actionCutRectExecute},
    {"actionCutCircle", QT_TRANSLATE_NOOP("TfrmMain", "刻圆"), 11, none, &TfrmMain::actionCutCircleExecute},
    {"actionCutHalfCircle", QT_TRANSLATE_NOOP("TfrmMain", "刻半圆"), 26, none, &TfrmMain::actionCutHalfCircleExecute},
    {"actionCutLine", QT_TRANSLATE_NOOP("TfrmMain", "刻直线"), 14, none, &TfrmMain::actionCutLineExecute},
    {"actionCutArc", QT_TRANSLATE_NOOP("TfrmMain", "刻弧"), 31, none, &TfrmMain::actionCutArcExecute},
    {"actionCutImage", QT_TRANSLATE_NOOP("TfrmMain", "刻异形"), 28, none, &TfrmMain::actionCutImageExecute},
    {"actionCutLineRect", QT_TRANSLATE_NOOP("TfrmMain", "线段式刻方"), 32, none, &TfrmMain::actionCutLineRectExecute},
    {"actionImportDxf", QT_TRANSLATE_NOOP("TfrmMain", "导入cad的dxf文件"), 33, none, &TfrmMain::actionImportDxfExecute},
    {"actionSetStartLine", QT_TRANSLATE_NOOP("TfrmMain", "设置闭合路径从此开始雕刻"), -1, none, &TfrmMain::actionSetStartLineExecute},
    {"actionPrintRect", QT_TRANSLATE_NOOP("TfrmMain", "打印矩形"), 20, none, &TfrmMain::actionPrintRectExecute},
    {"actionPrintLine", QT_TRANSLATE_NOOP("TfrmMain", "打印直线"), 18, none, &TfrmMain::actionPrintLineExecute},
    {"actionPrintString", QT_TRANSLATE_NOOP("TfrmMain", "打印字符"), 22, none, &TfrmMain::actionPrintStringExecute},
    {"actionPrintBar", QT_TRANSLATE_NOOP("TfrmMain", "打印一维码"), 15, none, &TfrmMain::actionPrintBarExecute},
    {"actionPrintQRBar", QT_TRANSLATE_NOOP("TfrmMain", "打印QR码"), 24, none, &TfrmMain::actionPrintQRBarExecute},
    {"actionPrintDataMatrix", QT_TRANSLATE_NOOP("TfrmMain", "打印DM码"), 34, none, &TfrmMain::actionPrintDataMatrixExecute},
    {"actionPrintPdf417", QT_TRANSLATE_NOOP("TfrmMain", "打印Pdf417"), 29, none, &TfrmMain::actionPrintPdf417Execute},
    {"actionPrintPicture", QT_TRANSLATE_NOOP("TfrmMain", "打印图形"), 19, none, &TfrmMain::actionPrintPictureExecute},
    {"actionEditObject", QT_TRANSLATE_NOOP("TfrmMain", "编辑"), -1, none, &TfrmMain::actionEditObjectExecute},
    {"actionIfPrintTrue", QT_TRANSLATE_NOOP("TfrmMain", "允许打印雕刻"), -1, none, &TfrmMain::actionIfPrintTrueExecute},
    {"actionIfPrintFalse", QT_TRANSLATE_NOOP("TfrmMain", "禁止打印雕刻"), -1, none, &TfrmMain::actionIfPrintFalseExecute},
    {"actionListMove", QT_TRANSLATE_NOOP("TfrmMain", "移到最后打印雕刻"), -1, none, &TfrmMain::actionListMoveExecute},
    {"actionZoomUp", QT_TRANSLATE_NOOP("TfrmMain", "放大"), -1, none, &TfrmMain::actionZoomUpExecute},
    {"actionZoomDown", QT_TRANSLATE_NOOP("TfrmMain", "缩小"), -1, none, &TfrmMain::actionZoomDownExecute},
    {"actionZoomMax", QT_TRANSLATE_NOOP("TfrmMain", "全屏"), -1, none, &TfrmMain::actionZoomMaxExecute},
    {"actionAbout", QT_TRANSLATE_NOOP("TfrmMain", "关于"), -1, none, &TfrmMain::actionAboutExecute},
};

// A menu entry or tool-bar button that shows a command under a caption of its own.
QAction* alias(QAction* command, const QString& name, const QString& caption, QObject* parent)
{
    auto* entry = new QAction(command->icon(), caption, parent);
    entry->setObjectName(name);
    QObject::connect(entry, &QAction::triggered, command, &QAction::trigger);
    return entry;
}

// Null pointers stand for separators.
void fill(QWidget* menuOrBar, std::initializer_list<QAction*> entries)
{
    for (QAction* entry : entries) {
        if (entry) {
            menuOrBar->addAction(entry);
        } else {
            auto* separator = new QAction(menuOrBar);
            separator->setSeparator(true);
            menuOrBar->addAction(separator);
        }
    }
}

} // namespace

void TfrmMain::createActions()
{
    for (const Command& command : commands) {
        auto* entry = new QAction(tr(command.caption), this);
        entry->setObjectName(QString::fromLatin1(command.name));
        if (command.image >= 0)
            entry->setIcon(commandIcon(command.image));
        if (command.keys != none)
            entry->setShortcut(QKeySequence(command.keys));
        const auto handler = command.handler;
        connect(entry, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
        // Shortcuts work wherever the focus is in the window, menus open or not.
        addAction(entry);
    }
}

QAction* TfrmMain::action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void TfrmMain::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [bar](const QString& name, const QString& caption) {
        QMenu* entry = bar->addMenu(caption);
        entry->setObjectName(name);
        return entry;
    };
    fill(menu(QStringLiteral("mnuFile"), tr("文件")),
         {action("actionNew"), action("actionOpen"), nullptr, action("actionSave"),
          action("actionSaveTo"), action("actionCloseFile"), nullptr, action("actionPrint"),
          nullptr, nullptr, action("actionClose")});
    fill(menu(QStringLiteral("mnuEdit"), tr("编辑")),
         {action("actionLabelSet"), action("actionDBSet"), nullptr, action("actionToolWindow"),
          nullptr, action("actionDelete"), action("actionDeleteAll"), nullptr,
          action("actionSelectAll"), nullptr, action("actionCopyTo"), action("actionPasteFrom"),
          nullptr, action("actionUndo")});
    fill(menu(QStringLiteral("mnuCut"), tr("刻绘")),
         {action("actionCutRect"), action("actionCutCircle"), action("actionCutLine"),
          action("actionCutArc"), nullptr, action("actionCutLineRect"), nullptr,
          action("actionImportDxf")});
    QAction* dataMatrix = alias(action("actionPrintDataMatrix"), QStringLiteral("mnuPrintDataMatrix"),
                                tr("打印DataMatrix二维码"), this);
    fill(menu(QStringLiteral("mnuPrint"), tr("打印")),
         {action("actionPrintRect"), action("actionPrintLine"), action("actionPrintString"),
          action("actionPrintBar"), action("actionPrintQRBar"), dataMatrix,
          action("actionPrintPdf417"), action("actionPrintPicture")});
    fill(menu(QStringLiteral("mnuHelp"), tr("帮助")), {action("actionAbout")});
}

void TfrmMain::createToolBars()
{
    const auto toolBar = [this](const QString& name, Qt::ToolBarArea area, QSize button,
                                std::initializer_list<QAction*> entries) {
        auto* bar = new QToolBar(this);
        bar->setObjectName(name);
        bar->setMovable(false);
        bar->setIconSize({commandImageSize, commandImageSize});
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        fill(bar, entries);
        for (QAction* entry : entries) {
            if (!entry)
                continue;
            // A translated caption longer than the Chinese one widens its button instead of
            // being cut short.
            QWidget* widget = bar->widgetForAction(entry);
            const int caption = widget->fontMetrics().horizontalAdvance(entry->iconText()) + 6;
            widget->setFixedSize(std::max(button.width(), caption), button.height());
        }
        addToolBar(area, bar);
        return bar;
    };
    const QSize wide(55, 36);
    toolBar(QStringLiteral("ToolBarFile"), Qt::TopToolBarArea, wide,
            {action("actionNew"), action("actionOpen"), action("actionSave"), action("actionPrint"),
             nullptr, action("actionLabelSet"), nullptr, action("actionClose")});

    auto* zoomBand = new QToolBar(this);
    zoomBand->setObjectName(QStringLiteral("CoolBarZoomBand"));
    zoomBand->setMovable(false);
    auto* panel = new QWidget(zoomBand);
    panel->setObjectName(QStringLiteral("Panel1"));
    m_zoomList = new QComboBox(panel);
    m_zoomList->setObjectName(QStringLiteral("cmbZoom"));
    m_zoomList->setFixedWidth(73);
    m_zoomList->setFont(QFont(QStringLiteral("宋体")));
    m_zoomList->addItems(zoomEntryTexts());
    connect(m_zoomList, &QComboBox::activated, this, guarded([this] { cmbZoomChange(); }));
    const auto zoomButton = [panel](const QString& name, const QString& caption, QAction* command) {
        auto* button = new QToolButton(panel);
        button->setObjectName(name);
        button->setText(caption);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
        return button;
    };
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(2, 0, 2, 0);
    panelLayout->addWidget(m_zoomList);
    panelLayout->addWidget(zoomButton(QStringLiteral("btnZoomUp"), QStringLiteral("+"), action("actionZoomUp")));
    panelLayout->addWidget(zoomButton(QStringLiteral("btnZoomDown"), QStringLiteral("-"), action("actionZoomDown")));
    zoomBand->addWidget(panel);
    addToolBar(Qt::TopToolBarArea, zoomBand);

    toolBar(QStringLiteral("ToolBarCut"), Qt::TopToolBarArea, wide,
            {action("actionCutRect"), action("actionCutCircle"), action("actionCutLine"),
             action("actionCutArc"),
             alias(action("actionCutLineRect"), QStringLiteral("tbCutLineRect"), tr("线段刻方"), this),
             alias(action("actionImportDxf"), QStringLiteral("tbImportDxf"), tr("导入cad"), this)});
    toolBar(QStringLiteral("ToolBar1"), Qt::LeftToolBarArea, QSize(67, 36),
            {action("actionPrintRect"), action("actionPrintLine"), action("actionPrintString"),
             action("actionPrintBar"), action("actionPrintQRBar"), action("actionPrintDataMatrix"),
             action("actionPrintPdf417"), action("actionPrintPicture")});
}

void TfrmMain::createLabelMenu()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    const auto submenu = [this](const QString& name, const QString& caption,
                                std::initializer_list<QAction*> entries) {
        QMenu* sub = new QMenu(caption, m_popup);
        sub->setObjectName(name);
        fill(sub, entries);
        return sub->menuAction();
    };
    fill(m_popup,
         {action("actionEditObject"), nullptr, action("actionSetStartLine"), nullptr,
          action("actionListMove"),
          submenu(QStringLiteral("mnuPrintFlag"), tr("设置是否打印雕刻"),
                  {action("actionIfPrintTrue"), action("actionIfPrintFalse")}),
          action("actionDelete"), action("actionDeleteAll"), nullptr,
          submenu(QStringLiteral("mnuAddCut"), tr("加刻绘项"),
                  {action("actionCutRect"), action("actionCutCircle"), action("actionCutHalfCircle"),
                   action("actionCutLine"), action("actionCutImage")}),
          submenu(QStringLiteral("mnuAddPrint"), tr("加打印项"),
                  {action("actionPrintRect"), action("actionPrintLine"), action("actionPrintString"),
                   action("actionPrintBar"), action("actionPrintQRBar"), action("actionPrintPdf417"),
                   action("actionPrintPicture")}),
          nullptr,
          submenu(QStringLiteral("mnuZoom"), tr("伸缩"),
                  {action("actionZoomUp"), action("actionZoomDown"), nullptr, action("actionZoomMax")}),
          nullptr, action("actionPrint"), nullptr, action("actionLabelSet")});

    ImageSurface* surface = m_view->surface();
    surface->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(surface, &QWidget::customContextMenuRequested, this,
            [this, surface](const QPoint& position) { m_popup->popup(surface->mapToGlobal(position)); });
}

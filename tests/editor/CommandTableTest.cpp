#include "MainWindowFixture.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ExpectedCommand {
    const char* name;
    const char* caption;
    bool hasPicture;
    const char* keys; // portable text; empty for none
};

// The command table as the operator meets it.
const ExpectedCommand expectedCommands[] = {
    {"actionNew", "新建", true, "Ctrl+N"},
    {"actionOpen", "打开", true, "Ctrl+O"},
    {"actionSave", "保存", true, "Ctrl+S"},
    {"actionSaveTo", "另存为", false, ""},
    {"actionCloseFile", "关闭文件", false, ""},
    {"actionPrint", "打印雕刻", true, "Ctrl+P"},
    {"actionClose", "退出", true, ""},
    {"actionLabelSet", "标签设置", true, ""},
    {"actionDBSet", "数据库设置", false, ""},
    {"actionToolWindow", "工具窗口", false, ""},
    {"actionDelete", "删除", true, "Del"},
    {"actionDeleteAll", "删除全部", false, "Shift+Del"},
    {"actionSelectAll", "全选", false, "Ctrl+A"},
    {"actionCopyTo", "拷贝到粘贴板", false, "Ctrl+C"},
    {"actionPasteFrom", "从粘贴板粘贴", false, "Ctrl+V"},
    {"actionUndo", "撤消", false, "Ctrl+Z"},
    {"actionCutRect", "刻方", true, ""},
    {"actionCutCircle", "刻圆", true, ""},
    {"actionCutHalfCircle", "刻半圆", true, ""},
    {"actionCutLine", "刻直线", true, ""},
    {"actionCutArc", "刻弧", true, ""},
    {"actionCutImage", "刻异形", true, ""},
    {"actionCutLineRect", "线段式刻方", true, ""},
    {"actionImportDxf", "导入cad的dxf文件", true, ""},
    {"actionSetStartLine", "设置闭合路径从此开始雕刻", false, ""},
    {"actionPrintRect", "打印矩形", true, ""},
    {"actionPrintLine", "打印直线", true, ""},
    {"actionPrintString", "打印字符", true, ""},
    {"actionPrintBar", "打印一维码", true, ""},
    {"actionPrintQRBar", "打印QR码", true, ""},
    {"actionPrintDataMatrix", "打印DM码", true, ""},
    {"actionPrintPdf417", "打印Pdf417", true, ""},
    {"actionPrintPicture", "打印图形", true, ""},
    {"actionEditObject", "编辑", false, ""},
    {"actionIfPrintTrue", "允许打印雕刻", false, ""},
    {"actionIfPrintFalse", "禁止打印雕刻", false, ""},
    {"actionListMove", "移到最后打印雕刻", false, ""},
    {"actionZoomUp", "放大", false, ""},
    {"actionZoomDown", "缩小", false, ""},
    {"actionZoomMax", "全屏", false, ""},
    {"actionAbout", "关于", false, ""},
};

// Entry captions of a menu or tool bar, separators as "—", submenus as "caption>".
QStringList captions(const QList<QAction*>& entries)
{
    QStringList texts;
    for (const QAction* entry : entries)
        texts.append(entry->isSeparator() ? QStringLiteral("—")
                                          : entry->text() + (entry->menu() ? QStringLiteral(">") : QString()));
    return texts;
}

QStringList toolBarCaptions(QToolBar* bar)
{
    QStringList texts;
    for (QAction* entry : bar->actions()) {
        if (entry->isSeparator()) {
            texts.append(QStringLiteral("—"));
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(entry));
        texts.append(button ? button->text() : QStringLiteral("<widget>"));
    }
    return texts;
}

} // namespace

using CommandTable = MainWindowFixture;

TEST_F(CommandTable, EveryCommandHasItsCaptionPictureAndShortcut)
{
    for (const ExpectedCommand& expected : expectedCommands) {
        QAction* command = action(QString::fromLatin1(expected.name));
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->text(), QString::fromUtf8(expected.caption)) << expected.name;
        EXPECT_EQ(!command->icon().isNull(), expected.hasPicture) << expected.name;
        EXPECT_EQ(command->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(expected.keys))
            << expected.name;
        EXPECT_TRUE(command->isEnabled()) << expected.name << ": commands are never greyed out";
    }
}

TEST_F(CommandTable, MenusListTheirCommandsInOrder)
{
    const struct {
        const char* menu;
        QStringList entries;
    } cases[] = {
        {"mnuFile", {"新建", "打开", "—", "保存", "另存为", "关闭文件", "—", "打印雕刻", "—", "—", "退出"}},
        {"mnuEdit", {"标签设置", "数据库设置", "—", "工具窗口", "—", "删除", "删除全部", "—", "全选", "—",
                     "拷贝到粘贴板", "从粘贴板粘贴", "—", "撤消"}},
        {"mnuCut", {"刻方", "刻圆", "刻直线", "刻弧", "—", "线段式刻方", "—", "导入cad的dxf文件"}},
        // The Data Matrix command shows a longer caption in this menu.
        {"mnuPrint", {"打印矩形", "打印直线", "打印字符", "打印一维码", "打印QR码", "打印DataMatrix二维码",
                      "打印Pdf417", "打印图形"}},
        {"mnuHelp", {"关于"}},
        {"PopupMenu1", {"编辑", "—", "设置闭合路径从此开始雕刻", "—", "移到最后打印雕刻", "设置是否打印雕刻>",
                        "删除", "删除全部", "—", "加刻绘项>", "加打印项>", "—", "伸缩>", "—", "打印雕刻", "—",
                        "标签设置"}},
        {"mnuPrintFlag", {"允许打印雕刻", "禁止打印雕刻"}},
        {"mnuAddCut", {"刻方", "刻圆", "刻半圆", "刻直线", "刻异形"}},
        {"mnuAddPrint", {"打印矩形", "打印直线", "打印字符", "打印一维码", "打印QR码", "打印Pdf417", "打印图形"}},
        {"mnuZoom", {"放大", "缩小", "—", "全屏"}},
    };
    for (const auto& c : cases) {
        auto* menu = find<QMenu>(&main(), QString::fromLatin1(c.menu));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(captions(menu->actions()), c.entries) << c.menu;
    }
    EXPECT_EQ(captions(main().menuBar()->actions()), (QStringList{"文件>", "编辑>", "刻绘>", "打印>", "帮助>"}));
}

TEST_F(CommandTable, ToolBarsShowCaptionsUnderTheirPictures)
{
    const struct {
        const char* bar;
        QStringList buttons;
        QSize buttonSize;
    } cases[] = {
        {"ToolBarFile", {"新建", "打开", "保存", "打印雕刻", "—", "标签设置", "—", "退出"}, {55, 36}},
        // Two cut commands carry shorter captions on their buttons.
        {"ToolBarCut", {"刻方", "刻圆", "刻直线", "刻弧", "线段刻方", "导入cad"}, {55, 36}},
        {"ToolBar1", {"打印矩形", "打印直线", "打印字符", "打印一维码", "打印QR码", "打印DM码", "打印Pdf417",
                      "打印图形"}, {67, 36}},
    };
    for (const auto& c : cases) {
        auto* bar = find<QToolBar>(&main(), QString::fromLatin1(c.bar));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(toolBarCaptions(bar), c.buttons) << c.bar;
        EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << c.bar;
        for (QAction* entry : bar->actions()) {
            if (!entry->isSeparator()) {
                EXPECT_EQ(bar->widgetForAction(entry)->size(), c.buttonSize) << c.bar;
                EXPECT_FALSE(entry->icon().isNull()) << c.bar << " " << qPrintable(entry->text());
            }
        }
    }
    EXPECT_EQ(find<QToolBar>(&main(), QStringLiteral("ToolBar1"))->orientation(), Qt::Vertical);
}

TEST_F(CommandTable, ButtonsWithShortCaptionsRunTheirCommands)
{
    int dataMatrixRuns = 0;
    QObject::connect(action(QStringLiteral("actionPrintDataMatrix")), &QAction::triggered,
                     [&] { ++dataMatrixRuns; });
    int lineRectRuns = 0;
    QObject::connect(action(QStringLiteral("actionCutLineRect")), &QAction::triggered,
                     [&] { ++lineRectRuns; });
    // Both commands open their dialogs; cancelling one ends its command.
    const struct {
        const char* entry;
        const char* dialog;
    } entries[] = {{"mnuPrintDataMatrix", "frmPrintDataMatrix"}, {"tbCutLineRect", "frmCutLineRect"}};
    for (const auto& e : entries) {
        EXPECT_TRUE(runWithDialog(find<QAction>(&main(), QString::fromLatin1(e.entry)), [&](QWidget* dialog) {
            EXPECT_EQ(dialog->objectName(), QString::fromLatin1(e.dialog));
            qobject_cast<QDialog*>(dialog)->reject();
        })) << e.entry;
    }
    EXPECT_EQ(dataMatrixRuns, 1);
    EXPECT_EQ(lineRectRuns, 1);
}

#include "MainWindowFixture.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>

namespace {

using OutlineCommands = MainWindowFixture;

// A drawing with extents (10, 20)-(110, 70) mm holding the body given.
QByteArray drawing(const QByteArray& entities)
{
    return "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n10\n20\n20\n9\n$EXTMAX\n10\n110\n20\n70\n0\nENDSEC\n"
           "0\nSECTION\n2\nENTITIES\n"
           + entities + "0\nENDSEC\n0\nEOF\n";
}

const QByteArray line = "0\nLINE\n10\n10\n20\n70\n11\n110\n21\n20\n";
const QByteArray circle = "0\nCIRCLE\n10\n60\n20\n45\n40\n5\n";

struct Corner {
    float x;
    float y;
};

} // namespace

TEST_F(OutlineCommands, DxfImportAddsTheDrawingAsOneUndoStep)
{
    const FileChoice dxfChoice{FileChoice::Mode::Open, QStringLiteral("DXF files (*.dxf)|*.dxf|All files (*.*)|*.*"),
                               QStringLiteral(".dxf"), documentsFolder()};
    const struct {
        const char* name;
        const char* command; // the menu entry is the command; the tool bar shows it as "导入cad"
        QByteArray file;     // empty: the dialog is cancelled
        int added;
        QString message;     // empty: none
        MessageIcon icon;
    } rows[] = {
        {"from the menu", "actionImportDxf", drawing(line + circle), 2, {}, MessageIcon::Warning},
        {"from the tool bar", "tbImportDxf", drawing(line), 1, {}, MessageIcon::Warning},
        {"cancelled", "actionImportDxf", {}, 0, {}, MessageIcon::Warning},
        {"nothing to import", "tbImportDxf", drawing("0\nTEXT\n"), 0,
         QStringLiteral("DXF文件中没有可导入的直线、圆弧、圆或椭圆。"), MessageIcon::Warning},
        {"binary drawing", "tbImportDxf", "AutoCAD Binary DXF\r\n\x1a", 0,
         QStringLiteral("这是二进制格式的DXF文件，无法导入；请在CAD程序中另存为文本格式（ASCII）的DXF文件。"),
         MessageIcon::Warning},
        // The line before the bad value stays in the label and is shown.
        {"a value that is no number", "actionImportDxf", drawing(line + "0\nCIRCLE\n40\nabc\n"), 1,
         QStringLiteral("DXF文件第36行的“abc”不是数字"), MessageIcon::Error},
    };
    for (const auto& row : rows) {
        addObjects(1);
        const qsizetype before = main().document().objects.size();
        messages.messages.clear();
        files.asked.clear();
        files.answers.clear();
        if (!row.file.isEmpty()) {
            const QString file = path(QStringLiteral("drawing.dxf"));
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(row.file);
            out.close();
            files.answers = {file};
        }
        action(QString::fromLatin1(row.command))->trigger();
        ASSERT_EQ(files.asked.size(), 1) << row.name;
        EXPECT_EQ(files.asked[0], dxfChoice) << row.name;
        EXPECT_EQ(main().document().objects.size(), before + row.added) << row.name;
        if (!row.file.isEmpty()) {
            EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), before + row.added)
                << row.name << ": the list is rebuilt";
        }
        if (row.message.isEmpty()) {
            EXPECT_TRUE(messages.messages.isEmpty()) << row.name;
        } else {
            ASSERT_EQ(messages.messages.size(), 1) << row.name;
            EXPECT_EQ(messages.messages[0].text, row.message) << row.name;
            EXPECT_EQ(messages.messages[0].icon, row.icon) << row.name;
        }
        if (row.added > 0 && row.message.isEmpty()) {
            const Tshape& first = main().document().objects[before];
            EXPECT_EQ((QList<float>{first.startX, first.startY, first.endX, first.endY}),
                      (QList<float>{0, 0, 1000, 500}))
                << row.name;
            EXPECT_TRUE(main().document().objects.constLast().Selected) << row.name;
            action(QStringLiteral("actionUndo"))->trigger();
            EXPECT_EQ(main().document().objects.size(), before) << row.name << ": one undo takes back the drawing";
        }
    }
}

// A square drawn clockwise as top, right, bottom, left: starting at the bottom line moves
// left and top after it, and the knife lifts at the end of right, where the square closes.
TEST_F(OutlineCommands, PathStartFromTheLabelMenuReordersTheOutline)
{
    const Corner corners[] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    const struct {
        const char* name;
        int selected; // -1: nothing selected
        QList<Corner> starts;
        QList<int> knifeDown;
        QList<int> knifeUp;
        QString message;
    } rows[] = {
        {"bottom line chosen", 2, {corners[2], corners[3], corners[0], corners[1]}, {1, 0, 0, 0}, {0, 0, 0, 1}, {}},
        {"nothing chosen", -1, {corners[0], corners[1], corners[2], corners[3]}, {1, 1, 1, 1}, {1, 1, 1, 1},
         QStringLiteral("请先选择一条直线或弧线！")},
    };
    QAction* command = nullptr;
    for (QAction* entry : find<QMenu>(&main(), QStringLiteral("PopupMenu1"))->actions()) {
        if (entry->objectName() == u"actionSetStartLine")
            command = entry;
    }
    ASSERT_NE(command, nullptr) << "the label's menu offers the command";
    for (const auto& row : rows) {
        Tobject& document = main().document();
        document.objects.clear();
        for (int i = 0; i < 4; ++i) {
            const Corner from = corners[i];
            const Corner to = corners[(i + 1) % 4];
            document.AddCutLine(from.x, from.y, to.x, to.y, 1, 1, 0);
        }
        document.SelectAll(false);
        if (row.selected >= 0)
            document.SelectIndex(row.selected);
        messages.messages.clear();
        command->trigger();
        for (int i = 0; i < 4; ++i) {
            const Tshape& piece = document.objects[i];
            EXPECT_EQ((QList<float>{piece.startX, piece.startY}), (QList<float>{row.starts[i].x, row.starts[i].y}))
                << row.name << " piece " << i;
            EXPECT_EQ(piece.startDown, row.knifeDown[i]) << row.name << " piece " << i;
            EXPECT_EQ(piece.endUp, row.knifeUp[i]) << row.name << " piece " << i;
        }
        EXPECT_EQ(messages.messages.size(), row.message.isEmpty() ? 0 : 1) << row.name;
        if (!row.message.isEmpty()) {
            EXPECT_EQ(messages.messages.constFirst().text, row.message) << row.name;
        }
    }
}

// The tool bars are fixed: a right click on them opens no menu of blank entries that hide them.
TEST_F(OutlineCommands, ToolBarsHaveNoContextMenu)
{
    for (QToolBar* bar : main().findChildren<QToolBar*>()) {
        const QPoint at(4, 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
        QApplication::sendEvent(bar, &event);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << qPrintable(bar->objectName());
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
}

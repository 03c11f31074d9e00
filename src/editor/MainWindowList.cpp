// The object list of the tool window and the list commands of the label's context menu:
// selecting from the list, moving objects by dragging their rows, switching their printing
// and cutting on or off, and moving them to the end of the list.
#include "editor/ListSelection.h"
#include "editor/MainWindow.h"
#include "editor/ObjectListPanel.h"
#include "editor/ToolWindowPanel.h"
#include "model/MessageService.h"

#include <QCursor>
#include <QMenu>

void TfrmMain::createListWiring()
{
    ObjectListPanel* list = m_toolWindow->objectList();
    connect(list, &ObjectListPanel::pressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at, bool doubleClick) {
                runShowingFailure([&] { ListView1MouseDown(button, shift, at.x(), at.y(), doubleClick); });
            });
    // The keyboard moves the selection too, and a click inside a selection narrows it only
    // when the button comes up, since a drag would take the whole selection along.
    connect(list, &QTreeWidget::itemSelectionChanged, this, guarded([this] { ListView1Change(); }));
    connect(list, &ObjectListPanel::dropped, this,
            [this](QPoint at) { runShowingFailure([&] { ListView1DragDrop(at.x(), at.y()); }); });
    // A double click on an object of the label edits it.
    connect(&m_pointer, &PointerTool::editRequested, this, [this](int index) {
        runShowingFailure([&] {
            m_document.current = index;
            actionEditObjectExecute();
        });
    });
}

void TfrmMain::ListView1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int, int, bool doubleClick)
{
    // The rows keep the selection the operator gave them: the label is redrawn without them.
    const bool selected = SelectListedObjects(m_document, m_toolWindow->objectList()->selectedNumbers());
    redraw(false);
    if (!selected)
        return;
    if (doubleClick)
        actionEditObjectExecute();
    else if (button == Qt::RightButton)
        m_popup->popup(QCursor::pos());
}

void TfrmMain::ListView1Change()
{
    SelectListedObjects(m_document, m_toolWindow->objectList()->selectedNumbers());
    redraw(false);
}

void TfrmMain::ListView1DragDrop(int x, int y)
{
    const int row = m_toolWindow->objectList()->rowAt({x, y});
    if (row < 0)
        return;
    m_document.MoveSelectedTo(row);
    redraw(true);
}

void TfrmMain::actionIfPrintTrueExecute()
{
    m_document.SetPrintFlag(true);
    redraw(true);
}

void TfrmMain::actionIfPrintFalseExecute()
{
    m_document.SetPrintFlag(false);
    redraw(true);
}

void TfrmMain::actionListMoveExecute()
{
    m_document.MoveSelectedToEnd();
    redraw(true);
}

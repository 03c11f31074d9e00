#include "editor/ObjectListPanel.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

ObjectListPanel::ObjectListPanel(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView1"));
    setColumnCount(2);
    setHeaderLabels({tr("序"), tr("类型")});
    setColumnWidth(0, 27);
    setColumnWidth(1, 161);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // Grid lines keep the number and the kind of each row apart in a long list.
    setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid palette(midlight);"
                                 " border-bottom: 1px solid palette(midlight); }"));
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(15);
    setFont(font);
}

int ObjectListPanel::rowAt(QPoint at) const
{
    QTreeWidgetItem* item = itemAt(at);
    return item ? indexOfTopLevelItem(item) : -1;
}

QList<int> ObjectListPanel::selectedNumbers() const
{
    QList<int> numbers;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        if (item->isSelected())
            numbers.append(item->text(0).toInt());
    }
    return numbers;
}

void ObjectListPanel::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    emit pressed(event->button(), event->modifiers(), event->position().toPoint(), false);
}

void ObjectListPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    emit pressed(event->button(), event->modifiers(), event->position().toPoint(), true);
}

void ObjectListPanel::startDrag(Qt::DropActions)
{
    QMimeData* data = model()->mimeData(selectionModel()->selectedIndexes());
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

void ObjectListPanel::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() == this)
        QTreeWidget::dragEnterEvent(event);
    else
        event->ignore();
}

void ObjectListPanel::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    // The list scrolls near its edges and marks where the rows would land.
    QTreeWidget::dragMoveEvent(event);
    if (rowAt(event->position().toPoint()) >= 0) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ObjectListPanel::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    const QPoint at = event->position().toPoint();
    if (event->source() != this || rowAt(at) < 0) {
        event->ignore();
        return;
    }
    // The rows are not moved here: the window moves the objects and rebuilds the list.
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit dropped(at);
}

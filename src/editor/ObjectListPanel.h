#pragma once

#include <QTreeWidget>

// ListView1, the object list of the tool window: one row per object, its number and its
// kind. Rows are selected with the mouse (Shift and Ctrl extend), and the selected rows are
// dragged onto another row to move their objects there. The list only reports what the
// operator did; the main window changes the label and rebuilds the rows.
class ObjectListPanel : public QTreeWidget {
    Q_OBJECT
public:
    explicit ObjectListPanel(QWidget* parent = nullptr);

    // The row under a point of the list's viewport, or -1.
    int rowAt(QPoint at) const;
    // The numbers (from 1) shown in the first column of the selected rows, in row order.
    QList<int> selectedNumbers() const;

signals:
    // A button went down on the list, after the list took it into its selection.
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at, bool doubleClick);
    // The selected rows were dropped on the row under at.
    void dropped(QPoint at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // ListView1StartDrag: nothing beyond starting the drag, and nothing after it: the drop
    // moves the objects, and the rows come back from the label.
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    // ListView1DragOver: a drop is accepted exactly over a row.
    void dragMoveEvent(QDragMoveEvent* event) override;
    // ListView1DragDrop
    void dropEvent(QDropEvent* event) override;
};

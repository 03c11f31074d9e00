#pragma once

#include <QWidget>

class ObjectListPanel;
class QButtonGroup;
class QLineEdit;

// The tool window on the right of the main window: moving and copying by an offset, the
// alignment of selected objects, and the object list.
class ToolWindowPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelWidth = 214;

    explicit ToolWindowPanel(QWidget* parent = nullptr);

    QLineEdit* offsetX() const { return m_x; }
    QLineEdit* offsetY() const { return m_y; }
    ObjectListPanel* objectList() const { return m_list; }
    // The entry chosen in rgAlignMode: 0 aligns by the object selected last, 1 by the label.
    int alignModeIndex() const;

private:
    QWidget* createTransformGroup();
    QWidget* createAlignGroup();

    QLineEdit* m_x = nullptr;
    QLineEdit* m_y = nullptr;
    ObjectListPanel* m_list = nullptr;
    QButtonGroup* m_alignMode = nullptr;
};

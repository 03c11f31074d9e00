#pragma once

#include "dialogs/ObjectDialog.h"
#include "dialogs/PrintObjectForms.h"

#include <QLineEdit>
#include <QPlainTextEdit>

class QComboBox;
class QGridLayout;
class RecordColumnPanel;

// What the dialogs of the two-dimensional codes share: the name, the direction, the lists
// of the code's own (added by each dialog), the value in a box of several lines, the anchor
// in millimetres and the database controls.
class MatrixCodeDialog : public ObjectDialog {
    Q_OBJECT
protected:
    MatrixCodeDialog(const QString& name, const QString& caption, QWidget* parent);

    // A list of the code's own, as the next row after the direction.
    QComboBox* addList(const QString& name, const QString& caption, const QStringList& entries);
    // Puts the value, the position and the database controls after the lists; called once,
    // at the end of the dialog's constructor.
    void finish();

    // The fields every code form has: name, direction, barValue, left, top, record.
    template <typename Form>
    void showCode(const Form& form)
    {
        m_name->setText(form.name);
        showDirection(form.direction);
        m_value->setPlainText(form.barValue);
        m_left->setText(form.left);
        m_top->setText(form.top);
        showColumn(form.record);
    }
    template <typename Form>
    void readCode(Form& form) const
    {
        form.name = m_name->text();
        form.direction = direction();
        form.barValue = m_value->toPlainText();
        form.left = m_left->text();
        form.top = m_top->text();
        form.record = column();
    }

private:
    void showDirection(int direction);
    int direction() const;
    void showColumn(const RecordColumn& column);
    RecordColumn column() const;

    QGridLayout* m_grid = nullptr;
    int m_rows = 0;
    QLineEdit* m_name = nullptr;
    QComboBox* m_direction = nullptr;
    QPlainTextEdit* m_value = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    RecordColumnPanel* m_record = nullptr;
};

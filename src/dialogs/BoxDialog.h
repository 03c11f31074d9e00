#pragma once

#include "dialogs/BoxForm.h"
#include "dialogs/ObjectDialog.h"

class QGridLayout;
class QLineEdit;

// A dialog that places a box and its copies: txtLeft, txtTop, txtWidth, txtHeight in
// millimetres, then the counts and gaps. A dialog with more fields adds its rows after
// these with nextRow() and calls finish() at the end of its constructor.
class BoxDialog : public ObjectDialog {
    Q_OBJECT
protected:
    BoxDialog(const QString& name, const QString& caption, QWidget* parent);

    void showBox(const BoxForm& form);
    BoxForm box() const;

    QGridLayout* grid() const { return m_grid; }
    // The next free row of the grid, counted up by each call.
    int nextRow() { return m_rows++; }
    void finish();

private:
    QGridLayout* m_grid = nullptr;
    int m_rows = 0;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
};

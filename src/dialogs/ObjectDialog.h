#pragma once

#include "dialogs/Replication.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLayout;
class QLineEdit;

// What the object dialogs share: the caption and the 宋体 16-pixel font, "确定" (BitBtn1)
// and "取消" (BitBtn2) below the dialog's own controls, messages captioned "提示" over the
// dialog, and the column and row counts with the gaps between copies. Each dialog is
// created once and keeps what it showed last; its rules live in a form without widgets,
// which the dialog only shows and reads back.
class ObjectDialog : public QDialog {
    Q_OBJECT
public:
    // An information message captioned "提示" that belongs to this dialog; the dialog stays
    // open behind it.
    void tell(const QString& text);

public slots:
    // "确定": the first problem of what the controls hold is shown and the dialog stays
    // open with the operator's values; without one the dialog closes with OK.
    void BitBtn1Click();
    // A count typed or picked: its gap is enabled unless the count is 1.
    void cmbColChange();
    void cmbRowChange();

protected:
    ObjectDialog(const QString& name, const QString& caption, QWidget* parent);

    // Why the values in the controls cannot be accepted, or an empty string.
    virtual QString problem() { return {}; }
    // Whether "确定" may close the dialog: by default, when problem() finds nothing, and
    // otherwise after telling its message. A dialog whose checks speak for themselves (or
    // move the focus to the field at fault) decides here.
    virtual bool confirm();

    // Puts the dialog's own controls above "确定" and "取消". Called once, at the end of
    // the dialog's constructor, so that the buttons come last in the tab order.
    void setBody(QLayout* body);

    // An edit box of that object name.
    QLineEdit* lineEdit(const QString& name);
    // A list of that object name holding entries; an editable one also takes typed text.
    QComboBox* comboBox(const QString& name, const QStringList& entries, bool editable);
    QCheckBox* checkBox(const QString& name, const QString& caption);
    // cmbDirection of the cutting dialogs: "逆时针" (0) or "顺时针" (1), as seen on the label.
    QComboBox* cutDirectionList();
    // A row of a grid: its caption, which names the field for screen readers, the field and
    // an optional unit after it.
    static void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* field,
                       const QString& unit = {});

    // The captions of the counts and the gaps: "几列"/"每行几列", "几行"/"每页几行",
    // "水平间距", "垂直间距", and the gaps' unit.
    struct ReplicationCaptions {
        QString columns;
        QString rows;
        QString columnGap;
        QString rowGap;
        QString unit;
    };
    // Creates cmbCol, cmbRow (editable lists "1" to "9"), txtColGap and txtRowGap as rows
    // of grid from firstRow on: counts first, then the gaps.
    void addReplication(QGridLayout* grid, int firstRow, const ReplicationCaptions& captions);
    void showReplication(const ReplicationForm& form);
    ReplicationForm replication() const;

private:
    void countChanged(QComboBox* count, QLineEdit* gap, const QString& message);

    QComboBox* m_columns = nullptr;
    QComboBox* m_rows = nullptr;
    QLineEdit* m_columnGap = nullptr;
    QLineEdit* m_rowGap = nullptr;
};

// One create or edit command on its object dialog, in the order the operator sees it: the
// preset changes the values the dialog kept (or fills them from the object edited), the
// dialog shows them modally, and on OK apply converts what the dialog holds and changes the
// label. Returns whether the dialog was confirmed, so that the window redraws. The dialog
// gives `Form form() const` and `showForm(const Form&)`.
template <typename Dialog, typename Preset, typename Apply>
bool runObjectDialog(Dialog& dialog, Preset preset, Apply apply)
{
    auto form = dialog.form();
    preset(form);
    dialog.showForm(form);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    apply(dialog.form());
    return true;
}

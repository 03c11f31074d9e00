#pragma once

#include <QDialog>

class QLineEdit;
class QTableView;
class RecordTableModel;

// The record picker ("选择记录"): the records of the label's sheet, one row each with its
// number and its fields, of which the operator selects the ones to print; the range text
// follows the selection. Created once at start-up; the job window gives it its range text,
// shows it modally and takes the range back when it closes with "确定".
class TfrmSelectRecord : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelectRecord(QWidget* parent = nullptr);
    ~TfrmSelectRecord() override;

    // The range the picker starts from, set before it is shown; its rows are selected then.
    void setRecordText(const QString& range);
    QString recordText() const;

public slots:
    // Reads the sheet named by the job settings into the list and selects the rows of the
    // range. A sheet that cannot be read, or a range that cannot, is reported and leaves
    // what was read so far.
    void FormShow();
    void btnSelectAllClick();
    void btnUnSelectAllClick();
    // A row selected or deselected by the operator: the range text is built again.
    void ListView1SelectionChange();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void selectRows(const QList<int>& rows);

    RecordTableModel* m_model = nullptr;
    QTableView* m_list = nullptr;
    QLineEdit* m_range = nullptr;
    // Set while the picker itself changes the selection, which must not rewrite the range.
    bool m_selecting = false;
};

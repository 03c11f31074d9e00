#pragma once

#include "data/DataSourceForm.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTableView;
class SheetTableModel;

// "数据库设置": the workbook and the sheet whose records fill the labels, with the chosen
// sheet's rows shown read-only. The job settings change only when "确定" passes its check.
class TfrmDBSet : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDBSet(QWidget* parent = nullptr);

    // Each opening shows the data source the job settings name.
    int exec() override;
    // Closing in any way lets the workbook go.
    void done(int result) override;

    DataSourceForm form() const;
    // A workbook picked with "浏览...": its name goes into the file field; its sheets are
    // listed when it is a workbook, and the operator is told when it is not.
    void workbookChosen(const QString& path);

public slots:
    void FormShow();
    void btnSelectFileClick();
    void cbTableNameChange();
    void btnOkClick();

private:
    void showSheets(const QStringList& sheets, const QString& chosen);
    void showTable();
    void tell(const QString& text);

    QLineEdit* m_fileName = nullptr;
    QComboBox* m_sheets = nullptr;
    QTableView* m_grid = nullptr;
    SheetTableModel* m_rows = nullptr;
};

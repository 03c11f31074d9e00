#pragma once

#include "dialogs/PrintObjectForms.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDialog;
class QPushButton;

// The database controls of the text and symbol dialogs: "使用数据库" (chbIfDB), the column
// list "字段" (cmbDBField, only the columns of the set-up sheet, disabled while the box is
// clear) and "数据库设置" (btnDBSet), which opens the data source dialog.
class RecordColumnPanel : public QWidget {
    Q_OBJECT
public:
    explicit RecordColumnPanel(QWidget* parent = nullptr);

    // The data source dialog the button opens; created once at start-up, after this panel.
    void setDataSourceDialog(QDialog* dialog) { m_dataSource = dialog; }

    // A column in use is shown chosen from the columns the sheet has now.
    void showColumn(const RecordColumn& column);
    RecordColumn column() const;

public slots:
    void chbIfDBClick();
    void btnDBSetClick();

private:
    void clearColumns();
    void offerColumns(const QStringList& columns, const QString& chosen);

    QCheckBox* m_use = nullptr;
    QComboBox* m_columns = nullptr;
    QPushButton* m_setUp = nullptr;
    QDialog* m_dataSource = nullptr;
};

#include "dialogs/MatrixCodeDialog.h"

#include "dialogs/RecordColumnPanel.h"

#include <QComboBox>
#include <QGridLayout>

MatrixCodeDialog::MatrixCodeDialog(const QString& name, const QString& caption, QWidget* parent)
    : ObjectDialog(name, caption, parent)
    , m_grid(new QGridLayout)
{
    m_name = lineEdit(QStringLiteral("txtName"));
    addRow(m_grid, m_rows++, tr("名    称"), m_name);
    m_direction = addList(QStringLiteral("cmbDirection"), tr("方向"), directionEntries());
}

QComboBox* MatrixCodeDialog::addList(const QString& name, const QString& caption, const QStringList& entries)
{
    QComboBox* list = comboBox(name, entries, false);
    addRow(m_grid, m_rows++, caption, list);
    return list;
}

void MatrixCodeDialog::finish()
{
    m_value = new QPlainTextEdit(this);
    m_value->setObjectName(QStringLiteral("txtBarValue"));
    // Tab moves on to the next field; the value has no use for tab characters.
    m_value->setTabChangesFocus(true);
    m_value->setFixedHeight(80);
    addRow(m_grid, m_rows++, tr("条 码 值"), m_value);
    const QString unit = tr("毫米");
    m_left = lineEdit(QStringLiteral("txtLeft"));
    addRow(m_grid, m_rows++, tr("横坐标"), m_left, unit);
    m_top = lineEdit(QStringLiteral("txtTop"));
    addRow(m_grid, m_rows++, tr("纵坐标"), m_top, unit);
    m_record = new RecordColumnPanel(this);
    m_grid->addWidget(m_record, m_rows++, 0, 1, 3);
    setBody(m_grid);
}

void MatrixCodeDialog::showDirection(int direction)
{
    m_direction->setCurrentIndex(direction);
}

int MatrixCodeDialog::direction() const
{
    return m_direction->currentIndex();
}

void MatrixCodeDialog::showColumn(const RecordColumn& column)
{
    m_record->showColumn(column);
}

RecordColumn MatrixCodeDialog::column() const
{
    return m_record->column();
}

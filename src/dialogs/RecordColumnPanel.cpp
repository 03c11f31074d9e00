#include "dialogs/RecordColumnPanel.h"

#include "model/JobSettings.h"
#include "model/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RecordColumnPanel::RecordColumnPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlDB"));
    m_use = new QCheckBox(tr("使用数据库"), this);
    m_use->setObjectName(QStringLiteral("chbIfDB"));
    m_columns = new QComboBox(this);
    m_columns->setObjectName(QStringLiteral("cmbDBField"));
    m_columns->setMinimumContentsLength(12);
    auto* caption = new QLabel(tr("字段"), this);
    caption->setBuddy(m_columns);
    m_setUp = new QPushButton(tr("数据库设置"), this);
    m_setUp->setObjectName(QStringLiteral("btnDBSet"));
    connect(m_use, &QCheckBox::clicked, this, guarded([this] { chbIfDBClick(); }));
    connect(m_setUp, &QPushButton::clicked, this, guarded([this] { btnDBSetClick(); }));

    auto* column = new QHBoxLayout;
    column->addWidget(caption);
    column->addWidget(m_columns, 1);
    column->addWidget(m_setUp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_use);
    layout->addLayout(column);
    clearColumns();
}

void RecordColumnPanel::showColumn(const RecordColumn& column)
{
    m_use->setChecked(column.use);
    if (!column.use) {
        clearColumns();
        return;
    }
    offerColumns(recordColumnChoices(jobSettings()).value_or(QStringList()), column.column);
}

RecordColumn RecordColumnPanel::column() const
{
    return {m_use->isChecked(), m_columns->currentText()};
}

void RecordColumnPanel::chbIfDBClick()
{
    if (!m_use->isChecked()) {
        clearColumns();
        return;
    }
    const std::optional<QStringList> columns = recordColumnChoices(jobSettings());
    if (!columns) {
        messageService().show({tr("提示"), setUpDataSourceFirstMessage(), MessageIcon::Warning,
                               MessageButtons::Ok, window()});
        m_use->setChecked(false);
        return;
    }
    offerColumns(*columns, {});
}

// A list already offered follows the sheet now set up, so that no column of a sheet given
// up can be chosen; a source given up altogether clears the box.
void RecordColumnPanel::btnDBSetClick()
{
    if (!m_dataSource)
        return;
    m_dataSource->exec();
    if (!m_use->isChecked())
        return;
    const std::optional<QStringList> columns = recordColumnChoices(jobSettings());
    if (!columns) {
        m_use->setChecked(false);
        clearColumns();
        return;
    }
    offerColumns(*columns, m_columns->currentText());
}

void RecordColumnPanel::clearColumns()
{
    m_columns->clear();
    m_columns->setEnabled(false);
}

void RecordColumnPanel::offerColumns(const QStringList& columns, const QString& chosen)
{
    m_columns->clear();
    m_columns->addItems(columns);
    m_columns->setCurrentIndex(chosen.isEmpty() ? -1 : m_columns->findText(chosen));
    m_columns->setEnabled(true);
}

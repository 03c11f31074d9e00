#include "dialogs/ObjectDialog.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogChoiceList.h"
#include "model/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QStringList countTexts()
{
    QStringList texts;
    for (int count = 1; count <= 9; ++count)
        texts.append(QString::number(count));
    return texts;
}

} // namespace

ObjectDialog::ObjectDialog(const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    setFont(font);
}

void ObjectDialog::setBody(QLayout* body)
{
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(confirmButtons(this, [this] { BitBtn1Click(); }));
}

void ObjectDialog::tell(const QString& text)
{
    messageService().show({tr("提示"), text, MessageIcon::Information, MessageButtons::Ok, this});
}

void ObjectDialog::BitBtn1Click()
{
    if (confirm())
        accept();
}

bool ObjectDialog::confirm()
{
    const QString message = problem();
    if (!message.isEmpty())
        tell(message);
    return message.isEmpty();
}

QLineEdit* ObjectDialog::lineEdit(const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    return edit;
}

QComboBox* ObjectDialog::comboBox(const QString& name, const QStringList& entries, bool editable)
{
    return choiceList(this, name, entries, editable);
}

QCheckBox* ObjectDialog::checkBox(const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    return box;
}

QComboBox* ObjectDialog::cutDirectionList()
{
    return comboBox(QStringLiteral("cmbDirection"), {tr("逆时针"), tr("顺时针")}, false);
}

void ObjectDialog::addRow(QGridLayout* grid, int row, const QString& caption, QWidget* field,
                          const QString& unit)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit, field->parentWidget()), row, 2);
}

void ObjectDialog::addReplication(QGridLayout* grid, int firstRow, const ReplicationCaptions& captions)
{
    m_columns = comboBox(QStringLiteral("cmbCol"), countTexts(), true);
    m_rows = comboBox(QStringLiteral("cmbRow"), countTexts(), true);
    m_columnGap = lineEdit(QStringLiteral("txtColGap"));
    m_rowGap = lineEdit(QStringLiteral("txtRowGap"));
    addRow(grid, firstRow, captions.columns, m_columns);
    addRow(grid, firstRow + 1, captions.rows, m_rows);
    addRow(grid, firstRow + 2, captions.columnGap, m_columnGap, captions.unit);
    addRow(grid, firstRow + 3, captions.rowGap, m_rowGap, captions.unit);
    // Only what the operator types or picks counts as a change: a preset sets the gaps'
    // state itself.
    for (QComboBox* count : {m_columns, m_rows}) {
        const auto changed = count == m_columns ? &ObjectDialog::cmbColChange : &ObjectDialog::cmbRowChange;
        connect(count->lineEdit(), &QLineEdit::textEdited, this, guarded([this, changed] { (this->*changed)(); }));
        connect(count, &QComboBox::textActivated, this, guarded([this, changed] { (this->*changed)(); }));
    }
}

void ObjectDialog::showReplication(const ReplicationForm& form)
{
    m_columns->setCurrentText(form.columns);
    m_rows->setCurrentText(form.rows);
    m_columnGap->setText(form.columnGap);
    m_rowGap->setText(form.rowGap);
    m_columns->setEnabled(form.countsEnabled);
    m_rows->setEnabled(form.countsEnabled);
    m_columnGap->setEnabled(form.columnGapEnabled);
    m_rowGap->setEnabled(form.rowGapEnabled);
}

ReplicationForm ObjectDialog::replication() const
{
    return {
        .columns = m_columns->currentText(),
        .rows = m_rows->currentText(),
        .columnGap = m_columnGap->text(),
        .rowGap = m_rowGap->text(),
        .countsEnabled = m_columns->isEnabled(),
        .columnGapEnabled = m_columnGap->isEnabled(),
        .rowGapEnabled = m_rowGap->isEnabled(),
    };
}

void ObjectDialog::cmbColChange()
{
    countChanged(m_columns, m_columnGap, columnCountMessage());
}

void ObjectDialog::cmbRowChange()
{
    countChanged(m_rows, m_rowGap, rowCountMessage());
}

void ObjectDialog::countChanged(QComboBox* count, QLineEdit* gap, const QString& message)
{
    // An emptied count is being retyped; it is checked again on "确定".
    if (count->currentText().isEmpty())
        return;
    if (const std::optional<bool> enabled = gapEnabledForCount(count->currentText()))
        gap->setEnabled(*enabled);
    else
        tell(message);
}

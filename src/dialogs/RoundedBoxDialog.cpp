#include "dialogs/RoundedBoxDialog.h"

#include <QLineEdit>

RoundedBoxDialog::RoundedBoxDialog(const QString& name, const QString& caption, QWidget* parent)
    : BoxDialog(name, caption, parent)
    , m_radius(lineEdit(QStringLiteral("txtR")))
{
    addRow(grid(), nextRow(), tr("圆角"), m_radius, tr("毫米"));
    finish();
    showForm(Form{});
}

void RoundedBoxDialog::showForm(const Form& form)
{
    showBox(form.box);
    m_radius->setText(form.radius);
    m_radius->setEnabled(form.radiusEnabled);
}

RoundedBoxForm RoundedBoxDialog::form() const
{
    return {box(), m_radius->text(), m_radius->isEnabled()};
}

#include "dialogs/BoxDialog.h"

#include <QGridLayout>
#include <QLineEdit>

BoxDialog::BoxDialog(const QString& name, const QString& caption, QWidget* parent)
    : ObjectDialog(name, caption, parent)
    , m_grid(new QGridLayout)
{
    const QString unit = tr("毫米");
    m_left = lineEdit(QStringLiteral("txtLeft"));
    m_top = lineEdit(QStringLiteral("txtTop"));
    m_width = lineEdit(QStringLiteral("txtWidth"));
    m_height = lineEdit(QStringLiteral("txtHeight"));
    addRow(m_grid, nextRow(), tr("横坐标"), m_left, unit);
    addRow(m_grid, nextRow(), tr("纵坐标"), m_top, unit);
    addRow(m_grid, nextRow(), tr("宽度"), m_width, unit);
    addRow(m_grid, nextRow(), tr("高度"), m_height, unit);
    addReplication(m_grid, m_rows, {tr("每行几列"), tr("每页几行"), tr("水平间距"), tr("垂直间距"), unit});
    m_rows += 4;
}

void BoxDialog::finish()
{
    setBody(m_grid);
}

void BoxDialog::showBox(const BoxForm& form)
{
    m_left->setText(form.left);
    m_top->setText(form.top);
    m_width->setText(form.width);
    m_height->setText(form.height);
    showReplication(form.copies);
}

BoxForm BoxDialog::box() const
{
    return {m_left->text(), m_top->text(), m_width->text(), m_height->text(), replication()};
}

#include "dialogs/PrintBoxDialogs.h"

#include "model/LabelSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>

TfrmPrintRect::TfrmPrintRect(QWidget* parent)
    : BoxDialog(QStringLiteral("frmPrintRect"), tr("打印矩形"), parent)
    , m_radius(lineEdit(QStringLiteral("txtR")))
    , m_lineWidth(lineEdit(QStringLiteral("txtLineWidth")))
    , m_solid(checkBox(QStringLiteral("chbIsSolid"), tr("实心")))
{
    addRow(grid(), nextRow(), tr("圆角"), m_radius, tr("毫米"));
    addRow(grid(), nextRow(), tr("线宽"), m_lineWidth, tr("毫米"));
    grid()->addWidget(m_solid, nextRow(), 1);
    finish();
    showForm(Form{});
}

void TfrmPrintRect::showForm(const Form& form)
{
    showBox(form.box);
    m_radius->setText(form.radius);
    m_lineWidth->setText(form.lineWidth);
    m_solid->setChecked(form.solid);
    m_radius->setEnabled(form.radiusEnabled);
    m_lineWidth->setEnabled(form.lineWidthEnabled);
}

PrintRectForm TfrmPrintRect::form() const
{
    return {box(), m_radius->text(), m_lineWidth->text(), m_solid->isChecked(), m_radius->isEnabled(),
            m_lineWidth->isEnabled()};
}

QString TfrmPrintRect::problem()
{
    return printRectProblem(form(), labelSettings());
}

TfrmPrintImage::TfrmPrintImage(QWidget* parent)
    : PictureBoxDialog(QStringLiteral("frmPrintImage"), tr("打印图形"), tr("bmp files (*.bmp)"), parent)
{
}

QString TfrmPrintImage::problem()
{
    return printImageProblem(form(), labelSettings());
}

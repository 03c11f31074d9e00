#include "dialogs/MatrixCodeDialogs.h"

#include <QComboBox>

TfrmPrintQRBar::TfrmPrintQRBar(QWidget* parent)
    : MatrixCodeDialog(QStringLiteral("frmPrintQRBar"), tr("打印QR二维码"), parent)
{
    m_module = addList(QStringLiteral("cmbBarWidth"), tr("每单位宽"), qrModuleEntries());
    m_level = addList(QStringLiteral("cmbBarLevel"), tr("校正级别"), qrLevelEntries());
    finish();
    showForm(Form{});
}

void TfrmPrintQRBar::showForm(const Form& form)
{
    showCode(form);
    m_module->setCurrentText(form.barWidth);
    m_level->setCurrentIndex(form.barLevel);
}

TfrmPrintQRBar::Form TfrmPrintQRBar::form() const
{
    Form form;
    readCode(form);
    form.barWidth = m_module->currentText();
    form.barLevel = m_level->currentIndex();
    return form;
}

TfrmPrintDataMatrix::TfrmPrintDataMatrix(QWidget* parent)
    : MatrixCodeDialog(QStringLiteral("frmPrintDataMatrix"), tr("打印DataMatrix二维码"), parent)
{
    m_module = addList(QStringLiteral("cmbBarWidth"), tr("每单位宽"), dataMatrixModuleEntries());
    finish();
    showForm(Form{});
}

void TfrmPrintDataMatrix::showForm(const Form& form)
{
    showCode(form);
    m_module->setCurrentText(form.barWidth);
}

TfrmPrintDataMatrix::Form TfrmPrintDataMatrix::form() const
{
    Form form;
    readCode(form);
    form.barWidth = m_module->currentText();
    return form;
}

TfrmPrintPdf417Bar::TfrmPrintPdf417Bar(QWidget* parent)
    : MatrixCodeDialog(QStringLiteral("frmPrintPdf417Bar"), tr("打印PDF417二维码"), parent)
{
    m_width = addList(QStringLiteral("cmbBarWidth"), tr("单位宽度"), pdf417WidthEntries());
    m_height = addList(QStringLiteral("cmbBarHeight"), tr("单位高度"), pdf417HeightEntries());
    m_columns = addList(QStringLiteral("cmbBarColumn"), tr("条码列数"), pdf417ColumnEntries());
    m_level = addList(QStringLiteral("cmbBarLevel"), tr("安全级别"), pdf417LevelEntries());
    finish();
    showForm(Form{});
}

void TfrmPrintPdf417Bar::showForm(const Form& form)
{
    showCode(form);
    m_width->setCurrentIndex(form.barWidth);
    m_height->setCurrentText(form.barHeight);
    m_columns->setCurrentIndex(form.barColumn);
    m_level->setCurrentIndex(form.barLevel);
}

TfrmPrintPdf417Bar::Form TfrmPrintPdf417Bar::form() const
{
    Form form;
    readCode(form);
    form.barWidth = m_width->currentIndex();
    form.barHeight = m_height->currentText();
    form.barColumn = m_columns->currentIndex();
    form.barLevel = m_level->currentIndex();
    return form;
}

#include "dialogs/PrintBarDialog.h"

#include "dialogs/FontSamplePanel.h"
#include "dialogs/RecordColumnPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmPrintBar::TfrmPrintBar(QWidget* parent)
    : ObjectDialog(QStringLiteral("frmPrintBar"), tr("打印一维条码"), parent)
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(createBarPage(), tr("条码"));
    m_pages->addTab(createTextPage(), tr("字符"));
    auto* body = new QVBoxLayout;
    body->addWidget(m_pages);
    setBody(body);
    showForm(Form{});
}

QWidget* TfrmPrintBar::createBarPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsBar"));
    const QString unit = tr("毫米");

    // One column from top to bottom, so that Tab walks the page as it is read.
    auto* fields = new QGridLayout(page);
    m_type = comboBox(QStringLiteral("cmbBarType"), barTypeEntries(), false);
    addRow(fields, 0, tr("条码类型"), m_type);
    m_direction = comboBox(QStringLiteral("cmbDirection"), directionEntries(), false);
    addRow(fields, 1, tr("条码方向"), m_direction);
    m_barWidth = comboBox(QStringLiteral("cmbBarWidth"), barWidthEntries(), false);
    addRow(fields, 2, tr("窄条宽度"), m_barWidth);
    m_value = lineEdit(QStringLiteral("txtBarValue"));
    addRow(fields, 3, tr("条码字符"), m_value);
    m_ratio = comboBox(QStringLiteral("cmbWideBarWidth"), wideBarRatioEntries(), false);
    addRow(fields, 4, tr("宽条比"), m_ratio);
    m_height = comboBox(QStringLiteral("cmbBarHeight"), {}, true);
    addRow(fields, 5, tr("条码高"), m_height, unit);
    m_left = lineEdit(QStringLiteral("txtLeft"));
    addRow(fields, 6, tr("横坐标"), m_left, unit);
    m_top = lineEdit(QStringLiteral("txtTop"));
    addRow(fields, 7, tr("纵坐标"), m_top, unit);

    m_displayCode = comboBox(QStringLiteral("cmbDisplayCode"), displayCodeEntries(), false);
    addRow(fields, 8, tr("显示码"), m_displayCode);
    m_selfAdd = lineEdit(QStringLiteral("txtSelfAdd"));
    m_selfAdd->setMaxLength(10);
    addRow(fields, 9, tr("自增"), m_selfAdd);
    m_beginStr = lineEdit(QStringLiteral("txtBeginStr"));
    addRow(fields, 10, tr("前    缀"), m_beginStr);
    m_endStr = lineEdit(QStringLiteral("txtEndStr"));
    addRow(fields, 11, tr("后  缀"), m_endStr);
    m_name = lineEdit(QStringLiteral("txtName"));
    addRow(fields, 12, tr("名    称"), m_name);
    m_record = new RecordColumnPanel(this);
    fields->addWidget(m_record, 13, 0, 1, 3);

    fields->setRowStretch(14, 1);
    return page;
}

QWidget* TfrmPrintBar::createTextPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsText"));
    const QString unit = tr("毫米");
    m_font = new FontSamplePanel(this);

    auto* layout = new QGridLayout;
    m_strGap = lineEdit(QStringLiteral("txtStrGap"));
    addRow(layout, 0, tr("字间距"), m_strGap, unit);
    m_widthFactor = comboBox(QStringLiteral("cmbWidthFactor"), scaleFactorEntries(), true);
    addRow(layout, 1, tr("宽度缩放"), m_widthFactor);
    m_heightFactor = comboBox(QStringLiteral("cmbHeightFactor"), scaleFactorEntries(), true);
    addRow(layout, 2, tr("高度缩放"), m_heightFactor);
    m_alignMode = comboBox(QStringLiteral("cmbAlignMode"), alignModeEntries(), false);
    addRow(layout, 3, tr("对齐方式"), m_alignMode);
    m_star = checkBox(QStringLiteral("chbIf39Star"), tr("显示起始/终止符"));
    layout->addWidget(m_star, 4, 0, 1, 3);
    m_xOffset = lineEdit(QStringLiteral("txtXOffset"));
    addRow(layout, 5, tr("水平偏移"), m_xOffset, unit);
    m_yOffset = lineEdit(QStringLiteral("txtYOffset"));
    addRow(layout, 6, tr("垂直偏移"), m_yOffset, unit);

    auto* column = new QVBoxLayout(page);
    column->addWidget(m_font);
    column->addLayout(layout);
    column->addStretch();
    return page;
}

void TfrmPrintBar::showForm(const Form& form)
{
    m_type->setCurrentText(form.barType);
    m_direction->setCurrentIndex(form.direction);
    m_barWidth->setCurrentText(form.barWidth);
    m_value->setText(form.barValue);
    m_ratio->setCurrentIndex(form.wideBarRatio);
    m_height->setCurrentText(form.barHeight);
    m_left->setText(form.left);
    m_top->setText(form.top);
    m_displayCode->setCurrentIndex(form.displayCode);
    m_selfAdd->setText(form.selfAdd);
    m_beginStr->setText(form.beginStr);
    m_endStr->setText(form.endStr);
    m_name->setText(form.name);
    m_record->showColumn(form.record);
    m_font->showSample(form.font);
    m_strGap->setText(form.strGap);
    m_widthFactor->setCurrentText(form.widthFactor);
    m_heightFactor->setCurrentText(form.heightFactor);
    m_alignMode->setCurrentIndex(form.alignMode);
    m_star->setChecked(form.if39Star);
    m_xOffset->setText(form.xOffset);
    m_yOffset->setText(form.yOffset);
}

TfrmPrintBar::Form TfrmPrintBar::form() const
{
    Form form;
    form.barType = m_type->currentText();
    form.direction = m_direction->currentIndex();
    form.barWidth = m_barWidth->currentText();
    form.barValue = m_value->text();
    form.wideBarRatio = m_ratio->currentIndex();
    form.barHeight = m_height->currentText();
    form.left = m_left->text();
    form.top = m_top->text();
    form.displayCode = m_displayCode->currentIndex();
    form.selfAdd = m_selfAdd->text();
    form.beginStr = m_beginStr->text();
    form.endStr = m_endStr->text();
    form.name = m_name->text();
    form.record = m_record->column();
    form.font = m_font->sample();
    form.strGap = m_strGap->text();
    form.widthFactor = m_widthFactor->currentText();
    form.heightFactor = m_heightFactor->currentText();
    form.alignMode = m_alignMode->currentIndex();
    form.if39Star = m_star->isChecked();
    form.xOffset = m_xOffset->text();
    form.yOffset = m_yOffset->text();
    return form;
}

QString TfrmPrintBar::problem()
{
    return printBarProblem(form());
}

void TfrmPrintBar::showEvent(QShowEvent* event)
{
    ObjectDialog::showEvent(event);
    m_font->refillFontNames();
    m_pages->setCurrentIndex(0);
}

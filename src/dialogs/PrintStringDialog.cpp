#include "dialogs/PrintStringDialog.h"

#include "dialogs/FontSamplePanel.h"
#include "dialogs/RecordColumnPanel.h"
#include "model/LabelSettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmPrintString::TfrmPrintString(QWidget* parent)
    : ObjectDialog(QStringLiteral("frmPrintString"), tr("添加字符窗口"), parent)
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(createBasePage(), tr("基本设置"));
    m_pages->addTab(createDataPage(), tr("数据库设置"));
    auto* body = new QVBoxLayout;
    body->addWidget(m_pages);
    setBody(body);
    showForm(Form{});
}

QWidget* TfrmPrintString::createBasePage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsBase"));
    const QString unit = tr("毫米");

    auto* text = new QGridLayout;
    m_name = lineEdit(QStringLiteral("txtName"));
    addRow(text, 0, tr("名    称"), m_name);
    m_str = lineEdit(QStringLiteral("txtStr"));
    addRow(text, 1, tr("字符"), m_str);
    m_left = lineEdit(QStringLiteral("txtLeft"));
    addRow(text, 2, tr("横坐标"), m_left, unit);
    m_top = lineEdit(QStringLiteral("txtTop"));
    addRow(text, 3, tr("纵坐标"), m_top, unit);
    m_direction = comboBox(QStringLiteral("cmbDirection"), directionEntries(), false);
    addRow(text, 4, tr("方向"), m_direction);
    m_strGap = lineEdit(QStringLiteral("txtStrGap"));
    addRow(text, 5, tr("字间距"), m_strGap);
    m_widthFactor = comboBox(QStringLiteral("cmbWidthFactor"), scaleFactorEntries(), true);
    addRow(text, 6, tr("宽度缩放"), m_widthFactor);
    m_heightFactor = comboBox(QStringLiteral("cmbHeightFactor"), scaleFactorEntries(), true);
    addRow(text, 7, tr("高度缩放"), m_heightFactor);
    const QStringList steps{QStringLiteral("-3"), QStringLiteral("-2"), QStringLiteral("-1"), QStringLiteral("0"),
                            QStringLiteral("+1"), QStringLiteral("+2"), QStringLiteral("+3")};
    m_serial = comboBox(QStringLiteral("cmbSerial"), steps, true);
    addRow(text, 8, tr("序列"), m_serial);

    m_font = new FontSamplePanel(this);
    auto* copies = new QGridLayout;
    addReplication(copies, 0, {tr("几列"), tr("几行"), tr("水平间距"), tr("垂直间距"), unit});

    // One column from top to bottom, so that Tab walks the page as it is read.
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(text);
    layout->addWidget(m_font);
    layout->addLayout(copies);
    layout->addStretch();
    return page;
}

QWidget* TfrmPrintString::createDataPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDB"));
    m_record = new RecordColumnPanel(page);
    auto* fields = new QGridLayout;
    m_type = comboBox(QStringLiteral("cmbDBType"), {}, false);
    for (const QString& type : recordTypeEntries())
        m_type->addItem(recordTypeCaption(type), type);
    addRow(fields, 0, tr("类型"), m_type);
    m_dateStyle = new QListWidget(page);
    m_dateStyle->setObjectName(QStringLiteral("lbDBDateStyle"));
    m_dateStyle->addItems(dateStyleEntries());
    addRow(fields, 1, tr("格式"), m_dateStyle);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_record);
    layout->addLayout(fields);
    return page;
}

void TfrmPrintString::showForm(const Form& form)
{
    m_name->setText(form.name);
    m_str->setText(form.str);
    m_left->setText(form.left);
    m_top->setText(form.top);
    m_font->showSample(form.font);
    m_strGap->setText(form.strGap);
    m_direction->setCurrentIndex(form.direction);
    showReplication(form.copies);
    m_widthFactor->setCurrentText(form.widthFactor);
    m_heightFactor->setCurrentText(form.heightFactor);
    m_serial->setCurrentText(form.serial);
    m_record->showColumn(form.record);
    if (const int type = m_type->findData(form.DBType); type >= 0)
        m_type->setCurrentIndex(type);
    m_dateStyle->setCurrentRow(form.DBDateStyle);
}

TfrmPrintString::Form TfrmPrintString::form() const
{
    Form form;
    form.name = m_name->text();
    form.str = m_str->text();
    form.left = m_left->text();
    form.top = m_top->text();
    form.font = m_font->sample();
    form.strGap = m_strGap->text();
    form.direction = m_direction->currentIndex();
    form.copies = replication();
    form.widthFactor = m_widthFactor->currentText();
    form.heightFactor = m_heightFactor->currentText();
    form.serial = m_serial->currentText();
    form.record = m_record->column();
    form.DBType = m_type->currentData().toString();
    form.DBDateStyle = m_dateStyle->currentRow();
    return form;
}

bool TfrmPrintString::confirm()
{
    const FormProblem problem = printStringProblem(form(), labelSettings());
    if (problem.ok())
        return true;
    tell(problem.message);
    QWidget* field = problem.control.isEmpty() ? nullptr : findChild<QWidget*>(problem.control);
    if (field) {
        m_pages->setCurrentIndex(0);
        field->setFocus();
    }
    return false;
}

void TfrmPrintString::showEvent(QShowEvent* event)
{
    ObjectDialog::showEvent(event);
    m_font->refillFontNames();
    m_pages->setCurrentIndex(0);
    m_str->setFocus();
}

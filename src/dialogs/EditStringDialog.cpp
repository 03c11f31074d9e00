#include "dialogs/EditStringDialog.h"

#include "dialogs/FontSamplePanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmEditString::TfrmEditString(QWidget* parent)
    : ObjectDialog(QStringLiteral("frmEditString"), tr("修改字体"), parent)
    , m_font(new FontSamplePanel(this))
    , m_strGap(lineEdit(QStringLiteral("txtStrGap")))
    , m_direction(comboBox(QStringLiteral("cmbDirection"), directionEntries(), false))
{
    auto* fields = new QGridLayout;
    addRow(fields, 0, tr("字间距:"), m_strGap, tr("毫米"));
    addRow(fields, 1, tr("方  向:"), m_direction);
    auto* body = new QVBoxLayout;
    body->addWidget(m_font);
    body->addLayout(fields);
    setBody(body);
    showForm(Form{});
}

void TfrmEditString::showForm(const Form& form)
{
    m_font->showSample(form.font);
    m_sampleText = form.sampleText;
    m_font->setSampleText(form.sampleText);
    m_strGap->setText(form.strGap);
    m_direction->setCurrentIndex(form.direction);
}

TfrmEditString::Form TfrmEditString::form() const
{
    return {m_font->sample(), m_sampleText, m_strGap->text(), m_direction->currentIndex()};
}

void TfrmEditString::showEvent(QShowEvent* event)
{
    ObjectDialog::showEvent(event);
    m_font->refillFontNames();
}

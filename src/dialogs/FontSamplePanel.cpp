#include "dialogs/FontSamplePanel.h"

#include "dialogs/DialogChoiceList.h"
#include "model/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

FontSamplePanel::FontSamplePanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlFont"));
    m_name = choiceList(this, QStringLiteral("cmbFontName"), {}, true);
    m_name->setMinimumContentsLength(12);
    m_size = choiceList(this, QStringLiteral("cmbFontSize"), fontSizeEntries(), true);
    // Only what the operator types or picks is a change: showing a form sets the sample itself.
    for (QComboBox* list : {m_name, m_size}) {
        const auto changed = list == m_name ? &FontSamplePanel::cmbFontNameChange : &FontSamplePanel::cmbFontSizeChange;
        connect(list->lineEdit(), &QLineEdit::textEdited, this, guarded([this, changed] { (this->*changed)(); }));
        connect(list, &QComboBox::textActivated, this, guarded([this, changed] { (this->*changed)(); }));
    }
    m_bold = styleBox(QStringLiteral("chbBold"), tr("粗体"));
    m_italic = styleBox(QStringLiteral("chbItalic"), tr("斜体"));
    m_underLine = styleBox(QStringLiteral("chbUnderLine"), tr("下划线"));
    m_strikeOut = styleBox(QStringLiteral("chbStrikeOut"), tr("删除线"));

    m_panel = new QLabel(tr("字体示例"), this);
    m_panel->setObjectName(QStringLiteral("pnlSample"));
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setFrameShape(QFrame::StyledPanel);
    // However large the sample's font, the panel keeps its place in the dialog.
    m_panel->setFixedSize(280, 72);

    auto* nameCaption = new QLabel(tr("字体"), this);
    nameCaption->setBuddy(m_name);
    auto* sizeCaption = new QLabel(tr("字号"), this);
    sizeCaption->setBuddy(m_size);
    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {m_bold, m_italic, m_underLine, m_strikeOut})
        styles->addWidget(box);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(nameCaption, 0, 0);
    layout->addWidget(m_name, 0, 1);
    layout->addWidget(sizeCaption, 1, 0);
    layout->addWidget(m_size, 1, 1);
    layout->addLayout(styles, 2, 0, 1, 2);
    layout->addWidget(m_panel, 3, 0, 1, 2);
    showSample(m_sample);
}

QCheckBox* FontSamplePanel::styleBox(const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this, guarded([this] { chbStyleClick(); }));
    return box;
}

void FontSamplePanel::showSample(const FontSample& sample)
{
    m_sample = sample;
    m_name->setCurrentText(sample.name);
    m_size->setCurrentText(QString::number(sample.size));
    m_bold->setChecked(sample.bold);
    m_italic->setChecked(sample.italic);
    m_underLine->setChecked(sample.underLine);
    m_strikeOut->setChecked(sample.strikeOut);
    followSample();
}

void FontSamplePanel::setSampleText(const QString& text)
{
    m_panel->setText(text.isEmpty() ? tr("字体示例") : text);
}

void FontSamplePanel::refillFontNames()
{
    const QString shown = m_name->currentText();
    m_name->clear();
    m_name->addItems(QFontDatabase::families());
    m_name->setCurrentText(shown);
}

void FontSamplePanel::cmbFontNameChange()
{
    m_sample.name = m_name->currentText();
    followSample();
}

void FontSamplePanel::cmbFontSizeChange()
{
    if (const std::optional<int> size = sampleFontSize(m_size->currentText())) {
        m_sample.size = *size;
        followSample();
    }
}

void FontSamplePanel::chbStyleClick()
{
    m_sample.bold = m_bold->isChecked();
    m_sample.italic = m_italic->isChecked();
    m_sample.underLine = m_underLine->isChecked();
    m_sample.strikeOut = m_strikeOut->isChecked();
    followSample();
}

void FontSamplePanel::followSample()
{
    m_panel->setFont(sampleFont(m_sample));
}

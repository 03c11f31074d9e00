#include "dialogs/PictureBoxDialog.h"

#include "files/FileChooser.h"
#include "model/MessageService.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PictureBoxDialog::PictureBoxDialog(const QString& name, const QString& caption, const QString& filter,
                                   QWidget* parent)
    : BoxDialog(name, caption, parent)
    , m_filter(filter)
    , m_fileName(lineEdit(QStringLiteral("txtFileName")))
{
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("btnFileName"));
    browse->setAccessibleName(tr("选择文件"));
    connect(browse, &QPushButton::clicked, this, guarded([this] { btnFileNameClick(); }));
    auto* label = new QLabel(tr("文件名"), this);
    label->setBuddy(m_fileName);
    const int row = nextRow();
    grid()->addWidget(label, row, 0);
    grid()->addWidget(m_fileName, row, 1);
    grid()->addWidget(browse, row, 2);
    finish();
    showForm(Form{});
}

void PictureBoxDialog::showForm(const Form& form)
{
    showBox(form.box);
    m_fileName->setText(form.fileName);
}

PictureBoxForm PictureBoxDialog::form() const
{
    return {box(), m_fileName->text()};
}

void PictureBoxDialog::btnFileNameClick()
{
    const QString current = m_fileName->text();
    const QString folder = current.isEmpty() ? documentsFolder() : QFileInfo(current).absolutePath();
    const QString chosen = fileChooser().choose({FileChoice::Mode::Open, m_filter, QStringLiteral(".bmp"), folder});
    if (!chosen.isEmpty() && QFileInfo::exists(chosen))
        m_fileName->setText(chosen);
}

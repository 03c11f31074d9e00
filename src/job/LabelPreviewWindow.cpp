#include "job/LabelPreviewWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

LabelPreviewWindow::LabelPreviewWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("预览"));
    auto* layout = new QVBoxLayout(this);
    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("lblPreviewSource"));
    layout->addWidget(m_source);

    // One screen pixel per printer dot, so that a line one dot wide is seen as the printer
    // makes it.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sbPreview"));
    m_picture = new QLabel(scroll);
    m_picture->setObjectName(QStringLiteral("imgPreview"));
    m_picture->setAccessibleName(tr("标签预览"));
    scroll->setWidget(m_picture);
    scroll->setBackgroundRole(QPalette::Dark);
    layout->addWidget(scroll, 1);

    auto* caption = new QLabel(tr("打印机和雕刻机的设置、不能画出的命令"), this);
    layout->addWidget(caption);
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("memPreview"));
    m_report->setReadOnly(true);
    m_report->setMaximumHeight(160);
    caption->setBuddy(m_report);
    layout->addWidget(m_report);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(tr("关闭"), this);
    close->setObjectName(QStringLiteral("btnPreviewClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(900, 700);
}

void LabelPreviewWindow::showPreview(const NextLabelPreview& preview, const QStringList& notes)
{
    const QString values = preview.record > 0 ? tr("记录 %1").arg(preview.record) : tr("标签中存储的数值");
    m_source->setText(tr("%1；每个像素是一个打印点（%2 DPI）").arg(values).arg(preview.label.printed.dpi));
    m_picture->setPixmap(QPixmap::fromImage(preview.label.picture));
    m_picture->adjustSize();

    QStringList lines = notes + preview.label.problems;
    for (const PrinterSetting& setting : preview.label.printed.settings)
        lines.append(tr("打印机 %1：%2").arg(printableBytes(setting.command), setting.meaning));
    for (const CutterSetting& setting : preview.label.cut.settings)
        lines.append(tr("雕刻机 %1：%2").arg(printableBytes(setting.command), setting.meaning));
    m_report->setPlainText(lines.join(u'\n'));
    show();
    raise();
    activateWindow();
}

#include "dialogs/AboutDialog.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* boldLabel(const QString& name, const QString& text, const QString& family, int pixels,
                  QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

Tf_about::Tf_about(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("f_about"));
    setWindowTitle(tr("关于"));
    setFixedSize(520, 281);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(boldLabel(QStringLiteral("lblTitle"), tr("Marlune"), QStringLiteral("宋体"), 35, this));
    layout->addWidget(boldLabel(QStringLiteral("lblVersion"), tr("VER 201710250000"), QStringLiteral("黑体"), 21, this));
    layout->addStretch();
}

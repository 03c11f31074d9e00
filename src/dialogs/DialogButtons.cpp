#include "dialogs/DialogButtons.h"

#include "model/MessageService.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* confirmButtons(QDialog* dialog, const std::function<void()>& confirm)
{
    auto* ok = new QPushButton(QDialog::tr("确定"), dialog);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QDialog::tr("取消"), dialog);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    QObject::connect(ok, &QPushButton::clicked, dialog, guarded(confirm));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

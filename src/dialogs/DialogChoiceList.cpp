#include "dialogs/DialogChoiceList.h"

#include <QComboBox>

QComboBox* choiceList(QWidget* parent, const QString& name, const QStringList& entries, Typing typing)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(typing == Typing::Allowed);
    // A typed text is the field's value; it does not become an entry of the list.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    return list;
}

#include "dialogs/DialogChoiceList.h"

#include <QComboBox>

QComboBox* choiceList(QWidget* parent, const QString& name, const QStringList& entries, bool editable)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(editable);
    // A typed text is the field's value; it does not become an entry of the list.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    return list;
}

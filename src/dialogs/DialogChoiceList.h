#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

// A list of choices with its object name: a drop-down list that takes only its entries, or
// an editable one whose text the operator may also type.
QComboBox* choiceList(QWidget* parent, const QString& name, const QStringList& entries, bool editable);

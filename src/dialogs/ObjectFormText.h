#pragma once

#include <QCoreApplication>

// The messages of the object dialogs' forms, one translation context for all of them.
class ObjectFormText {
    Q_DECLARE_TR_FUNCTIONS(ObjectForms)
};

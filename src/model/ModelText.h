#pragma once

#include <QCoreApplication>

// The messages of the label document's rules and files it reads: one translation context, so that
// the operator reads them in the interface language.
class ModelText {
    Q_DECLARE_TR_FUNCTIONS(ModelText)
};

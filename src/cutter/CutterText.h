#pragma once

#include <QCoreApplication>

// The messages of the cutter, its jobs and drawings: one translation context, so that the operator
// reads them in the interface language.
class CutterText {
    Q_DECLARE_TR_FUNCTIONS(CutterText)
};

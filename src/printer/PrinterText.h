#pragma once

#include <QCoreApplication>

// The messages of the printer and its graphics: one translation context, so that the operator
// reads them in the interface language.
class PrinterText {
    Q_DECLARE_TR_FUNCTIONS(PrinterText)
};

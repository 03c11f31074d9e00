#pragma once

#include <QCoreApplication>

// The messages of the ports: one translation context, so that the operator reads them in the
// interface language.
class PortText {
    Q_DECLARE_TR_FUNCTIONS(PortText)
};

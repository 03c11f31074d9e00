#pragma once

#include <QCoreApplication>

// The messages of workbooks and record ranges: one translation context, so that the operator reads
// them in the interface language.
class DataText {
    Q_DECLARE_TR_FUNCTIONS(DataText)
};

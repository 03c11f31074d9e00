#pragma once

#include <QCoreApplication>

// The messages of label files and settings: one translation context, so that the operator reads
// them in the interface language.
class FileText {
    Q_DECLARE_TR_FUNCTIONS(FileText)
};

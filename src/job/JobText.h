#pragma once

#include <QCoreApplication>

// The messages of the jobs: one translation context, so that the operator reads them in the
// interface language.
class JobText {
    Q_DECLARE_TR_FUNCTIONS(JobText)
};

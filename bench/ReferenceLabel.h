#pragma once

#include "files/LabelFile.h"

#include <QDir>

#include <stdexcept>

// The 200-object reference label, loaded as the program opens it. It names its pictures
// relative to the source tree, as the examples do.
struct ReferenceLabel {
    Tobject document;
    LabelSettings label;
    JobSettings job;

    ReferenceLabel()
    {
        QDir::setCurrent(QStringLiteral(MARLUNE_SOURCE_DIR));
        const LabelLoadResult result =
            LoadLabel(QStringLiteral("examples/reference-200.xml"), {document, label, job}, nullptr);
        if (!result.fileFound || !result.complete)
            throw std::runtime_error("examples/reference-200.xml did not load");
    }
};

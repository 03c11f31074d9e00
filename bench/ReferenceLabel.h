#pragma once

#include "files/LabelFile.h"

#include <QDir>

#include <stdexcept>

// examples/reference-200.xml, the label the redraw, pointer and job benchmarks measure, set to
// print at 305 dpi.
struct ReferenceLabel {
    Tobject document;
    LabelSettings label;
    JobSettings settings;

    ReferenceLabel()
    {
        // Picture paths in the example are relative to the source tree.
        QDir::setCurrent(QStringLiteral(MARLUNE_SOURCE_DIR));
        const LabelLoadResult result = LoadLabel(QStringLiteral("examples/reference-200.xml"),
                                                 {document, label, settings}, nullptr);
        if (!result.fileFound || !result.complete)
            throw std::runtime_error("examples/reference-200.xml did not load");
        settings.printDpi = 1;
    }
};

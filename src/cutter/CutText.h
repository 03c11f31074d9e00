#pragma once

#include "cutter/CutGeometry.h"
#include "model/Tshape.h"

#include <QString>

// The cutter text of one cut object, or why the object cannot be cut. A kind with nothing
// to cut (a print object) gives an empty text and no error.
struct CutText {
    QString text;
    QString error; // set when the object cannot be cut: the job must send nothing at all
    bool ok() const { return error.isEmpty(); }
};

// Turns one cut object into its piece of the cutter stream, in command form (the plotter
// draws the curve) or path form (the curve flattened into pulses), as the context says.
// Rounded half circles and traced outlines exist in path form only.
CutText CutObjectText(const Tshape& shape, const CutContext& context);

#pragma once

#include "model/LabelSettings.h"
#include "model/Tobject.h"

#include <QImage>

// A surface beyond this many pixels either way cannot be painted; only a damaged label file
// or an absurd zoom asks for one.
inline constexpr int kMaxSurfaceSide = 16384;

// The label surface at a zoom chosen from the zoom list, as the view makes it: sized from the
// label's whole pixels at 100 %, the objects rescaled from the document's zoom and the label
// drawn. Null, with the document unchanged, when the surface would exceed kMaxSurfaceSide.
QImage renderLabelSurface(Tobject& document, const LabelSettings& label, float zoom);

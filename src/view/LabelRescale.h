#pragma once

#include "model/Tobject.h"
#include "view/LabelRenderer.h"

#include <optional>

class QPaintDevice;

// Moves every object's pixel rectangle from the document's zoom to newZoom and makes
// newZoom the document's zoom. Arcs and cut lines are rebuilt from their geometry (a cut
// line's model box and start corner too), texts take the new zoom into their display font
// size; corner radii and line widths keep their pixels.
void rescaleObjects(Tobject& document, float newZoom);

// rescaleObjects, then the complete redraw with the object list.
std::optional<ObjectListContent> Rescale(Tobject& document, float newZoom, QPaintDevice& canvas);

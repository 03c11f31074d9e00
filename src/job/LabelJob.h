#pragma once

#include "model/Tshape.h"
#include "printer/ObjectCommands.h"

class RecordFields;
class Tcom;

// What every object of one label job shares: where it lands, the printer's resolution and
// the record its variable values come from (null: the stored values).
struct LabelJob {
    LabelFrame frame;
    int dpi = 305;
    const RecordFields* record = nullptr;
};

// Writes the commands of the object at index of the list: a command for rectangles, lines and
// symbols (and the printed human-readable line of a linear symbol that asks for it), a raster
// graphic for texts and pictures; nothing for cut objects and unknown kinds. Returns false
// when the link did not take every byte. Raises the failures that end a label job at an
// object: a size text that is no size, a picture that cannot be loaded, a graphic too large,
// a record field that cannot be read.
bool writeObjectCommands(Tcom& link, const Tshape& shape, int index, const LabelJob& job);

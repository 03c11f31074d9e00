#pragma once

#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/Tshape.h"

#include <QByteArray>

// A label as one line of JSON, for scripts:
//   {"complete": true, "settings": {"Width": 1300, ...}, "objects": [{"Left": 0, ...}, ...]}
// Settings and fields appear under their element names in the order of the file. Integers
// and flags are JSON integers, Selected/Stretch/ifPrint true or false, reals the shortest
// numbers that read back to the stored float or double, texts strings.
QByteArray labelToJson(bool complete, const LabelSettings& label, const JobSettings& job,
                       const ShapeList& objects);

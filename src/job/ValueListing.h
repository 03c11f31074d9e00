#pragma once

#include "model/Tshape.h"

#include <QStringList>

class RecordFields;

// One line per print object of the list, in list order: the object's list position (counting
// from 0, as the printer commands number objects), its Type and the value a label job would
// send, separated by tabs. With a record the values come from it, without one they are the
// stored values. Tabs, line breaks and backslashes inside a value are written as "\t", "\n",
// "\r" and "\\", so that every object stays on one line of three columns.
QStringList valueListing(const ShapeList& objects, const RecordFields* record,
                         const QString& dateSeparator);

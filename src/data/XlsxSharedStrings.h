#pragma once

#include "data/XlsxSax.h"

#include <QStringList>

namespace xlsx {

// The shared string table: one entry per <si>, rich-text runs joined, phonetic guides
// (<rPh>) left out since they are not part of the cell's text.
QStringList readSharedStrings(const PartSource& part, const QString& workbook,
                              const QString& partName);

} // namespace xlsx

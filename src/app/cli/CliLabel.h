#pragma once

#include "files/LabelFile.h"

#include <QString>

#include <optional>

// Reads the whole label for a job; the reason when it cannot. A label read only in part is
// not run: the machine would leave out the objects that were not read. Settings read only in
// part are a warning on stderr, as the desktop program keeps the values it did read.
std::optional<QString> loadWholeLabel(const char* command, const QString& path, const LabelTarget& target);

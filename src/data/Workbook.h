#pragma once

#include "data/SheetTable.h"

#include <QStringList>

#include <memory>

// One open workbook file, whatever its format. Readers throw DataSourceError with the
// operator's message when the file or a sheet cannot be read.
class Workbook {
public:
    virtual ~Workbook() = default;

    virtual QStringList sheetNames() const = 0;
    virtual SheetRows readSheet(int index) = 0;

    // The sheet named name, also when written the way earlier label files stored it
    // ("Sheet1$", "'My sheet$'"); throws when the workbook has no such sheet.
    SheetTable readTable(const QString& name);
    int sheetIndex(const QString& name) const; // -1 when missing
};

// The reader a connection string selects (see ConnectionString.h).
std::unique_ptr<Workbook> openWorkbook(const QString& connectionString);

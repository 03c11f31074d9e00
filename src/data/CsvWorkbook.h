#pragma once

#include "data/Workbook.h"

// A comma-separated file (.csv) seen as a workbook of one sheet named after the file
// ("名单.csv" holds the sheet "名单"); its first line names the columns like a sheet's
// first row.
class CsvWorkbook : public Workbook {
public:
    // The file is read whole; larger files are refused.
    static constexpr qint64 kMaxFileBytes = 64ll << 20;

    explicit CsvWorkbook(const QString& path);

    QStringList sheetNames() const override;
    SheetRows readSheet(int index) override;

    // Whether the path names a file of separated values by its extension (.csv, .tsv, .txt).
    static bool isCsvName(const QString& path);

private:
    QString m_path;
    QString m_sheetName;
};

#pragma once

#include "data/Workbook.h"

// A binary (BIFF) workbook read through FreeXL. FreeXL 1.0.6 hands out dates as text and
// nothing for formula and boolean cells: those read as empty values.
class XlsWorkbook : public Workbook {
public:
    explicit XlsWorkbook(const QString& path);
    ~XlsWorkbook() override;
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    QStringList sheetNames() const override;
    SheetRows readSheet(int index) override;

    // FreeXL reads the whole file into memory; larger files are refused.
    static constexpr qint64 kMaxFileBytes = 256ll << 20;

private:
    [[noreturn]] void fail(int code) const;

    QString m_path;
    const void* m_handle = nullptr;
    QStringList m_sheetNames;
};

#pragma once

#include "data/Workbook.h"
#include "data/XlsReaderProcess.h"

// A binary (BIFF) workbook. The parsing library (FreeXL 1.0.6) is not safe against damaged
// files, so every read runs it in the reader process marlune-xls-reader: a file that would
// crash it ends with the "damaged workbook" message instead. FreeXL hands out dates as text
// and nothing for formula and boolean cells: those read as empty values.
class XlsWorkbook : public Workbook {
public:
    // reader is the program to run; the one beside the running program unless a test
    // puts another in its place.
    explicit XlsWorkbook(const QString& path,
                         const QString& reader = XlsReaderRun::installedProgram());

    QStringList sheetNames() const override;
    SheetRows readSheet(int index) override;

    // The reader reads the whole file into memory; larger files are refused.
    static constexpr qint64 kMaxFileBytes = 256ll << 20;

private:
    QByteArray runReader(const QStringList& extraArguments) const;

    QString m_path;
    QString m_reader;
    QStringList m_sheetNames;
};

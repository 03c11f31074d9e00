#pragma once

#include "data/Workbook.h"
#include "data/XlsxSax.h"
#include "data/ZipArchive.h"

// An OpenDocument spreadsheet (.ods) as a spreadsheet program saves it: a zip package whose
// content part holds every sheet, streamed from the inflater through the same SAX parser as
// the Open XML workbooks, within the same limits.
class OdsWorkbook : public Workbook {
public:
    // Limits on the inflated size of the content part (all sheets) and of the manifest.
    static constexpr qint64 kMaxContentBytes = 256ll << 20;
    static constexpr qint64 kMaxManifestBytes = 16ll << 20;

    explicit OdsWorkbook(const QString& path);

    QStringList sheetNames() const override;
    SheetRows readSheet(int index) override;

    // Whether the file announces itself as an OpenDocument spreadsheet: its first part is
    // the uncompressed "mimetype" naming that type.
    static bool isOpenDocument(const QString& path);

private:
    xlsx::PartSource contentSource() const;

    ZipArchive m_zip;
    QString m_path;
    QStringList m_sheetNames;
};

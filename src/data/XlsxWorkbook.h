#pragma once

#include "data/Workbook.h"
#include "data/XlsxSheetReader.h"
#include "data/ZipArchive.h"

#include <optional>

// An Open XML workbook (.xlsx, .xlsm): a zip package read with minizip; the small parts
// read with QXmlStreamReader, the large ones (sheets, shared strings) streamed from the
// inflater through libxml2's SAX parser.
class XlsxWorkbook : public Workbook {
public:
    // Limits on the inflated size of each part: a sheet, the shared strings, and the
    // small parts (workbook, styles).
    static constexpr qint64 kMaxSheetBytes = 256ll << 20;
    static constexpr qint64 kMaxSharedStringsBytes = 128ll << 20;
    static constexpr qint64 kMaxSmallPartBytes = 16ll << 20;

    explicit XlsxWorkbook(const QString& path);

    QStringList sheetNames() const override;
    SheetRows readSheet(int index) override;

private:
    void readWorkbookPart(const QString& part);
    void loadSharedParts();
    // Streams the part from the package, within limit bytes.
    xlsx::PartSource partSource(const QString& part, qint64 limit) const;

    ZipArchive m_zip;
    QString m_path;
    QString m_workbookPart;
    QStringList m_sheetNames;
    QStringList m_sheetParts;
    std::optional<xlsx::SheetContext> m_context; // read on the first sheet
    bool m_date1904 = false;
};

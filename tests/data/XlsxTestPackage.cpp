#include "XlsxTestPackage.h"

#include <QFile>

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <gtest/gtest.h>

namespace testing_support {

void writeZip(const QString& path, const QMap<QString, QByteArray>& parts)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr) << qPrintable(path);
    for (auto it = parts.cbegin(); it != parts.cend(); ++it) {
        zip_fileinfo info{};
        ASSERT_EQ(zipOpenNewFileInZip64(zip, it.key().toUtf8().constData(), &info, nullptr, 0,
                                        nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION,
                                        it.value().size() > 0xFFFFFFF),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, it.value().constData(), unsigned(it.value().size())),
                  ZIP_OK);
        zipCloseFileInZip(zip);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

QMap<QString, QByteArray> readZip(const QString& path)
{
    QMap<QString, QByteArray> parts;
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return parts;
    for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip)) {
        char name[512];
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        QByteArray data(qsizetype(info.uncompressed_size), '\0');
        unzOpenCurrentFile(zip);
        unzReadCurrentFile(zip, data.data(), unsigned(data.size()));
        unzCloseCurrentFile(zip);
        parts.insert(QString::fromUtf8(name), data);
    }
    unzClose(zip);
    return parts;
}

QList<QStringList> sheetTexts(const SheetRows& rows)
{
    QList<QStringList> texts;
    for (const QList<CellValue>& row : rows) {
        QStringList cells;
        for (const CellValue& cell : row)
            cells.append(cell.displayText());
        texts.append(cells);
    }
    return texts;
}

QByteArray worksheet(const QByteArray& rows)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<sheetData>"
        + rows + "</sheetData></worksheet>";
}

QMap<QString, QByteArray> minimalPackage(const QByteArray& sheetXml, const QString& sheetName,
                                         const QByteArray& sheetTarget)
{
    const QByteArray relationshipsNs =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    QMap<QString, QByteArray> parts;
    parts.insert(QStringLiteral("[Content_Types].xml"),
                 "<?xml version=\"1.0\"?><Types "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>");
    parts.insert(QStringLiteral("_rels/.rels"),
                 "<?xml version=\"1.0\"?><Relationships "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                 "<Relationship Id=\"rId1\" Type=\""
                     + relationshipsNs + "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                 "</Relationships>");
    parts.insert(QStringLiteral("xl/_rels/workbook.xml.rels"),
                 "<?xml version=\"1.0\"?><Relationships "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                 "<Relationship Id=\"rId1\" Type=\""
                     + relationshipsNs + "/worksheet\" Target=\"" + sheetTarget + "\"/>"
                 "</Relationships>");
    parts.insert(QStringLiteral("xl/workbook.xml"),
                 "<?xml version=\"1.0\"?><workbook "
                 "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" xmlns:r=\""
                     + relationshipsNs + "\"><sheets><sheet name=\"" + sheetName.toUtf8()
                     + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    parts.insert(QStringLiteral("xl/worksheets/sheet1.xml"), sheetXml);
    return parts;
}

} // namespace testing_support

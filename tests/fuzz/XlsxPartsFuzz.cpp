// The XML parts of an .xlsx workbook, packed by the harness into a sound zip so that every
// change reaches the part readers: the input holds the parts in the order below, each
// ending at a line "--part--".

#include "FuzzTarget.h"
#include "SheetSupport.h"

#include "data/XlsxTestPackage.h"

#include <QMap>

namespace {

const char* const kPartNames[] = {
    "xl/workbook.xml",
    "xl/_rels/workbook.xml.rels",
    "xl/worksheets/sheet1.xml",
    "xl/sharedStrings.xml",
    "xl/styles.xml",
    "xl/worksheets/sheet2.xml",
    "_rels/.rels",
};

const QByteArray kDefaultPackageRelationships =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> texts = fuzzing::bytesOf(data, size).split('\n');
    QMap<QString, QByteArray> parts;
    parts.insert(QStringLiteral("_rels/.rels"), kDefaultPackageRelationships);
    QByteArray part;
    std::size_t index = 0;
    for (const QByteArray& line : texts) {
        if (line != "--part--") {
            part += line + '\n';
            continue;
        }
        if (index < std::size(kPartNames))
            parts.insert(QString::fromLatin1(kPartNames[index++]), part);
        part.clear();
    }
    if (index < std::size(kPartNames) && !part.isEmpty())
        parts.insert(QString::fromLatin1(kPartNames[index]), part);

    const QString path = fuzzing::scratchPath(QStringLiteral("parts.xlsx"));
    testing_support::writeZip(path, parts);
    readEveryXlsxSheet(path);
    return 0;
}

// The content part of an OpenDocument spreadsheet, read sheet by sheet as a data source reads
// it. The part streams out of the zip in pieces of any size: read whole and in pieces drawn
// from its own bytes, every sheet holds the same rows. A part whose declaration names another
// encoding than UTF-8 is left out of that comparison: libxml2 decodes some odd names (such as
// "UT-F-8") one way when the part comes whole and another when it comes in pieces.

#include "FuzzTarget.h"
#include "SheetSupport.h"

#include "data/DataSourceError.h"
#include "data/OdsContentReader.h"

#include <algorithm>
#include <optional>

namespace {

const QString kWorkbook = QStringLiteral("fuzz.ods");

std::optional<SheetRows> rowsOf(const QByteArray& content, qsizetype piece, int index, const QString& name)
{
    try {
        return ods::readSheetRows(xlsx::piecesOf(content, piece), kWorkbook, index, name);
    } catch (const DataSourceError&) {
        return std::nullopt;
    }
}

// The encoding the XML declaration names is UTF-8, or none is named.
bool declaresUtf8(const QByteArray& content)
{
    const QByteArray declaration = content.left(std::max<qsizetype>(content.indexOf("?>"), 0)).toLower();
    const qsizetype named = declaration.indexOf("encoding=");
    return named < 0 || declaration.mid(named + 10, 5) == "utf-8";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content = fuzzing::bytesOf(data, size);
    QStringList names;
    try {
        names = ods::readSheetNames(xlsx::piecesOf(content, qsizetype(1) << 20), kWorkbook);
    } catch (const DataSourceError&) {
        return 0;
    }
    const bool comparable = declaresUtf8(content);
    const qsizetype piece = 1 + qsizetype(qHash(content) % 97);
    for (int index = 0; index < names.size(); ++index) {
        const std::optional<SheetRows> whole = rowsOf(content, qsizetype(1) << 20, index, names[index]);
        if (whole)
            checkSheetTable(*whole, names[index]);
        if (!comparable)
            continue;
        const std::optional<SheetRows> pieces = rowsOf(content, piece, index, names[index]);
        fuzzing::expect(whole.has_value() == pieces.has_value(), "the part in pieces is refused alike", names[index]);
        fuzzing::expect(!whole || sameRows(*whole, *pieces), "the part in pieces holds the same rows", names[index]);
    }
    return 0;
}

#include "data/OdsWorkbook.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/OdsContentReader.h"

#include <QFile>

namespace {

const QString kContentPart = QStringLiteral("content.xml");
const QString kManifestPart = QStringLiteral("META-INF/manifest.xml");

} // namespace

OdsWorkbook::OdsWorkbook(const QString& path)
    : m_zip(path, DataText::tr("OpenDocument电子表格（.ods）"))
    , m_path(path)
{
    // A password-protected spreadsheet keeps its parts encrypted inside an ordinary package:
    // only its manifest tells.
    if (m_zip.contains(kManifestPart) && m_zip.read(kManifestPart, kMaxManifestBytes).contains("encryption-data"))
        throw DataSourceError(DataText::tr("工作簿“%1”已加密，无法读取。").arg(path));
    m_sheetNames = ods::readSheetNames(contentSource(), m_path);
}

xlsx::PartSource OdsWorkbook::contentSource() const
{
    return [this](const ZipArchive::ChunkSink& sink) { m_zip.stream(kContentPart, kMaxContentBytes, sink); };
}

QStringList OdsWorkbook::sheetNames() const
{
    return m_sheetNames;
}

SheetRows OdsWorkbook::readSheet(int index)
{
    return ods::readSheetRows(contentSource(), m_path, index, m_sheetNames.value(index));
}

bool OdsWorkbook::isOpenDocument(const QString& path)
{
    // A zip entry's name begins 30 bytes into the file, its stored content right after.
    static const QByteArray mimetype = QByteArrayLiteral("mimetypeapplication/vnd.oasis.opendocument.spreadsheet");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(30 + mimetype.size()).mid(30) == mimetype;
}

#include "data/XlsxWorkbook.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/XlsxRelationships.h"
#include "data/XlsxSharedStrings.h"
#include "data/XlsxStyles.h"
#include "data/XlsxXml.h"

#include <QXmlStreamReader>

namespace {

const QString kDefaultWorkbookPart = QStringLiteral("xl/workbook.xml");

bool isTrue(QStringView value)
{
    return value == u"1" || value == u"true";
}

} // namespace

XlsxWorkbook::XlsxWorkbook(const QString& path)
    : m_zip(path)
    , m_path(path)
{
    const QList<xlsx::Relationship> root = xlsx::readRelationships(m_zip, path, QString());
    m_workbookPart = xlsx::targetOfType(root, u"/officeDocument");
    if (m_workbookPart.isEmpty() || !m_zip.contains(m_workbookPart))
        m_workbookPart = kDefaultWorkbookPart;
    readWorkbookPart(m_workbookPart);
}

void XlsxWorkbook::readWorkbookPart(const QString& part)
{
    const QList<xlsx::Relationship> relationships =
        xlsx::readRelationships(m_zip, m_path, part);
    QXmlStreamReader xml(m_zip.read(part, kMaxSmallPartBytes));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"workbookPr") {
            m_date1904 = isTrue(xlsx::attribute(attributes, QLatin1StringView("date1904")));
        } else if (xml.name() == u"sheet") {
            const QStringView id = xlsx::attribute(attributes, QLatin1StringView("id"));
            QString target;
            for (const xlsx::Relationship& relationship : relationships) {
                if (relationship.id == id)
                    target = relationship.target;
            }
            m_sheetNames.append(xlsx::attribute(attributes, QLatin1StringView("name")).toString());
            m_sheetParts.append(target);
        }
    }
    xlsx::throwIfMalformed(xml, m_path, part);
}

void XlsxWorkbook::loadSharedParts()
{
    xlsx::SheetContext context;
    context.workbook = m_path;
    context.date1904 = m_date1904;
    const QList<xlsx::Relationship> relationships =
        xlsx::readRelationships(m_zip, m_path, m_workbookPart);
    const QString strings = xlsx::targetOfType(relationships, u"/sharedStrings");
    if (!strings.isEmpty() && m_zip.contains(strings))
        context.sharedStrings = xlsx::readSharedStrings(
            partSource(strings, kMaxSharedStringsBytes), m_path, strings);
    const QString styles = xlsx::targetOfType(relationships, u"/styles");
    if (!styles.isEmpty() && m_zip.contains(styles))
        context.formatKinds =
            xlsx::readCellFormatKinds(m_zip.read(styles, kMaxSmallPartBytes), m_path, styles);
    m_context = std::move(context);
}

xlsx::PartSource XlsxWorkbook::partSource(const QString& part, qint64 limit) const
{
    return [this, part, limit](const ZipArchive::ChunkSink& sink) {
        m_zip.stream(part, limit, sink);
    };
}

QStringList XlsxWorkbook::sheetNames() const
{
    return m_sheetNames;
}

SheetRows XlsxWorkbook::readSheet(int index)
{
    const QString part = m_sheetParts.value(index);
    if (part.isEmpty())
        throw DataSourceError(DataText::tr("工作簿“%1”已损坏：工作表“%2”没有数据。")
                                  .arg(m_path, m_sheetNames.value(index)));
    if (!m_context)
        loadSharedParts();
    m_context->partName = part;
    m_context->sheetName = m_sheetNames.value(index);
    return xlsx::readSheetRows(partSource(part, kMaxSheetBytes), *m_context);
}

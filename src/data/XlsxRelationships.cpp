#include "data/XlsxRelationships.h"

#include "data/XlsxXml.h"
#include "data/ZipArchive.h"

#include <QXmlStreamReader>

namespace xlsx {

namespace {

constexpr qint64 kMaxRelationshipsBytes = 16ll << 20;

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash + 1);
}

QString relationshipsPartOf(const QString& sourcePart)
{
    const qsizetype slash = sourcePart.lastIndexOf(u'/');
    return folderOf(sourcePart) + QStringLiteral("_rels/") + sourcePart.mid(slash + 1)
        + QStringLiteral(".rels");
}

} // namespace

QString resolveTarget(const QString& sourcePart, QStringView target)
{
    const QString joined = target.startsWith(u'/') ? target.mid(1).toString()
                                                   : folderOf(sourcePart) + target.toString();
    QStringList parts;
    for (const QString& segment : joined.split(u'/', Qt::SkipEmptyParts)) {
        if (segment == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (segment != u".") {
            parts.append(segment);
        }
    }
    return parts.join(u'/');
}

QList<Relationship> readRelationships(const ZipArchive& zip, const QString& workbook,
                                      const QString& sourcePart)
{
    const QString part = relationshipsPartOf(sourcePart);
    QList<Relationship> relationships;
    if (!zip.contains(part))
        return relationships;
    QXmlStreamReader xml(zip.read(part, kMaxRelationshipsBytes));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attribute(attributes, QLatin1StringView("TargetMode")) == u"External")
            continue;
        relationships.append({attribute(attributes, QLatin1StringView("Id")).toString(),
                              attribute(attributes, QLatin1StringView("Type")).toString(),
                              resolveTarget(sourcePart,
                                            attribute(attributes, QLatin1StringView("Target")))});
    }
    throwIfMalformed(xml, workbook, part);
    return relationships;
}

QString targetOfType(const QList<Relationship>& relationships, QStringView typeSuffix)
{
    for (const Relationship& relationship : relationships) {
        if (relationship.type.endsWith(typeSuffix))
            return relationship.target;
    }
    return {};
}

} // namespace xlsx

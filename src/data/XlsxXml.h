#pragma once

#include <QString>
#include <QXmlStreamReader>

// Small helpers shared by the readers of the Open XML parts.
namespace xlsx {

// The attribute whose local name is name, whatever its prefix. Fetch the attributes once
// per element and keep them while using the view: QXmlStreamReader::attributes() builds
// them anew on each call.
QStringView attribute(const QXmlStreamAttributes& attributes, QLatin1StringView name);

// Throws DataSourceError naming the workbook, the part and the line of a damaged part.
[[noreturn]] void throwDamaged(const QString& workbook, const QString& part, qint64 line,
                               const QString& what);

// Throws DataSourceError naming the workbook, the part and the line when the part is not
// well-formed XML.
void throwIfMalformed(const QXmlStreamReader& xml, const QString& workbook, const QString& part);

} // namespace xlsx

#include "data/XlsxXml.h"

#include "data/DataSourceError.h"

namespace xlsx {

QStringView attribute(const QXmlStreamAttributes& attributes, QLatin1StringView name)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == name)
            return attribute.value();
    }
    return {};
}

bool nextStartElementWithin(QXmlStreamReader& xml, QLatin1StringView end)
{
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement)
            return true;
        if (token == QXmlStreamReader::EndElement && xml.name() == end)
            return false;
    }
    return false;
}

void throwDamaged(const QXmlStreamReader& xml, const QString& workbook, const QString& part,
                  const QString& what)
{
    throw DataSourceError(QStringLiteral("工作簿“%1”已损坏：“%2”第 %3 行：%4")
                              .arg(workbook, part)
                              .arg(xml.lineNumber())
                              .arg(what));
}

void throwIfMalformed(const QXmlStreamReader& xml, const QString& workbook, const QString& part)
{
    if (xml.hasError())
        throwDamaged(xml, workbook, part, xml.errorString());
}

} // namespace xlsx

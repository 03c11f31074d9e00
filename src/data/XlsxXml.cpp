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

void throwIfMalformed(const QXmlStreamReader& xml, const QString& workbook, const QString& part)
{
    if (!xml.hasError())
        return;
    throw DataSourceError(QStringLiteral("工作簿“%1”已损坏：“%2”第 %3 行：%4")
                              .arg(workbook, part)
                              .arg(xml.lineNumber())
                              .arg(xml.errorString()));
}

} // namespace xlsx

#include "data/XlsxXml.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"

namespace xlsx {

QStringView attribute(const QXmlStreamAttributes& attributes, QLatin1StringView name)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == name)
            return attribute.value();
    }
    return {};
}

void throwDamaged(const QString& workbook, const QString& part, qint64 line, const QString& what)
{
    throw DataSourceError(DataText::tr("工作簿“%1”已损坏：“%2”第 %3 行：%4")
                              .arg(workbook, part)
                              .arg(line)
                              .arg(what));
}

void throwIfMalformed(const QXmlStreamReader& xml, const QString& workbook, const QString& part)
{
    if (xml.hasError())
        throwDamaged(workbook, part, xml.lineNumber(), xml.errorString());
}

} // namespace xlsx

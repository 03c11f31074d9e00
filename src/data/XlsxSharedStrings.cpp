#include "data/XlsxSharedStrings.h"

#include "data/XlsxXml.h"

#include <QXmlStreamReader>

namespace xlsx {

QString readStringItem(QXmlStreamReader& xml)
{
    QString text;
    int phoneticDepth = 0;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"rPh") {
                ++phoneticDepth;
                ++depth;
            } else if (xml.name() == u"t" && phoneticDepth == 0) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else {
                ++depth;
            }
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == u"rPh")
                --phoneticDepth;
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

QStringList readSharedStrings(const QByteArray& part, const QString& workbook,
                              const QString& partName)
{
    QStringList strings;
    QXmlStreamReader xml(part);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings.append(readStringItem(xml));
    }
    throwIfMalformed(xml, workbook, partName);
    return strings;
}

} // namespace xlsx

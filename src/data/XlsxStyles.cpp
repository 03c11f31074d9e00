#include "data/XlsxStyles.h"

#include "data/XlsxXml.h"

#include <QHash>
#include <QXmlStreamReader>

namespace xlsx {

namespace {

bool startsWithWord(QStringView code, qsizetype at, QLatin1StringView word)
{
    return code.mid(at).startsWith(word, Qt::CaseInsensitive);
}

// "[h]", "[mm]", "[ss]": elapsed time.
bool isElapsedTime(QStringView bracketed)
{
    if (bracketed.isEmpty())
        return false;
    const QChar first = bracketed.front().toLower();
    if (first != u'h' && first != u'm' && first != u's')
        return false;
    for (QChar c : bracketed) {
        if (c.toLower() != first)
            return false;
    }
    return true;
}

} // namespace

CellKind numberFormatKind(int builtInId)
{
    if ((builtInId >= 14 && builtInId <= 17) || (builtInId >= 27 && builtInId <= 31)
        || builtInId == 36 || (builtInId >= 50 && builtInId <= 54) || builtInId == 57
        || builtInId == 58)
        return CellKind::Date;
    if ((builtInId >= 18 && builtInId <= 21) || (builtInId >= 32 && builtInId <= 35)
        || (builtInId >= 45 && builtInId <= 47) || builtInId == 55 || builtInId == 56)
        return CellKind::Time;
    if (builtInId == 22)
        return CellKind::DateTime;
    return CellKind::Number;
}

CellKind numberFormatKind(QStringView code)
{
    bool date = false;
    bool time = false;
    bool month = false;
    // Only the first section (positive numbers) decides; quoted text, escaped characters,
    // fills, paddings, colours and locales say nothing about dates.
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u';') {
            break;
        } else if (c == u'"') {
            const qsizetype close = code.indexOf(u'"', i + 1);
            i = close < 0 ? code.size() : close;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i + 1);
            const qsizetype end = close < 0 ? code.size() : close;
            time = time || isElapsedTime(code.mid(i + 1, end - i - 1));
            i = end;
        } else if (startsWithWord(code, i, QLatin1StringView("general"))) {
            i += 6;
        } else if (startsWithWord(code, i, QLatin1StringView("am/pm"))) {
            time = true;
            i += 4;
        } else if (startsWithWord(code, i, QLatin1StringView("a/p"))) {
            time = true;
            i += 2;
        } else if (c == u'y' || c == u'd') {
            date = true;
        } else if (c == u'h' || c == u's') {
            time = true;
        } else if (c == u'm') {
            month = true;
        }
    }
    // "m" is the month unless hours or seconds stand beside it.
    date = date || (month && !time);
    if (date && time)
        return CellKind::DateTime;
    if (date)
        return CellKind::Date;
    return time ? CellKind::Time : CellKind::Number;
}

QList<CellKind> readCellFormatKinds(const QByteArray& part, const QString& workbook,
                                    const QString& partName)
{
    QHash<int, CellKind> customFormats;
    QList<CellKind> kinds;
    bool inCellFormats = false;
    QXmlStreamReader xml(part);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"cellXfs")
            inCellFormats = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const int id = attribute(attributes, QLatin1StringView("numFmtId")).toInt();
        if (xml.name() == u"numFmt") {
            customFormats.insert(
                id, numberFormatKind(attribute(attributes, QLatin1StringView("formatCode"))));
        } else if (xml.name() == u"cellXfs") {
            inCellFormats = true;
        } else if (inCellFormats && xml.name() == u"xf") {
            kinds.append(customFormats.value(id, numberFormatKind(id)));
        }
    }
    throwIfMalformed(xml, workbook, partName);
    return kinds;
}

} // namespace xlsx

#include "data/XlsxSheetReader.h"

#include "data/XlsxSharedStrings.h"
#include "data/XlsxXml.h"

#include <QXmlStreamReader>

namespace xlsx {

namespace {

constexpr int kMaxRows = 1'048'576;
constexpr int kMaxColumns = 16'384;
constexpr double kDaysFrom1900To1904 = 1462;

// The t attribute of a cell.
enum class ValueType { Number, SharedString, Boolean, Text, Error, IsoDate };

ValueType valueType(QStringView type)
{
    if (type == u"s")
        return ValueType::SharedString;
    if (type == u"b")
        return ValueType::Boolean;
    if (type == u"e")
        return ValueType::Error;
    if (type == u"d")
        return ValueType::IsoDate;
    if (type == u"str" || type == u"inlineStr")
        return ValueType::Text;
    return ValueType::Number;
}

bool isNumeric(ValueType type)
{
    return type == ValueType::Number || type == ValueType::SharedString
        || type == ValueType::Boolean;
}

struct CellReference {
    int row = -1; // from 0; -1 when the reference names none
    int column = -1;
};

// "B12" → row 11, column 1. Letters alone give a column; anything else gives nothing.
CellReference parseReference(QStringView reference)
{
    CellReference parsed;
    qsizetype i = 0;
    int column = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i) {
        column = column * 26 + (reference[i].toUpper().unicode() - u'A' + 1);
        if (column > kMaxColumns)
            return {};
    }
    if (i > 0)
        parsed.column = column - 1;
    if (i < reference.size()) {
        bool ok = false;
        const int row = reference.mid(i).toInt(&ok);
        if (ok && row >= 1)
            parsed.row = row - 1;
    }
    return parsed;
}

class SheetParser {
public:
    SheetParser(const QByteArray& part, const SheetContext& context)
        : m_xml(part)
        , m_context(context)
        , m_budget(context.sheetName)
    {
    }

    SheetRows parse()
    {
        while (nextStartElementWithin(m_xml, QLatin1StringView("sheetData"))) {
            if (m_xml.name() == u"row")
                startRow();
            else if (m_xml.name() == u"c")
                readCell();
        }
        throwIfMalformed(m_xml, m_context.workbook, m_context.partName);
        qsizetype used = m_rows.size();
        while (used > 0 && m_rows[used - 1].isEmpty())
            --used;
        m_rows.resize(used);
        return std::move(m_rows);
    }

private:
    [[noreturn]] void damaged(const QString& what) const
    {
        throwDamaged(m_xml, m_context.workbook, m_context.partName, what);
    }

    void startRow()
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringView number = attribute(attributes, QLatin1StringView("r"));
        bool ok = false;
        const int row = number.toInt(&ok);
        if (number.isEmpty())
            m_row = m_row + 1;
        else if (ok && row >= 1 && row <= kMaxRows)
            m_row = row - 1;
        else
            damaged(QStringLiteral("行号“%1”无效").arg(number));
        m_column = -1;
    }

    void readCell()
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringView referenceText = attribute(attributes, QLatin1StringView("r"));
        CellReference reference = parseReference(referenceText);
        if (!referenceText.isEmpty() && reference.column < 0)
            damaged(QStringLiteral("单元格引用“%1”无效").arg(referenceText));
        if (reference.row < 0)
            reference.row = std::max(m_row, 0);
        if (reference.column < 0)
            reference.column = m_column + 1;
        if (reference.row >= kMaxRows || reference.column >= kMaxColumns)
            damaged(QStringLiteral("单元格引用“%1”超出工作表").arg(referenceText));
        m_row = reference.row;
        m_column = reference.column;

        const ValueType type = valueType(attribute(attributes, QLatin1StringView("t")));
        const int format = attribute(attributes, QLatin1StringView("s")).toInt();
        CellValue cell = readCellContent(type, format);
        if (cell.kind != CellKind::Empty)
            store(reference, std::move(cell));
    }

    // Reads up to the cell's end element.
    CellValue readCellContent(ValueType type, int format)
    {
        CellValue cell;
        while (nextStartElementWithin(m_xml, QLatin1StringView("c"))) {
            if (m_xml.name() == u"v")
                cell = isNumeric(type) ? numericCell(type, format) : textCell(type);
            else if (m_xml.name() == u"is")
                cell = CellValue::fromText(readStringItem(m_xml));
        }
        return cell;
    }

    // Numbers, booleans and shared string indexes are read straight from the parser's
    // buffer: the hot path of a large sheet.
    CellValue numericCell(ValueType type, int format)
    {
        if (m_xml.readNext() != QXmlStreamReader::Characters)
            return {};
        const QStringView value = m_xml.text().trimmed();
        bool ok = false;
        CellValue cell;
        if (type == ValueType::SharedString) {
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= m_context.sharedStrings.size())
                damaged(QStringLiteral("共享字符串“%1”不存在").arg(value));
            cell = CellValue::fromText(m_context.sharedStrings.at(index));
        } else if (type == ValueType::Boolean) {
            cell = CellValue::fromNumber(value == u"1" ? 1 : 0);
            cell.kind = CellKind::Boolean;
        } else {
            const double number = value.toDouble(&ok);
            const CellKind kind = m_context.formatKinds.value(format, CellKind::Number);
            if (!ok)
                cell = CellValue::fromText(value.toString());
            else if (kind == CellKind::Number)
                cell = CellValue::fromNumber(number);
            else
                cell = CellValue::fromDayCount(dayCountFromSerial(number, m_context.date1904), kind);
        }
        m_xml.skipCurrentElement();
        return cell;
    }

    CellValue textCell(ValueType type)
    {
        const QString value = m_xml.readElementText();
        CellValue cell = CellValue::fromText(value);
        if (type == ValueType::Error) {
            cell.kind = CellKind::Error;
        } else if (type == ValueType::IsoDate) {
            const QDateTime moment = QDateTime::fromString(value.trimmed(), Qt::ISODate);
            if (moment.isValid())
                cell = CellValue::fromDayCount(dayCountFromDateTime(moment), CellKind::DateTime);
        }
        return cell;
    }

    void store(const CellReference& reference, CellValue cell)
    {
        if (m_rows.size() <= reference.row)
            m_rows.resize(reference.row + 1);
        QList<CellValue>& row = m_rows[reference.row];
        if (row.size() <= reference.column) {
            m_budget.spend(reference.column + 1 - row.size());
            row.resize(reference.column + 1);
        }
        row[reference.column] = std::move(cell);
    }

    QXmlStreamReader m_xml;
    const SheetContext& m_context;
    CellBudget m_budget;
    SheetRows m_rows;
    int m_row = -1;
    int m_column = -1;
};

} // namespace

double dayCountFromSerial(double serial, bool date1904)
{
    if (date1904)
        return serial + kDaysFrom1900To1904;
    // Serials 1..59 lie before the phantom 29 February 1900 and are one day behind.
    return serial >= 1 && serial < 60 ? serial + 1 : serial;
}

SheetRows readSheetRows(const QByteArray& part, const SheetContext& context)
{
    return SheetParser(part, context).parse();
}

} // namespace xlsx

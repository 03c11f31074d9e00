#include "data/XlsxSheetReader.h"

#include "data/DataText.h"
#include "data/XlsxSax.h"
#include "data/XlsxXml.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace xlsx {

namespace {

constexpr int kMaxRows = 1'048'576;
constexpr int kMaxColumns = 16'384;
constexpr double kDaysFrom1900To1904 = 1462;

// The t attribute of a cell.
enum class ValueType { Number, SharedString, Boolean, Text, Error, IsoDate };

ValueType valueType(std::string_view type)
{
    if (type == "s")
        return ValueType::SharedString;
    if (type == "b")
        return ValueType::Boolean;
    if (type == "e")
        return ValueType::Error;
    if (type == "d")
        return ValueType::IsoDate;
    if (type == "str" || type == "inlineStr")
        return ValueType::Text;
    return ValueType::Number;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n'
                             || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n'
                             || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

template<typename Number>
bool parseNumber(std::string_view text, Number& value)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

QString qstring(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

struct CellReference {
    int row = -1; // from 0; -1 when the reference leaves the row to its <row>
    int column = -1;
};

// A count of letters or digits, held at limit + 1 once it passes limit so that a far
// reference cannot overflow.
int capped(int value, int limit)
{
    return std::min(value, limit + 1);
}

// "B12" → row 11, column 1; letters alone give a column and leave the row to the <row>.
// Anything else is no reference at all. Rows and columns beyond the sheet come back past
// its limits, for the caller to refuse.
std::optional<CellReference> parseReference(std::string_view reference)
{
    size_t i = 0;
    int column = 0;
    for (; i < reference.size(); ++i) {
        const char c = reference[i];
        const int letter = c >= 'a' && c <= 'z' ? c - 'a' : c >= 'A' && c <= 'Z' ? c - 'A' : -1;
        if (letter < 0)
            break;
        column = capped(column * 26 + letter + 1, kMaxColumns);
    }
    if (i == 0)
        return std::nullopt;
    CellReference parsed;
    parsed.column = column - 1;
    if (i == reference.size())
        return parsed;
    int row = 0;
    for (; i < reference.size(); ++i) {
        const char c = reference[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        row = capped(row * 10 + (c - '0'), kMaxRows);
    }
    if (row == 0)
        return std::nullopt;
    parsed.row = row - 1;
    return parsed;
}

class SheetParser : public SaxHandler {
public:
    SheetParser(const SheetContext& context)
        : m_context(context)
        , m_budget(context.sheetName)
    {
    }

    SheetRows parse(const PartSource& source)
    {
        parseSax(source, *this, m_context.workbook, m_context.partName);
        qsizetype used = m_rows.size();
        while (used > 0 && m_rows[used - 1].isEmpty())
            --used;
        m_rows.resize(used);
        return std::move(m_rows);
    }

    void startElement(std::string_view name, const SaxAttributes& attributes) override
    {
        if (name == "c") {
            startCell(attributes);
        } else if (name == "v" && m_inCell) {
            m_text.clear();
            m_collecting = true;
        } else if (name == "is" && m_inCell) {
            m_text.clear();
            m_inInlineString = true;
        } else if (name == "t" && m_inInlineString && m_phoneticDepth == 0) {
            m_collecting = true;
        } else if (name == "rPh") {
            ++m_phoneticDepth;
        } else if (name == "row") {
            startRow(attributes.value("r"));
        } else if (name == "sheetData") {
            m_inSheetData = true;
        }
    }

    void endElement(std::string_view name) override
    {
        if (name == "v" && m_collecting) {
            m_collecting = false;
            m_hasValue = true;
        } else if (name == "t") {
            m_collecting = false;
        } else if (name == "is" && m_inInlineString) {
            m_inInlineString = false;
            m_hasValue = true;
            m_type = ValueType::Text;
        } else if (name == "rPh") {
            --m_phoneticDepth;
        } else if (name == "c" && m_inCell) {
            endCell();
        } else if (name == "sheetData") {
            m_inSheetData = false;
        }
    }

    void characters(std::string_view text) override
    {
        if (m_collecting)
            m_text.append(text);
    }

private:
    [[noreturn]] void damaged(const QString& what) const
    {
        throwDamaged(m_context.workbook, m_context.partName, line(), what);
    }

    void startRow(std::string_view number)
    {
        int row = 0;
        if (number.empty())
            m_row = m_row + 1;
        else if (parseNumber(number, row) && row >= 1 && row <= kMaxRows)
            m_row = row - 1;
        else
            damaged(DataText::tr("行号“%1”无效").arg(qstring(number)));
        m_column = -1;
    }

    void startCell(const SaxAttributes& attributes)
    {
        if (!m_inSheetData)
            return;
        // A reference that cannot be read would put the cell over a neighbour's value.
        const std::string_view referenceText = attributes.value("r");
        CellReference reference;
        if (!referenceText.empty()) {
            const std::optional<CellReference> parsed = parseReference(referenceText);
            if (!parsed)
                damaged(DataText::tr("单元格引用“%1”无效").arg(qstring(referenceText)));
            reference = *parsed;
        }
        if (reference.row < 0)
            reference.row = std::max(m_row, 0);
        if (reference.column < 0)
            reference.column = m_column + 1;
        if (reference.row >= kMaxRows || reference.column >= kMaxColumns)
            damaged(DataText::tr("单元格引用“%1”超出工作表").arg(qstring(referenceText)));
        m_row = reference.row;
        m_column = reference.column;
        m_type = valueType(attributes.value("t"));
        m_format = 0;
        parseNumber(attributes.value("s"), m_format);
        m_inCell = true;
        m_hasValue = false;
    }

    void endCell()
    {
        m_inCell = false;
        if (!m_hasValue)
            return;
        CellValue cell = cellValue();
        if (cell.kind != CellKind::Empty)
            store(std::move(cell));
    }

    CellValue cellValue() const
    {
        switch (m_type) {
        case ValueType::SharedString: {
            int index = -1;
            if (!parseNumber(m_text, index) || index < 0
                || index >= m_context.sharedStrings.size())
                damaged(DataText::tr("共享字符串“%1”不存在").arg(qstring(m_text)));
            return CellValue::fromText(m_context.sharedStrings.at(index));
        }
        case ValueType::Boolean: {
            CellValue cell = CellValue::fromNumber(trimmed(m_text) == "1" ? 1 : 0);
            cell.kind = CellKind::Boolean;
            return cell;
        }
        case ValueType::Text:
            return CellValue::fromText(qstring(m_text));
        case ValueType::Error: {
            CellValue cell = CellValue::fromText(qstring(m_text));
            cell.kind = CellKind::Error;
            return cell;
        }
        case ValueType::IsoDate: {
            const QString text = qstring(trimmed(m_text));
            const QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
            if (!moment.isValid())
                return CellValue::fromText(text);
            return CellValue::fromDayCount(dayCountFromDateTime(moment), CellKind::DateTime);
        }
        case ValueType::Number:
            break;
        }
        double number = 0;
        if (!parseNumber(m_text, number))
            return trimmed(m_text).empty() ? CellValue() : CellValue::fromText(qstring(m_text));
        const CellKind kind = m_context.formatKinds.value(m_format, CellKind::Number);
        if (kind == CellKind::Number)
            return CellValue::fromNumber(number);
        return CellValue::fromDayCount(dayCountFromSerial(number, m_context.date1904), kind);
    }

    void store(CellValue cell)
    {
        m_budget.use(m_row, m_column);
        if (m_rows.size() <= m_row)
            m_rows.resize(m_row + 1);
        QList<CellValue>& row = m_rows[m_row];
        // Rows of a data sheet are alike: one allocation per row, not one per cell. The
        // previous row lies inside the used range, so no sheet reserves beyond the budget.
        if (row.isEmpty())
            row.reserve(std::max(m_previousRowWidth, qsizetype(m_column) + 1));
        if (row.size() <= m_column)
            row.resize(m_column + 1);
        row[m_column] = std::move(cell);
        m_previousRowWidth = row.size();
    }

    const SheetContext& m_context;
    CellBudget m_budget;
    SheetRows m_rows;
    int m_row = -1;
    int m_column = -1;
    qsizetype m_previousRowWidth = 0;
    // The cell being read.
    bool m_inSheetData = false;
    bool m_inCell = false;
    bool m_inInlineString = false;
    bool m_collecting = false;
    bool m_hasValue = false;
    int m_phoneticDepth = 0;
    ValueType m_type = ValueType::Number;
    int m_format = 0;
    std::string m_text;
};

} // namespace

double dayCountFromSerial(double serial, bool date1904)
{
    if (date1904)
        return serial + kDaysFrom1900To1904;
    // Serials 1..59 lie before the phantom 29 February 1900 and are one day behind.
    return serial >= 1 && serial < 60 ? serial + 1 : serial;
}

SheetRows readSheetRows(const PartSource& source, const SheetContext& context)
{
    return SheetParser(context).parse(source);
}

} // namespace xlsx

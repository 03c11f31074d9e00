#include "data/OdsContentReader.h"

#include "data/DataText.h"
#include "data/XlsxXml.h"

#include <QDateTime>
#include <QRegularExpression>

#include <charconv>

namespace ods {

namespace {

// The sheet as far as values go: the rows and columns an Open XML workbook holds.
constexpr qint64 kMaxRows = 1'048'576;
constexpr qint64 kMaxColumns = 16'384;
// Empty rows that pad a sheet to its end may reach further: a spreadsheet program with its
// largest sheets switched on writes up to this many.
constexpr qint64 kMaxPaddedRows = 16'777'216;
// Runs of spaces are stored as a count; no cell shows more text than this.
constexpr qsizetype kMaxCellText = 32'767;

QString qstring(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

template<typename Number>
bool parseNumber(std::string_view text, Number& value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// The collector of one pass over the content: sheet names, and the rows of one sheet.
class ContentParser : public xlsx::SaxHandler {
public:
    ContentParser(const QString& workbook, int wanted, const QString& sheetName)
        : m_workbook(workbook)
        , m_wanted(wanted)
        , m_budget(sheetName)
    {
    }

    QStringList names;

    // Rows up to the last one holding a value: empty rows are only stored before such a row.
    SheetRows takeRows() { return std::move(m_rows); }

    void startElement(std::string_view name, const xlsx::SaxAttributes& attributes) override
    {
        ++m_depth;
        if (name == "table") {
            startTable(attributes);
        } else if (m_tableDepth != 1 || !m_inWantedTable) {
            return;
        } else if (name == "table-row") {
            m_rowRepeat = repeatCount(attributes.value("number-rows-repeated"));
            m_row.clear();
            m_column = 0;
        } else if (name == "table-cell" || name == "covered-table-cell") {
            startCell(attributes);
        } else if (m_cellDepth > 0) {
            startCellText(name, attributes);
        }
    }

    void endElement(std::string_view name) override
    {
        if (name == "table") {
            --m_tableDepth;
        } else if (m_tableDepth == 1 && m_inWantedTable) {
            if (m_depth == m_paragraphDepth)
                m_paragraphDepth = 0;
            if (m_depth == m_cellDepth)
                endCell();
            else if (name == "table-row")
                endRow();
        }
        --m_depth;
    }

    void characters(std::string_view text) override
    {
        if (m_paragraphDepth > 0 && m_text.size() < kMaxCellText)
            m_text += qstring(text).left(kMaxCellText - m_text.size());
    }

private:
    [[noreturn]] void damaged(const QString& what) const
    {
        xlsx::throwDamaged(m_workbook, QStringLiteral("content.xml"), line(), what);
    }

    qint64 repeatCount(std::string_view text) const
    {
        qint64 count = 1;
        if (!text.empty() && (!parseNumber(text, count) || count < 1))
            damaged(DataText::tr("重复次数“%1”无效").arg(qstring(text)));
        return count;
    }

    void startTable(const xlsx::SaxAttributes& attributes)
    {
        if (++m_tableDepth != 1)
            return;
        const QString name = qstring(attributes.value("name"));
        names.append(name.isEmpty() ? QStringLiteral("Sheet%1").arg(names.size() + 1) : name);
        m_inWantedTable = names.size() - 1 == m_wanted;
    }

    void startCell(const xlsx::SaxAttributes& attributes)
    {
        m_cellRepeat = repeatCount(attributes.value("number-columns-repeated"));
        m_cellDepth = m_depth;
        m_valueType = attributes.value("value-type");
        m_value = qstring(m_valueType == "date"      ? attributes.value("date-value")
                          : m_valueType == "time"    ? attributes.value("time-value")
                          : m_valueType == "boolean" ? attributes.value("boolean-value")
                          : m_valueType == "string"  ? attributes.value("string-value")
                                                     : attributes.value("value"));
        m_text.clear();
        m_paragraphs = 0;
    }

    // Only the cell's own paragraphs are its text: a comment's or a drawing's lie deeper.
    void startCellText(std::string_view name, const xlsx::SaxAttributes& attributes)
    {
        if (name == "p" && m_depth == m_cellDepth + 1) {
            if (m_paragraphs++ > 0)
                m_text += u'\n';
            m_paragraphDepth = m_depth;
        } else if (m_paragraphDepth == 0 || m_text.size() >= kMaxCellText) {
            return;
        } else if (name == "s") {
            qint64 spaces = 1;
            parseNumber(attributes.value("c"), spaces);
            m_text += QString(qBound<qint64>(0, spaces, kMaxCellText - m_text.size()), u' ');
        } else if (name == "tab") {
            m_text += u'\t';
        } else if (name == "line-break") {
            m_text += u'\n';
        }
    }

    // Empty cells may pad a row up to the sheet's last column, and no further.
    void endCell()
    {
        m_cellDepth = 0;
        const qint64 end = m_column + m_cellRepeat;
        if (end > kMaxColumns)
            damaged(DataText::tr("第 %1 列超出工作表（最多 %2 列）").arg(end).arg(kMaxColumns));
        const CellValue cell = cellValue();
        if (cell.kind != CellKind::Empty) {
            m_row.resize(m_column);
            m_row.insert(m_row.size(), m_cellRepeat, cell);
        }
        m_column = end;
    }

    void endRow()
    {
        const qint64 end = m_nextRow + m_rowRepeat;
        const qint64 limit = m_row.isEmpty() ? kMaxPaddedRows : kMaxRows;
        if (end > limit)
            damaged(DataText::tr("第 %1 行超出工作表（最多 %2 行）").arg(end).arg(limit));
        if (!m_row.isEmpty()) {
            m_budget.use(end - 1, m_row.size() - 1);
            m_rows.resize(m_nextRow);
            m_rows.insert(m_rows.size(), m_rowRepeat, m_row);
        }
        m_nextRow = end;
    }

    CellValue cellValue() const
    {
        const QString shown = m_paragraphs > 0 ? m_text : m_value;
        if (m_valueType == "float" || m_valueType == "percentage" || m_valueType == "currency") {
            double number = 0;
            const QByteArray digits = m_value.toLatin1();
            if (parseNumber(std::string_view(digits.constData(), size_t(digits.size())), number))
                return CellValue::fromNumber(number);
        } else if (m_valueType == "date") {
            const bool withTime = m_value.contains(u'T');
            const QDateTime moment = withTime ? QDateTime::fromString(m_value, Qt::ISODateWithMs)
                                              : QDateTime(QDate::fromString(m_value, Qt::ISODate), QTime(0, 0));
            if (moment.isValid())
                return CellValue::fromDayCount(dayCountFromDateTime(moment),
                                               withTime ? CellKind::DateTime : CellKind::Date);
        } else if (m_valueType == "time") {
            if (const std::optional<double> days = daysFromDuration(m_value))
                return CellValue::fromDayCount(*days, CellKind::Time);
        } else if (m_valueType == "boolean") {
            CellValue cell = CellValue::fromNumber(m_value == u"true" || m_value == u"1" ? 1 : 0);
            cell.kind = CellKind::Boolean;
            return cell;
        }
        // Text, and a value that does not read as its type: what the cell shows.
        return shown.isEmpty() ? CellValue() : CellValue::fromText(shown);
    }

    QString m_workbook;
    int m_wanted;
    CellBudget m_budget;
    SheetRows m_rows;
    int m_depth = 0;
    int m_tableDepth = 0;
    bool m_inWantedTable = false;
    // The row being read, and the number of the next row of the sheet (from 0).
    QList<CellValue> m_row;
    qint64 m_rowRepeat = 1;
    qint64 m_nextRow = 0;
    qint64 m_column = 0;
    // The cell being read (m_cellDepth 0: none).
    int m_cellDepth = 0;
    int m_paragraphDepth = 0;
    int m_paragraphs = 0;
    qint64 m_cellRepeat = 1;
    std::string m_valueType;
    QString m_value;
    QString m_text;
};

} // namespace

QStringList readSheetNames(const xlsx::PartSource& source, const QString& workbook)
{
    ContentParser parser(workbook, -1, QString());
    xlsx::parseSax(source, parser, workbook, QStringLiteral("content.xml"));
    return parser.names;
}

SheetRows readSheetRows(const xlsx::PartSource& source, const QString& workbook, int index,
                        const QString& sheetName)
{
    ContentParser parser(workbook, index, sheetName);
    xlsx::parseSax(source, parser, workbook, QStringLiteral("content.xml"));
    return parser.takeRows();
}

std::optional<double> daysFromDuration(QStringView duration)
{
    static const QRegularExpression form(QStringLiteral(
        "^(-)?P(?:([0-9]+)D)?(?:T(?:([0-9]+)H)?(?:([0-9]+)M)?(?:([0-9]+(?:[.][0-9]+)?)S)?)?$"));
    const QRegularExpressionMatch match = form.match(duration.toString());
    if (!match.hasMatch() || duration.endsWith(u'P') || duration.endsWith(u'T'))
        return std::nullopt;
    const auto part = [&match](int group) { return match.capturedView(group).toDouble(); };
    const double seconds = part(2) * 86400 + part(3) * 3600 + part(4) * 60 + part(5);
    return (match.hasCaptured(1) ? -seconds : seconds) / 86400;
}

} // namespace ods

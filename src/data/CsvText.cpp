#include "data/CsvText.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "model/TextCodec.h"

#include <QStringDecoder>

#include <array>

namespace csv {

namespace {

constexpr std::array kSeparators{u',', u';', u'\t'};
// The columns a spreadsheet holds; a line with a value further right is no table.
constexpr qsizetype kMaxColumns = 16'384;

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Reads the lines of a file, field by field.
class Parser {
public:
    Parser(QStringView text, QChar separator, CellBudget& budget, const QString& path)
        : m_text(text)
        , m_separator(separator)
        , m_budget(budget)
        , m_path(path)
    {
    }

    SheetRows rows()
    {
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (c == u'"' && m_fieldStart) {
                readQuoted();
            } else if (c == m_separator) {
                endField();
                ++m_at;
            } else if (isLineEnd(c)) {
                endField();
                endRow();
                skipLineEnd();
            } else {
                m_field += c;
                m_fieldStart = false;
                ++m_at;
            }
        }
        // The last line needs no line end.
        if (!m_fieldStart || !m_row.isEmpty()) {
            endField();
            endRow();
        }
        return std::move(m_rows);
    }

private:
    // A quoted field: separators and line breaks inside are text, "" is one quote. What
    // follows the closing quote up to the separator is kept as written.
    void readQuoted()
    {
        const int opened = m_line;
        ++m_at;
        for (;;) {
            if (m_at >= m_text.size())
                throw DataSourceError(DataText::tr("文件“%1”第 %2 行：引号没有结束，无法读取。").arg(m_path).arg(opened));
            const QChar c = m_text[m_at];
            if (c == u'"') {
                ++m_at;
                if (m_at < m_text.size() && m_text[m_at] == u'"') {
                    m_field += c;
                    ++m_at;
                    continue;
                }
                break;
            }
            if (isLineEnd(c)) {
                // A line break inside a field is one break, however the file ends its lines.
                m_field += u'\n';
                skipLineEnd();
                continue;
            }
            m_field += c;
            ++m_at;
        }
        m_fieldStart = false;
    }

    void skipLineEnd()
    {
        if (m_text[m_at] == u'\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == u'\n')
            ++m_at;
        ++m_at;
        ++m_line;
    }

    // Empty fields and lines are only counted until a value follows them, so that a file of
    // separators and line ends costs nothing.
    void endField()
    {
        if (m_field.isEmpty()) {
            ++m_emptyFields;
        } else {
            const qsizetype column = m_row.size() + m_emptyFields;
            if (column >= kMaxColumns)
                throw DataSourceError(DataText::tr("文件“%1”第 %2 行：超过 %3 列，无法读取。")
                                          .arg(m_path)
                                          .arg(m_line)
                                          .arg(kMaxColumns));
            m_row.resize(column);
            m_row.append(CellValue::fromText(m_field));
            m_emptyFields = 0;
        }
        m_field.clear();
        m_fieldStart = true;
    }

    void endRow()
    {
        m_emptyFields = 0;
        if (m_row.isEmpty()) {
            ++m_emptyRows;
            return;
        }
        m_budget.use(m_rows.size() + m_emptyRows, m_row.size() - 1);
        m_rows.resize(m_rows.size() + m_emptyRows);
        m_emptyRows = 0;
        m_rows.append(std::move(m_row));
        m_row = QList<CellValue>();
    }

    QStringView m_text;
    QChar m_separator;
    CellBudget& m_budget;
    const QString& m_path;
    qsizetype m_at = 0;
    int m_line = 1;
    QString m_field;
    bool m_fieldStart = true;
    QList<CellValue> m_row;
    qsizetype m_emptyFields = 0;
    qsizetype m_emptyRows = 0;
    SheetRows m_rows;
};

} // namespace

QString decode(const QByteArray& bytes, const QString& path)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        QString text = decoder(bytes);
        if (!decoder.hasError())
            return text;
    } else if (!bytes.contains('\0')) {
        QStringDecoder utf8(QStringConverter::Utf8);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
        bool ok = false;
        text = gbk::decode(bytes, &ok);
        if (ok)
            return text;
    }
    throw DataSourceError(DataText::tr("文件“%1”不是 UTF-8 或 GBK 编码的文本，无法读取。").arg(path));
}

QChar separatorOf(QStringView text)
{
    std::array<int, kSeparators.size()> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(c))
            break;
        for (size_t i = 0; !quoted && i < kSeparators.size(); ++i)
            counts[i] += c == kSeparators[i];
    }
    size_t best = 0;
    for (size_t i = 1; i < kSeparators.size(); ++i) {
        if (counts[i] > counts[best])
            best = i;
    }
    return kSeparators[best];
}

SheetRows parseRows(QStringView text, QChar separator, CellBudget& budget, const QString& path)
{
    return Parser(text, separator, budget, path).rows();
}

} // namespace csv

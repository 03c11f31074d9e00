#include "data/XlsReaderOutput.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/XlsReaderProtocol.h"

#include <cstring>
#include <optional>

namespace {

using namespace xlsreader;

// No sheet of either workbook format is larger; a reader that says otherwise is damaged.
constexpr quint32 kMaxRows = 1'048'576;
constexpr quint16 kMaxColumns = 16'384;

class Malformed {};

class OutputReader {
public:
    explicit OutputReader(const QByteArray& output)
        : m_output(output)
    {
    }

    bool atEnd() const { return m_at == m_output.size(); }

    QByteArrayView take(qsizetype count)
    {
        if (count < 0 || count > m_output.size() - m_at)
            throw Malformed();
        const QByteArrayView bytes(m_output.constData() + m_at, count);
        m_at += count;
        return bytes;
    }

    template<typename Value>
    Value number()
    {
        Value value;
        std::memcpy(&value, take(sizeof value).data(), sizeof value);
        return value;
    }

    QString text()
    {
        const QByteArrayView bytes = take(qsizetype(number<quint32>()));
        return QString::fromUtf8(bytes);
    }

private:
    const QByteArray& m_output;
    qsizetype m_at = 0;
};

CellValue dateCell(const QString& text, const QString& format, CellKind kind)
{
    QDateTime moment = QDateTime::fromString(text, format);
    if (kind == CellKind::Time) {
        const QTime time = QTime::fromString(text, format);
        moment = time.isValid() ? QDateTime(QDate(1899, 12, 30), time) : QDateTime();
    }
    if (!moment.isValid())
        return CellValue::fromText(text);
    return CellValue::fromDayCount(dayCountFromDateTime(moment), kind);
}

CellValue cellValue(OutputReader& reader)
{
    switch (ValueType(reader.number<quint8>())) {
    case ValueType::Integer:
        return CellValue::fromNumber(reader.number<qint32>());
    case ValueType::Double:
        return CellValue::fromNumber(reader.number<double>());
    case ValueType::Text:
        return CellValue::fromText(reader.text());
    case ValueType::Date:
        return dateCell(reader.text(), QStringLiteral("yyyy-MM-dd"), CellKind::Date);
    case ValueType::DateTime:
        return dateCell(reader.text(), QStringLiteral("yyyy-MM-dd HH:mm:ss"), CellKind::DateTime);
    case ValueType::Time:
        return dateCell(reader.text(), QStringLiteral("HH:mm:ss"), CellKind::Time);
    }
    throw Malformed();
}

[[noreturn]] void throwFailure(Failure failure, qint32 code, const QString& workbook)
{
    switch (failure) {
    case Failure::FileNotFound:
        throw DataSourceError(DataText::tr("找不到文件“%1”。").arg(workbook));
    case Failure::OutOfMemory:
        throw DataSourceError(DataText::tr("工作簿“%1”太大，内存不足，无法读取。").arg(workbook));
    case Failure::NotAWorkbook:
        throw DataSourceError(
            DataText::tr("文件“%1”不是Excel工作簿，或已加密，无法读取。").arg(workbook));
    case Failure::Encrypted:
        throw DataSourceError(DataText::tr("工作簿“%1”已加密，无法读取。").arg(workbook));
    case Failure::Damaged:
        // Code 0: the reader refused the workbook before the library read it.
        if (code == 0)
            throw DataSourceError(damagedXlsMessage(workbook));
        throw DataSourceError(DataText::tr("工作簿“%1”已损坏，无法读取（FreeXL 错误 %2）。")
                                  .arg(workbook)
                                  .arg(code));
    }
    throw Malformed();
}

// Collects the cells into rows, in the order the reader must send them.
class RowBuilder {
public:
    explicit RowBuilder(const QString& sheetName)
        : m_budget(sheetName)
    {
    }

    void add(quint32 row, quint16 column, CellValue cell)
    {
        if (row >= kMaxRows || column >= kMaxColumns)
            throw Malformed();
        if (m_last && std::pair(row, column) <= *m_last)
            throw Malformed();
        m_last = std::pair(row, column);
        if (cell.kind == CellKind::Empty)
            return;
        m_budget.use(row, column);
        if (m_rows.size() <= qsizetype(row))
            m_rows.resize(qsizetype(row) + 1);
        QList<CellValue>& cells = m_rows[row];
        cells.resize(column);
        cells.append(std::move(cell));
    }

    SheetRows take() { return std::move(m_rows); }

private:
    CellBudget m_budget;
    SheetRows m_rows;
    std::optional<std::pair<quint32, quint16>> m_last;
};

} // namespace

QString damagedXlsMessage(const QString& workbook)
{
    return DataText::tr("工作簿“%1”已损坏，无法读取。").arg(workbook);
}

XlsReaderOutput parseXlsReaderOutput(const QByteArray& output, const QString& workbook,
                                     const QString& sheetName)
{
    XlsReaderOutput result;
    RowBuilder rows(sheetName);
    try {
        OutputReader reader(output);
        if (reader.take(kMagicSize) != QByteArrayView(kMagic, kMagicSize))
            throw Malformed();
        for (;;) {
            switch (Tag(reader.number<char>())) {
            case Tag::SheetName:
                result.sheetNames.append(reader.text());
                break;
            case Tag::Cell: {
                const auto row = reader.number<quint32>();
                const auto column = reader.number<quint16>();
                rows.add(row, column, cellValue(reader));
                break;
            }
            case Tag::Failure: {
                const auto failure = Failure(reader.number<quint8>());
                const auto code = reader.number<qint32>();
                if (Tag(reader.number<char>()) != Tag::End || !reader.atEnd())
                    throw Malformed();
                throwFailure(failure, code, workbook);
            }
            case Tag::End:
                if (!reader.atEnd())
                    throw Malformed();
                result.rows = rows.take();
                return result;
            default:
                throw Malformed();
            }
        }
    } catch (const Malformed&) {
        throw DataSourceError(damagedXlsMessage(workbook));
    }
}

#include "printer/PrinterStream.h"

#include "printer/PrinterText.h"

#include <QtGlobal>

namespace {

const QByteArray kEnd = QByteArrayLiteral("|}");

// No command the program writes comes near this length, except raster graphics, whose length
// their head gives. Beyond it an unfinished command is taken for noise.
constexpr qsizetype kLongestCommand = 64 * 1024;

bool isLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool isBlank(char c)
{
    return c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == '\0';
}

// Splits what follows "{" into name, prefix and body.
void splitCommand(PrinterCommand& command, QByteArrayView inner)
{
    qsizetype letters = 0;
    while (letters < inner.size() && isLetter(inner[letters]))
        ++letters;
    command.name = inner.first(letters).toByteArray();
    const QByteArrayView rest = inner.sliced(letters);
    const qsizetype semicolon = rest.indexOf(';');
    if (semicolon < 0) {
        command.body = rest.toByteArray();
        return;
    }
    command.prefix = rest.first(semicolon).toByteArray();
    command.body = rest.sliced(semicolon + 1).toByteArray();
}

} // namespace

std::optional<int> commandNumber(const QByteArray& text)
{
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 9)
        return std::nullopt;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (!(c >= '0' && c <= '9') && !(i == 0 && (c == '-' || c == '+')))
            return std::nullopt;
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

void PrinterStreamScanner::append(const QByteArray& bytes)
{
    // What was read is dropped once it makes up most of the buffer, so a long stream is
    // neither copied for every command nor kept whole.
    if (m_read > 0 && m_read >= m_pending.size() / 2) {
        m_pending.remove(0, m_read);
        m_read = 0;
    }
    m_pending += bytes;
}

QByteArrayView PrinterStreamScanner::pending() const
{
    return QByteArrayView(m_pending).sliced(m_read);
}

void PrinterStreamScanner::consume(qsizetype n)
{
    m_read += n;
    m_offset += n;
}

void PrinterStreamScanner::skip(qsizetype n, const QString& reason, QList<StreamProblem>& problems)
{
    problems.append({m_offset, pending().first(n).toByteArray(), reason});
    consume(n);
}

// Where the next command may start after the one at the front, or the end of what is pending.
qsizetype PrinterStreamScanner::nextStart() const
{
    const qsizetype next = pending().indexOf('{', 1);
    return next < 0 ? pending().size() : next;
}

std::optional<PrinterCommand> PrinterStreamScanner::next(QList<StreamProblem>& problems)
{
    for (;;) {
        const QByteArrayView bytes = pending();
        qsizetype blanks = 0;
        while (blanks < bytes.size() && isBlank(bytes[blanks]))
            ++blanks;
        consume(blanks);
        const QByteArrayView rest = pending();
        if (rest.isEmpty())
            return std::nullopt;
        if (rest[0] != '{') {
            const qsizetype next = rest.indexOf('{');
            skip(next < 0 ? rest.size() : next, PrinterText::tr("命令之外的字节，打印机不会理会"), problems);
            continue;
        }
        if (rest.startsWith("{SG")) {
            bool skipped = false;
            std::optional<PrinterCommand> command = graphic(problems, skipped);
            if (skipped)
                continue;
            return command;
        }
        const qsizetype end = rest.indexOf(kEnd);
        if (end < 0) {
            if (rest.size() <= kLongestCommand)
                return std::nullopt;
            skip(nextStart(), PrinterText::tr("命令没有结尾“|}”"), problems);
            continue;
        }
        // Only symbol data may hold a "{"; any other command that does has lost its own end,
        // and the command after it must not be swallowed with it.
        if (const qsizetype inner = rest.indexOf('{', 1); inner > 0 && inner < end && !rest.startsWith("{XB")) {
            skip(inner, PrinterText::tr("命令没有结尾“|}”"), problems);
            continue;
        }
        PrinterCommand command;
        command.offset = m_offset;
        command.text = rest.first(end + kEnd.size()).toByteArray();
        splitCommand(command, rest.sliced(1, end - 1));
        consume(end + kEnd.size());
        return command;
    }
}

std::optional<PrinterCommand> PrinterStreamScanner::graphic(QList<StreamProblem>& problems, bool& skipped)
{
    const QByteArrayView rest = pending();
    if (rest.size() < kGraphicHeadLength)
        return std::nullopt;
    const QByteArray head = rest.first(kGraphicHeadLength).toByteArray();
    const QList<QByteArray> fields = head.mid(4, kGraphicHeadLength - 5).split(',');
    std::optional<int> width;
    std::optional<int> height;
    bool placed = false;
    if (head[3] == ';' && head.endsWith(',') && fields.size() == 5) {
        placed = commandNumber(fields[0]) && commandNumber(fields[1]);
        width = commandNumber(fields[2]);
        height = commandNumber(fields[3]);
    }
    if (!placed || !width || !height || *width < 0 || *height < 0 || *width % 8 != 0) {
        skip(nextStart(), PrinterText::tr("图形命令的头部不对，图形无法读出"), problems);
        skipped = true;
        return std::nullopt;
    }
    const qsizetype rasterBytes = qsizetype(*width / 8) * *height;
    const qsizetype whole = kGraphicHeadLength + rasterBytes + kEnd.size();
    if (rest.size() < whole)
        return std::nullopt;
    if (rest.sliced(kGraphicHeadLength + rasterBytes, kEnd.size()) != kEnd) {
        // The raster is longer or shorter than its head says: none of it is trusted.
        problems.append({m_offset, head, PrinterText::tr("图形数据的长度与头部不符，图形没有画出")});
        consume(kGraphicHeadLength);
        skipped = true;
        return std::nullopt;
    }
    PrinterCommand command;
    command.offset = m_offset;
    command.name = QByteArrayLiteral("SG");
    command.body = head.mid(4);
    command.raster = rest.sliced(kGraphicHeadLength, rasterBytes).toByteArray();
    command.text = head + "…" + kEnd;
    consume(whole);
    return command;
}

void PrinterStreamScanner::finish(QList<StreamProblem>& problems)
{
    const QByteArrayView rest = pending();
    qsizetype blanks = 0;
    while (blanks < rest.size() && isBlank(rest[blanks]))
        ++blanks;
    consume(blanks);
    if (!pending().isEmpty())
        skip(pending().size(), PrinterText::tr("数据流在命令中间结束，这条命令不完整"), problems);
}

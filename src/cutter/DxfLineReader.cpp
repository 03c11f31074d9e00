#include "cutter/DxfLineReader.h"

#include <QIODevice>

namespace {

constexpr qint64 kBlockSize = 64 * 1024;

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

DxfLineReader::DxfLineReader(QIODevice& device)
    : m_device(device)
{
    m_line.reserve(kMaxLineLength);
}

bool DxfLineReader::atEnd()
{
    if (m_position < m_block.size())
        return false;
    m_block = m_device.read(kBlockSize);
    m_position = 0;
    return m_block.isEmpty();
}

void DxfLineReader::skipLineEnd()
{
    if (atEnd())
        return;
    const char c = m_block[m_position];
    if (c == '\n') {
        ++m_position;
    } else if (c == '\r') {
        ++m_position;
        if (!atEnd() && m_block[m_position] == '\n')
            ++m_position;
    }
}

bool DxfLineReader::next(QByteArrayView& line)
{
    m_line.clear();
    if (atEnd())
        return false;
    while (!atEnd()) {
        const char c = m_block[m_position];
        if (c == '\n' || c == '\r')
            break;
        if (m_line.size() == kMaxLineLength)
            break;
        m_line.append(c);
        ++m_position;
    }
    // A line of exactly the maximum length still owns its line end; only a longer line
    // leaves a rest behind for the next call.
    skipLineEnd();
    ++m_lineNumber;
    // Some exporters begin the file with a UTF-8 byte order mark; it belongs to no line.
    if (m_lineNumber == 1 && m_line.startsWith("\xEF\xBB\xBF"))
        m_line.remove(0, 3);
    line = trimmed(m_line);
    return true;
}

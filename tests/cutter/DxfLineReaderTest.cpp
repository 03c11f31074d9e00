#include "cutter/DxfLineReader.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QList<QByteArray> readAll(const QByteArray& text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    DxfLineReader reader(buffer);
    QList<QByteArray> lines;
    QByteArrayView line;
    while (reader.next(line))
        lines.append(line.toByteArray());
    return lines;
}

TEST(DxfLineReader, SplitsTrimsAndAcceptsEveryLineEnd)
{
    const QByteArray long254(254, 'a');
    const struct {
        const char* name;
        QByteArray input;
        QList<QByteArray> expected;
    } cases[] = {
        {"LF", "0\nLINE\n", {"0", "LINE"}},
        {"CR LF from a CAD program", "  0\r\nLINE\r\n", {"0", "LINE"}},
        {"lone CR", "0\rLINE\r", {"0", "LINE"}},
        {"no final line end", "0\nEOF", {"0", "EOF"}},
        {"blanks and tabs trimmed", " \t10 \t\n  1.5  \n", {"10", "1.5"}},
        {"empty lines are lines", "\n\n", {"", ""}},
        {"empty input", "", {}},
        {"byte order mark", "\xEF\xBB\xBF  0\nSECTION\n", {"0", "SECTION"}},
        // A line of exactly the limit keeps its line end; a longer one leaves its rest.
        {"254 characters", long254 + "\nb\n", {long254, "b"}},
        {"300 characters", QByteArray(300, 'a') + "\n", {long254, QByteArray(46, 'a')}},
        {"rest that is only blanks", long254 + "   \nx", {long254, "", "x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readAll(c.input), c.expected) << c.name;
}

TEST(DxfLineReader, CountsLinesAcrossBlocks)
{
    // More than one 64 KiB block, with a CR LF split across the block boundary somewhere.
    QByteArray text;
    for (int i = 0; i < 30000; ++i)
        text += "10\r\n";
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    DxfLineReader reader(buffer);
    QByteArrayView line;
    int count = 0;
    while (reader.next(line)) {
        ASSERT_EQ(line, "10") << "line " << count + 1;
        ++count;
    }
    EXPECT_EQ(count, 30000);
    EXPECT_EQ(reader.lineNumber(), 30000);
}

} // namespace

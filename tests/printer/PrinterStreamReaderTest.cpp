#include "printer/PrinterStreamReader.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kHeader = "{D0200,0400,0200|}{C|}{AY;+00,0|}";
const QByteArray kIssue = "{XS;I,0001,0002C3201|}";

// A raster graphic of width × height dots, every byte the same.
QByteArray graphic(const char* head, int bytes, char fill = '\xff')
{
    return QByteArray(head) + QByteArray(bytes, fill) + "|}";
}

int printedDots(const QImage& dots)
{
    int count = 0;
    for (int y = 0; y < dots.height(); ++y) {
        for (int x = 0; x < dots.width(); ++x)
            count += dots.pixelIndex(x, y);
    }
    return count;
}

QString problemsOf(const PrintedLabel& label)
{
    QStringList lines;
    for (const StreamProblem& problem : label.problems)
        lines.append(problem.describe());
    return lines.join(u'\n');
}

} // namespace

// Streams the program would never send, or that arrive damaged: each command the reader
// cannot draw is named with its reason, and what it can draw still is.
TEST(PrinterStreamReader, ReportsWhatItCannotDraw)
{
    const struct {
        const char* name;
        QByteArray stream;
        const char* problem; // nullptr: none
        int copies;
        int dots; // printed dots on the 40 × 20 mm label at 203 dpi
    } rows[] = {
        {"a graphic, 16 × 2 dots", kHeader + graphic("{SG;0010,0010,0016,0002,1,", 4) + kIssue, nullptr, 1, 32},
        {"a graphic holding the end mark", kHeader + graphic("{SG;0010,0010,0016,0001,1,", 2, '|') + kIssue,
         nullptr, 1, 10},
        {"a printer font command", kHeader + "{PC000;0010,0020,1,1,A,00,B|}" + kIssue, "不认识的打印命令", 1, 0},
        {"noise between commands", kHeader + "\x01\x02garbage" + kIssue, "命令之外的字节", 1, 0},
        {"no label size", "{C|}{LC;0010,0010,0100,0010,0,3|}" + kIssue, "之前没有标签尺寸命令", 1, 0},
        {"a label no printer holds", "{D9999,9999,9999|}{C|}" + kIssue, "标签大得超出任何打印机", 1, 0},
        {"a graphic cut short", kHeader + "{SG;0010,0010,0016,0002,1,\xff\xff", "数据流在命令中间结束", 0, 0},
        {"a graphic longer than its head", kHeader + graphic("{SG;0010,0010,0016,0001,1,", 5) + kIssue,
         "长度与头部不符", 1, 0},
        {"a graphic head that is no head", kHeader + "{SG;00x0,0010,0016,0001,1,\xff\xff|}" + kIssue,
         "头部不对", 1, 0},
        {"a line that lost its end", kHeader + "{LC;0010,0010,0100" + kIssue, "没有结尾", 1, 0},
        {"a line too wide", kHeader + "{LC;0010,0010,0100,0010,0,999|}" + kIssue, "格式不对", 1, 0},
        {"a label whose rows end inside a byte, filled to its right edge",
         "{D0200,0399,0200|}{C|}{XR;0000,0000,0399,0010,B|}" + kIssue, nullptr, 1, 319 * 8},
        {"a graphic beyond the edge", kHeader + graphic("{SG;0390,0010,0016,0001,1,", 2) + kIssue,
         "部分超出标签", 1, 8},
        {"a graphic on the bottom edge", kHeader + graphic("{SG;0010,0198,0016,0002,1,", 4) + kIssue, nullptr, 1, 32},
        {"a graphic one dot below it", kHeader + graphic("{SG;0010,0199,0016,0002,1,", 4) + kIssue,
         "部分超出标签", 1, 16},
        {"a symbol type the printer does not know",
         kHeader + "{XB00;0010,0010,Z,1,02,0,0100,+0000000000,017,0,00=123|}" + kIssue, "条码类型“Z”未知", 1, 0},
        {"letters in an EAN-13", kHeader + "{XB00;0010,0010,5,3,02,0,0100,+0000000000,017,0,00=ABC|}" + kIssue,
         "无法按这种码制编码", 1, 0},
        {"the printer's own readable line",
         kHeader + "{XB00;0010,0010,9,1,01,0,0050,+0000000000,017,1,00=A1|}" + kIssue, "可读字符行", 1, -1},
        {"a symbol command cut short", kHeader + "{XB00;0010,0010,T,M,04=A1|}" + kIssue, "QR 码命令的格式不对", 1, 0},
        {"no issue command", kHeader + graphic("{SG;0010,0010,0016,0001,1,", 2), "打印机不会打印", 0, 16},
        {"turned printing", kHeader + "{XS;I,0001,0002C3211|}", "打印方向", 1, 0},
        {"an issue of no copies", kHeader + "{XS;I,0000,0002C3201|}", "打印张数为 0", 0, 0},
        {"an issue with no number of copies", kHeader + "{XS;I,00-5,0002C3201|}", "打印命令的格式不对", 0, 0},
    };
    for (const auto& row : rows) {
        const PrintedLabel label = readLabelJob(row.stream, 203);
        const QString problems = problemsOf(label);
        EXPECT_EQ(problems.isEmpty(), !row.problem) << row.name << ": " << problems.toStdString();
        EXPECT_TRUE(!row.problem || problems.contains(QString::fromUtf8(row.problem)))
            << row.name << ": " << problems.toStdString();
        EXPECT_EQ(label.copies, row.copies) << row.name;
        EXPECT_TRUE(row.dots < 0 || label.dots.isNull() || printedDots(label.dots) == row.dots) << row.name;
    }
}

// The virtual machine hands the reader whatever bytes each read of its port brings: the
// labels come out the same however the stream is cut, and a job in feed mode (no clearing)
// prints the previous label's buffer again.
TEST(PrinterStreamReader, ReadsAStreamInAnyPiecesAndKeepsTheBufferForFeedMode)
{
    const QByteArray first = kHeader + graphic("{SG;0010,0010,0016,0002,1,", 4, '\x81') + "{LC;0010,0100,0300,0100,0,2|}"
                             + "{XB01;0100,0050,T,M,03,A,0,M2=A1|}" + kIssue;
    const QByteArray feedMode = "{D0200,0400,0200|}{AY;+00,0|}" + kIssue;
    const QByteArray stream = first + feedMode;

    PrinterStreamReader whole(203);
    const QList<PrintedLabel> expected = whole.read(stream);
    ASSERT_EQ(expected.size(), 2);
    EXPECT_EQ(expected[1].dots, expected[0].dots) << "feed mode prints the buffer again";
    EXPECT_GT(printedDots(expected[0].dots), 32);

    PrinterStreamReader pieces(203);
    QList<PrintedLabel> labels;
    for (qsizetype i = 0; i < stream.size(); i += 7)
        labels += pieces.read(stream.mid(i, 7));
    EXPECT_FALSE(pieces.finish().has_value());
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0].dots, expected[0].dots);
    EXPECT_EQ(labels[1].dots, expected[1].dots);
}

// A job issued again after more is drawn (or the buffer cleared) prints what the buffer holds
// then, not the picture of the job before.
TEST(PrinterStreamReader, ALabelIssuedAgainShowsWhatWasDrawnSince)
{
    const QByteArray first = kHeader + "{LC;0010,0100,0300,0100,0,2|}" + kIssue;
    const struct {
        const char* name;
        QByteArray drawn;
    } rows[] = {
        {"a filled area", "{XR;0010,0010,0050,0050,B|}"},
        {"a graphic", graphic("{SG;0010,0010,0016,0002,1,", 4)},
        {"a symbol", "{XB01;0100,0050,T,M,03,A,0,M2=A1|}"},
        {"clearing", "{C|}"},
    };
    for (const auto& row : rows) {
        PrinterStreamReader reader(203);
        const QList<PrintedLabel> labels = reader.read(first + row.drawn + kIssue);
        ASSERT_EQ(labels.size(), 2) << row.name;
        EXPECT_NE(printedDots(labels[1].dots), printedDots(labels[0].dots)) << row.name;
    }
}

// A few bytes of issue command make a whole label: what one read hands over is bounded, and
// the labels beyond say why they are not drawn. Read a label at a time, every one is drawn.
TEST(PrinterStreamReader, ALabelFloodIsToldNotHeld)
{
    const QByteArray largest = "{D5600,5600,7000|}{C|}{XR;0010,0010,0050,0050,B|}";
    const QByteArray issue = "{XS;I,0001,0002C3201|}";
    const int count = 40; // 3 MB of dots each at 203 dpi: more than one read hands over

    PrinterStreamReader whole(203);
    const QList<PrintedLabel> flood = whole.read(largest + issue.repeated(count));
    ASSERT_EQ(flood.size(), count);
    EXPECT_FALSE(flood.first().dots.isNull());
    EXPECT_TRUE(flood.last().dots.isNull());
    EXPECT_TRUE(problemsOf(flood.last()).contains(QStringLiteral("标签太多"))) << problemsOf(flood.last()).toStdString();

    PrinterStreamReader oneAtATime(203);
    QList<PrintedLabel> labels = oneAtATime.read(largest);
    for (int i = 0; i < count; ++i)
        labels += oneAtATime.read(issue);
    ASSERT_EQ(labels.size(), count);
    EXPECT_EQ(labels.last().dots, flood.first().dots);
}

// Each dot lands where its command puts it, the leftmost dot of a raster byte leftmost.
TEST(PrinterStreamReader, ADotPrintsWhereItsCommandPutsIt)
{
    const struct {
        const char* name;
        QByteArray drawn;
        QPoint printed;
        QPoint blank;
    } rows[] = {
        {"the top bit of a raster byte", QByteArray("{SG;0000,0000,0016,0001,1,\x80\x01|}"), {0, 0}, {7, 0}},
        {"the low bit of the next byte", QByteArray("{SG;0000,0000,0016,0001,1,\x80\x01|}"), {15, 0}, {8, 0}},
        {"a filled area at the corner", "{XR;0000,0000,0005,0005,B|}", {3, 3}, {9, 0}},
    };
    for (const auto& row : rows) {
        const PrintedLabel label = readLabelJob(kHeader + row.drawn + kIssue, 203);
        ASSERT_FALSE(label.dots.isNull()) << row.name;
        EXPECT_EQ(label.dots.pixelIndex(row.printed), 1) << row.name;
        EXPECT_EQ(label.dots.pixelIndex(row.blank), 0) << row.name;
    }
}

#include "data/DataSourceError.h"
#include "data/XlsReaderOutput.h"
#include "data/XlsReaderProcess.h"
#include "data/XlsReaderProtocol.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace xlsreader;

// Writes a reader's output the way the reader process does.
class Stream {
public:
    Stream() { bytes.append(kMagic, kMagicSize); }

    template<typename Value>
    Stream& put(Value value)
    {
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
        return *this;
    }
    Stream& tag(Tag value) { return put(char(value)); }
    Stream& text(const QByteArray& value)
    {
        put(quint32(value.size()));
        bytes.append(value);
        return *this;
    }
    Stream& sheet(const QByteArray& name) { return tag(Tag::SheetName).text(name); }
    Stream& cellHead(quint32 row, quint16 column, ValueType type)
    {
        return tag(Tag::Cell).put(row).put(column).put(quint8(type));
    }
    Stream& textCell(quint32 row, quint16 column, ValueType type, const QByteArray& value)
    {
        return cellHead(row, column, type).text(value);
    }
    Stream& end() { return tag(Tag::End); }

    QByteArray bytes;
};

XlsReaderOutput parse(const QByteArray& bytes)
{
    return parseXlsReaderOutput(bytes, QStringLiteral("a.xls"), QStringLiteral("名单"));
}

QString failureOf(const QByteArray& bytes)
{
    try {
        parse(bytes);
    } catch (const DataSourceError& error) {
        return error.message();
    }
    return QStringLiteral("(read)");
}

TEST(XlsReaderOutput, ReadsNamesAndEveryKindOfCellIntoRows)
{
    const Stream stream = Stream()
                              .sheet("名单")
                              .sheet("Sheet2")
                              .textCell(0, 0, ValueType::Text, "姓名")
                              .textCell(0, 2, ValueType::Text, "日期")
                              .cellHead(1, 0, ValueType::Integer)
                              .put(qint32(-7))
                              .cellHead(1, 1, ValueType::Double)
                              .put(2.5)
                              .textCell(1, 2, ValueType::Date, "2024-03-05")
                              .textCell(3, 0, ValueType::DateTime, "2024-03-05 14:30:00")
                              .textCell(3, 1, ValueType::Time, "08:15:30")
                              .textCell(3, 2, ValueType::Date, "not a date")
                              .end();
    const XlsReaderOutput output = parse(stream.bytes);
    EXPECT_EQ(output.sheetNames, QStringList({"名单", "Sheet2"}));
    ASSERT_EQ(output.rows.size(), 4);
    QList<QStringList> texts;
    for (const QList<CellValue>& row : output.rows) {
        QStringList cells;
        for (const CellValue& cell : row)
            cells.append(cell.displayText());
        texts.append(cells);
    }
    EXPECT_EQ(texts, QList<QStringList>({{"姓名", "", "日期"},
                                         {"-7", "2.5", "2024-03-05"},
                                         {},
                                         {"2024-03-05 14:30:00", "08:15:30", "not a date"}}));
    EXPECT_EQ(output.rows[1][2].kind, CellKind::Date);
    EXPECT_EQ(output.rows[3][2].kind, CellKind::Text);
}

TEST(XlsReaderOutput, TurnsAnythingButAWellFormedStreamIntoTheDamagedMessage)
{
    const QString damaged = damagedXlsMessage(QStringLiteral("a.xls"));
    const QByteArray good = Stream().sheet("名单").textCell(0, 0, ValueType::Text, "x").end().bytes;
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"nothing at all", {}},
        {"wrong magic", QByteArray("MXLS2\n") + good.mid(kMagicSize)},
        {"no end record", good.chopped(1)},
        {"cut inside a text", good.left(good.size() - 3)},
        {"bytes after the end", good + "Z"},
        {"unknown record", Stream().tag(Tag('Q')).end().bytes},
        {"text longer than the output", Stream().tag(Tag::SheetName).put(quint32(0xFFFFFFFF)).bytes},
        {"unknown value type", Stream().cellHead(0, 0, ValueType(42)).put(qint32(1)).end().bytes},
        {"cells out of order",
         Stream().textCell(2, 0, ValueType::Text, "b").textCell(1, 0, ValueType::Text, "a").end().bytes},
        {"the same cell twice",
         Stream().textCell(0, 1, ValueType::Text, "b").textCell(0, 1, ValueType::Text, "a").end().bytes},
        {"row beyond any sheet", Stream().textCell(5'000'000, 0, ValueType::Text, "x").end().bytes},
        {"column beyond any sheet", Stream().textCell(0, 20'000, ValueType::Text, "x").end().bytes},
        {"failure without an end", Stream().tag(Tag::Failure).put(quint8(Failure::Damaged)).put(qint32(-1)).bytes},
        {"unknown failure",
         Stream().tag(Tag::Failure).put(quint8(99)).put(qint32(0)).end().bytes},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(failureOf(test.bytes), damaged);
    }
}

// The used range counts, not the stored cells: one far cell spans every record between.
TEST(XlsReaderOutput, RefusesAUsedRangeBeyondTheCellLimit)
{
    const struct {
        quint32 lastRow;
        bool read;
    } cases[] = {
        {499'999, true}, // 500,000 rows of 16 columns: exactly the limit
        {500'000, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.lastRow);
        const Stream stream = Stream()
                                  .textCell(0, 0, ValueType::Text, "a")
                                  .textCell(test.lastRow, 15, ValueType::Text, "far")
                                  .end();
        const QString outcome = failureOf(stream.bytes);
        EXPECT_EQ(outcome == u"(read)", test.read) << qPrintable(outcome);
        EXPECT_EQ(outcome.contains(u"太大：已用区域"), !test.read) << qPrintable(outcome);
    }
}

TEST(XlsReaderOutput, ReportsTheReadersFailureInTheOperatorsWords)
{
    const struct {
        Failure failure;
        qint32 code;
        const char* message;
    } cases[] = {
        {Failure::FileNotFound, -12, "找不到文件“a.xls”。"},
        {Failure::OutOfMemory, -12, "工作簿“a.xls”太大，内存不足，无法读取。"},
        {Failure::NotAWorkbook, -12, "文件“a.xls”不是Excel工作簿，或已加密，无法读取。"},
        {Failure::Encrypted, -12, "工作簿“a.xls”已加密，无法读取。"},
        {Failure::Damaged, -12, "工作簿“a.xls”已损坏，无法读取（FreeXL 错误 -12）。"},
        // Refused by the reader's own check, before FreeXL read it.
        {Failure::Damaged, 0, "工作簿“a.xls”已损坏，无法读取。"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.message);
        const Stream stream =
            Stream().sheet("名单").tag(Tag::Failure).put(quint8(test.failure)).put(test.code).end();
        EXPECT_EQ(failureOf(stream.bytes), QString::fromUtf8(test.message));
    }
}

QString runFailure(const XlsReaderRun& run)
{
    try {
        runXlsReader(run, QStringLiteral("a.xls"));
    } catch (const DataSourceError& error) {
        return error.message();
    }
    return QStringLiteral("(ran)");
}

XlsReaderRun shell(const char* script)
{
    XlsReaderRun run;
    run.program = QStringLiteral("/bin/sh");
    run.arguments = {QStringLiteral("-c"), QString::fromUtf8(script)};
    run.timeoutMs = 5'000;
    return run;
}

TEST(XlsReaderProcess, HandsOverWhatTheReaderWrote)
{
    EXPECT_EQ(runXlsReader(shell("printf 'MXLS1\\nZ'"), QStringLiteral("a.xls")),
              QByteArray("MXLS1\nZ"));
}

TEST(XlsReaderProcess, TurnsACrashOrAFailedReaderIntoTheDamagedMessage)
{
    const QString damaged = damagedXlsMessage(QStringLiteral("a.xls"));
    for (const char* script : {"printf 'MXLS1\\n'; kill -SEGV $$", "printf 'MXLS1\\nZ'; exit 3",
                               "kill -ABRT $$"}) {
        SCOPED_TRACE(script);
        EXPECT_EQ(runFailure(shell(script)), damaged);
    }
}

TEST(XlsReaderProcess, StopsAReaderThatRunsTooLongOrWritesTooMuch)
{
    XlsReaderRun hanging = shell("exec sleep 30");
    hanging.timeoutMs = 200;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(runFailure(hanging), QStringLiteral("读取工作簿“a.xls”超时（0.2 秒），文件可能已损坏。"));
    EXPECT_LT(clock.elapsed(), 10'000) << "the reader was not killed";

    XlsReaderRun silentHang = shell("exec 1>&-; exec sleep 30");
    silentHang.timeoutMs = 200;
    EXPECT_NE(runFailure(silentHang), QStringLiteral("(ran)"));

    XlsReaderRun flooding = shell("exec cat /dev/zero");
    flooding.outputLimit = 1 << 20;
    EXPECT_EQ(runFailure(flooding), QStringLiteral("工作簿“a.xls”太大（超过 1 MB），无法读取。"));
}

TEST(XlsReaderProcess, SaysSoWhenTheReaderIsMissing)
{
    XlsReaderRun missing;
    missing.program = QStringLiteral("/nonexistent/marlune-xls-reader");
    EXPECT_EQ(runFailure(missing),
              QStringLiteral("无法启动读取程序“/nonexistent/marlune-xls-reader”，无法读取工作簿“a.xls”。"));
}

} // namespace

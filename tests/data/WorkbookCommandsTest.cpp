#include "support/CliRun.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {

struct CommandCase {
    QStringList arguments;
    int exitCode;
    const char* out;   // exact stdout
    const char16_t* err; // a part of stderr
};

// Operators script these commands: the output format and the exit codes are exact.
TEST(WorkbookCommands, PrintTabSeparatedTextAndFailWithAReason)
{
    const QString book = testing_support::sourcePath(QStringLiteral("tests/fixtures/xls/basic.xls"));
    const QString farCell =
        testing_support::sourcePath(QStringLiteral("tests/fuzz/findings/xlsx-zip/far-used-range.xlsx"));
    const QString list = testing_support::sourcePath(QStringLiteral("tests/fixtures/csv/list.csv")); // GBK
    const QString ods = testing_support::sourcePath(QStringLiteral("tests/fixtures/ods/names.ods"));
    const CommandCase cases[] = {
        {{"sheets", list}, 0, "list\n", u""},
        {{"records", list, "list"}, 0, "1\t绿茶, 特级\tA0001\t两行 备注\n2\t红茶\t007\t\n", u""},
        {{"sheets", ods}, 0, "名单\nSheet2\n", u""},
        {{"records", ods, "名单", "--range", "5"}, 0, "5\t王五\t-7\t\t\t\t同\t同\t同\t\t\t\t\t\t额外\n", u""},
        {{"sheets", book}, 0, "名单\nSheet2\n", u""},
        {{"fields", book, "名单"}, 0, "姓名\n数量\n日期\n备注\nF5\n编号\n", u""},
        {{"records", book, "Sheet2"}, 0, "1\t\n2\tafter\n", u""},
        {{"records", book, "名单", "--range", "2,4"},
         0,
         "2\t李四\t2.5\t2024-03-05 14:30:00\t加急\t\t1002\n"
         "4\t王五\t-7\t08:15:30\t\t\t123456789012\n",
         u""},
        {{"records", book, "名单$", "--range", "5-9"}, 1, "", u"--range: “5-9”在工作表“名单$”的 4 条记录中一条也没有选中"},
        {{"records", book, "名单", "--range", "1,,3"}, 1, "", u"“”不是有效的整数"},
        {{"records", book, "价目"}, 1, "", u"找不到工作表“价目”。"},
        {{"sheets", "/nonexistent/book.xlsx"}, 1, "", u"/nonexistent/book.xlsx: 文件不存在！"},
        {{"fields", book}, 1, "", u"SHEET: 缺少这个参数（用法：marlune-cli fields BOOK SHEET"},
        // Refused before the first record: once it wrote 17 GB of empty fields.
        {{"records", farCell, "名单"}, 1, "", u"太大：已用区域 1048576 行 × 16384 列"},
    };
    for (const CommandCase& row : cases) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const testing_support::CliRun cli = testing_support::runCli(row.arguments);
        EXPECT_EQ(cli.exitCode, row.exitCode);
        EXPECT_EQ(QString::fromUtf8(cli.out), QString::fromUtf8(row.out));
        EXPECT_TRUE(QString::fromUtf8(cli.err).contains(QString::fromUtf16(row.err)));
    }
}

} // namespace

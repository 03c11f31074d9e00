#include "GoodsBook.h"
#include "RecordShapes.h"

#include "files/LabelFile.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Tshape storedOrColumn(const QString& field, const QString& type = QStringLiteral("文本"), int style = 0)
{
    return recordText(field, type, style, QStringLiteral("存 %1").arg(field));
}

// A label of every way a value reaches the printer: a fixed text, two record columns (one as
// a date), a cut object that sends nothing, and a linear symbol with its start and end texts.
QString writeLabel(const QString& path, const QString& dateColumn)
{
    Tshape bar = makeShape(ShapeKind::PrintBar);
    bar.barValue = QStringLiteral("100");
    bar.beginStr = QStringLiteral("P");
    bar.DBField = QStringLiteral("数量");
    Tobject document;
    document.objects = {storedOrColumn({}), storedOrColumn(QStringLiteral("品名")),
                        storedOrColumn(dateColumn, QStringLiteral("日期"), 4),
                        makeShape(ShapeKind::CutRect), bar};
    SaveLabel(path, document, LabelSettings(), JobSettings());
    return path;
}

struct CommandCase {
    QStringList arguments;
    int exitCode;
    const char16_t* out; // exact stdout
    const char16_t* err; // a part of stderr
};

// Operators script this command: the output format and the exit codes are exact.
TEST(ValuesCommand, ListsStoredOrRecordValuesAndFailsWithAReason)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString book = testing_support::writeGoodsBook(dir.filePath(QStringLiteral("货品.xlsx")));
    const QString label = writeLabel(dir.filePath(QStringLiteral("label.xml")), QStringLiteral("日期"));
    const QString missingColumn =
        writeLabel(dir.filePath(QStringLiteral("missing.xml")), QStringLiteral("单价"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.xml"));
    {
        QFile source(label);
        QFile target(damaged);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly));
        target.write(source.readAll().replace("<selfAdd>0</selfAdd>", "<selfAdd>x</selfAdd>"));
    }
    const QString garbage = dir.filePath(QStringLiteral("garbage.xml"));
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<Object><Label>");
    }
    const QString sheet = QStringLiteral("货品");
    const auto fromRecord = [&](const QString& labelPath, const QString& record) {
        return QStringList{"values", labelPath, "--workbook", book, "--sheet", sheet,
                           "--record", record};
    };

    const CommandCase cases[] = {
        {{"values", label}, 0,
         u"0\tprintString\t存 \n1\tprintString\t存 品名\n2\tprintString\t存 日期\n4\tprintBar\tP100\n",
         u""},
        {fromRecord(label, "1"), 0,
         u"0\tprintString\t存 \n1\tprintString\t梨\n2\tprintString\t2017-3-5\n4\tprintBar\tP12.5\n",
         u""},
        {fromRecord(label, " 2 "), 0,
         u"0\tprintString\t存 \n1\tprintString\t桃\n2\tprintString\t2017-3-6\n4\tprintBar\tP3\n",
         u""},
        {{"values", label, "--record", "1", "--sheet", sheet, "--workbook", book}, 0,
         u"0\tprintString\t存 \n1\tprintString\t梨\n2\tprintString\t2017-3-5\n4\tprintBar\tP12.5\n",
         u""},
        {fromRecord(label, "3"), 1, u"", u"工作表“货品”没有第 3 条记录（共 2 条）。"},
        {fromRecord(label, "0"), 1, u"", u"--record: 工作表“货品”没有第 0 条记录"},
        {fromRecord(label, "x"), 1, u"", u"--record: “x”不是整数"},
        {fromRecord(missingColumn, "1"), 1, u"", u"工作表中找不到列“单价”。"},
        {{"values", label, "--workbook", book, "--sheet", "价目", "--record", "1"}, 1, u"",
         u"找不到工作表“价目”。"},
        {{"values", label, "--workbook", dir.filePath("none.xlsx"), "--sheet", sheet, "--record",
          "1"},
         1, u"", u"none.xlsx: 文件不存在！"},
        {{"values", dir.filePath("none.xml")}, 1, u"", u"文件不存在！"},
        {{"values", damaged}, 1, u"", u"读到第 5 个对象"},
        {{"values", garbage}, 1, u"", u"marlune-cli values: "},
        {{"values", label, "--workbook", book, "--sheet", sheet}, 1, u"",
         u"这几个选项要一起给出（用法：marlune-cli values LABEL.xml [--workbook BOOK --sheet SHEET --record K]）"},
        {{"values", label, "--record"}, 1, u"", u"用法：marlune-cli values"},
        {{"values", label, label}, 1, u"", u"用法：marlune-cli values"},
        {{"values", label, "--quantity", "2"}, 1, u"", u"用法：marlune-cli values"},
        {{"values"}, 1, u"", u"用法：marlune-cli values"},
    };
    for (const CommandCase& row : cases) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const testing_support::CliRun run = testing_support::runCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(QString::fromUtf8(run.out), QString::fromUtf16(row.out));
        const QString err = QString::fromUtf8(run.err);
        EXPECT_TRUE(err.contains(QString::fromUtf16(row.err))) << err.toStdString();
    }
}

TEST(ValuesCommand, ListsTheExampleLabelsStoredValues)
{
    const testing_support::CliRun run =
        testing_support::runCli({"values", testing_support::sourcePath("examples/sample.xml")});
    EXPECT_EQ(run.exitCode, 0);
    // The stored start and end texts of the symbol are empty ("**" in the file).
    EXPECT_EQ(QString::fromUtf8(run.out),
              QString::fromUtf16(u"0\tprintRect\t\n1\tprintString\t有机绿茶 250g\n"
                                 u"2\tprintString\t批号 A0001\n3\tprintBar\t6901234567892\n"
                                 u"4\tprintQRBar\thttps://example.com/A0001\n5\tprintImage\t\n"));
}

} // namespace

#include "XlsxTestPackage.h"

#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/Workbook.h"
#include "support/TestApp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::sourcePath;

std::unique_ptr<Workbook> open(const QString& path)
{
    return openWorkbook(connectionStringForFile(path));
}

QList<QStringList> recordTexts(const SheetTable& table)
{
    QList<QStringList> texts;
    for (int record = 0; record < table.records.size(); ++record) {
        QStringList cells;
        for (int field = 0; field < table.fieldNames.size(); ++field)
            cells.append(table.cell(record, field).displayText());
        texts.append(cells);
    }
    return texts;
}

// The same sheets saved by the spreadsheet program as .ods and as .xlsx read as the same
// records: both readers show what the program shows, in the same forms.
TEST(OdsReader, ReadsTheSameRecordsAsTheOpenXmlWorkbookOfTheSameSheets)
{
    const struct {
        const char* ods;
        const char* xlsx;
    } cases[] = {
        {"tests/fixtures/ods/names.ods", "tests/fixtures/ods/names.xlsx"},
        {"tests/fixtures/ods/goods.ods", "examples/goods.xlsx"},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<Workbook> ods = open(sourcePath(QString::fromUtf8(c.ods)));
        const std::unique_ptr<Workbook> xlsx = open(sourcePath(QString::fromUtf8(c.xlsx)));
        ASSERT_EQ(ods->sheetNames(), xlsx->sheetNames()) << c.ods;
        for (const QString& sheet : ods->sheetNames()) {
            const SheetTable odsTable = ods->readTable(sheet);
            const SheetTable xlsxTable = xlsx->readTable(sheet);
            EXPECT_EQ(odsTable.fieldNames, xlsxTable.fieldNames) << c.ods << ' ' << qPrintable(sheet);
            EXPECT_EQ(recordTexts(odsTable), recordTexts(xlsxTable)) << c.ods << ' ' << qPrintable(sheet);
        }
    }
    // What the program shows, so that both readers cannot agree on a wrong value.
    const SheetTable names = open(sourcePath(QStringLiteral("tests/fixtures/ods/names.ods")))->readTable(QStringLiteral("名单"));
    EXPECT_EQ(names.fieldNames, QStringList({"姓名", "数量", "日期", "时间", "日期时间", "备注", "通过", "比例", "金额", "编号",
                                             "合计", "小数", "F13", "F14"}));
    const QList<QStringList> records = recordTexts(names);
    ASSERT_EQ(records.size(), 9);
    EXPECT_EQ(records[0], QStringList({"张三", "3", "2024-03-05", "08:15:30", "2024-03-05 14:30:00", "第一行\n第二行  两个空格",
                                       "TRUE", "0.25", "12.5", "007", "6", "3.14159265358979", "", ""}));
    EXPECT_EQ(records[1].mid(0, 7), QStringList({"李四", "2.5", "2000-02-29", "23:59:59", "1999-12-31 23:00:00",
                                                 "加急下午送", "FALSE"}));
    EXPECT_EQ(records[2], QStringList(14)); // two empty rows stored once, repeated
    EXPECT_EQ(records[4], QStringList({"王五", "-7", "", "", "", "同", "同", "同", "", "", "", "", "", "额外"}));
    EXPECT_EQ(records[8].mid(0, 4), QStringList({"合并", "", " 前后空格 ", "链接"}));
}

class HandWrittenOds : public testing::Test {
protected:
    // A package around a content part holding the tables given.
    QString write(const QByteArray& tables)
    {
        const QString path = m_dir.filePath(QStringLiteral("hand.ods"));
        QFile::remove(path);
        testing_support::writeZip(path, {{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                                         {QStringLiteral("content.xml"), content(tables)}});
        return path;
    }

    static QByteArray content(const QByteArray& tables)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
               "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
               " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
               " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
               " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">"
               "<office:body><office:spreadsheet>"
            + tables + "</office:spreadsheet></office:body></office:document-content>";
    }

    static QByteArray table(const QByteArray& rows) { return "<table:table table:name=\"Sheet1\">" + rows + "</table:table>"; }

    QTemporaryDir m_dir;
};

TEST_F(HandWrittenOds, ReadsValuesAsTheSpreadsheetShowsThem)
{
    const struct {
        const char* what;
        QByteArray rows;
        QList<QStringList> sheet;
    } cases[] = {
        {"durations, runs of spaces, tabs",
         "<table:table-row><table:table-cell office:value-type=\"time\" office:time-value=\"P1DT2H30M\"/>"
         "<table:table-cell office:value-type=\"time\" office:time-value=\"-PT1H\"/>"
         "<table:table-cell office:value-type=\"time\" office:time-value=\"PT\"><text:p>坏</text:p></table:table-cell>"
         "<table:table-cell office:value-type=\"string\"><text:p>a<text:s text:c=\"3\"/>b<text:tab/>c</text:p>"
         "</table:table-cell></table:table-row>",
         {{"02:30:00", "23:00:00", "坏", "a   b\tc"}}},
        {"a comment and a drawing in a cell are not its value; text without a type is text",
         "<table:table-row><table:table-cell office:value-type=\"string\"><office:annotation><text:p>批注</text:p>"
         "</office:annotation><draw:frame><draw:text-box><text:p>框</text:p></draw:text-box></draw:frame>"
         "<text:p>值</text:p></table:table-cell><table:table-cell><text:p>文字</text:p></table:table-cell>"
         "<table:table-cell office:value-type=\"float\" office:value=\"abc\"><text:p>显示</text:p></table:table-cell>"
         "<table:table-cell office:value-type=\"date\" office:date-value=\"2024-13-01\"><text:p>13月</text:p>"
         "</table:table-cell></table:table-row>",
         {{"值", "文字", "显示", "13月"}}},
        {"rows holding values repeat; empty cells and rows pad to the largest sheet's end",
         "<table:table-row table:number-rows-repeated=\"3\"><table:table-cell table:number-columns-repeated=\"2\""
         " office:value-type=\"float\" office:value=\"7\"/><table:table-cell table:number-columns-repeated=\"16382\"/>"
         "</table:table-row><table:table-row table:number-rows-repeated=\"16777213\">"
         "<table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>",
         {{"7", "7"}, {"7", "7"}, {"7", "7"}}},
        {"a run of spaces never longer than a cell holds",
         "<table:table-row><table:table-cell><text:p>x<text:s text:c=\"1000000000\"/></text:p></table:table-cell>"
         "</table:table-row>",
         {{u'x' + QString(32'766, u' ')}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(testing_support::sheetTexts(open(write(table(c.rows)))->readSheet(0)), c.sheet) << c.what;
    }
}

// Counts that a hostile file may give: refused before anything is stored.
TEST_F(HandWrittenOds, RefusesHostileAndBrokenFilesWithAClearMessage)
{
    const QByteArray value = "<table:table-cell office:value-type=\"float\" office:value=\"1\"/>";
    const auto rows = [](const char* count, const QByteArray& cells) {
        return "<table:table-row table:number-rows-repeated=\"" + QByteArray(count) + "\">" + cells + "</table:table-row>";
    };
    const struct {
        const char* what;
        QByteArray tables;
        const char16_t* message;
    } cases[] = {
        {"a row holding a value repeated 10^9 times", table(rows("1000000000", value)), u"第 1000000000 行超出工作表"},
        {"an empty row repeated 10^9 times", table(rows("1000000000", "")), u"行超出工作表"},
        {"a value below a million empty rows", table(rows("1048576", "") + rows("1", value)), u"第 1048577 行超出工作表"},
        {"a cell repeated 10^9 times",
         table(rows("1", "<table:table-cell table:number-columns-repeated=\"1000000000\"/>")), u"列超出工作表"},
        {"a repeat count that is no count",
         table(rows("1", "<table:table-cell table:number-columns-repeated=\"-1\"/>")), u"重复次数“-1”无效"},
        {"more cells than a sheet may hold",
         table(rows("600", "<table:table-cell table:number-columns-repeated=\"16384\" office:value-type=\"float\""
                           " office:value=\"1\"/>")),
         u"太大"},
        {"a value in a far corner",
         table(rows("999", "") + rows("1", "<table:table-cell table:number-columns-repeated=\"9999\"/>" + value)),
         u"已用区域 1000 行 × 10000 列"},
        {"malformed content", "<table:table table:name=\"Sheet1\"><table:table-row>", u"已损坏"},
    };
    for (const auto& c : cases) {
        try {
            open(write(c.tables))->readTable(QStringLiteral("Sheet1"));
            ADD_FAILURE() << c.what << ": no error";
        } catch (const DataSourceError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf16(c.message))) << c.what << ": "
                                                                               << qPrintable(error.message());
        }
    }
}

TEST_F(HandWrittenOds, RefusesPackagesThatAreNoReadableSpreadsheet)
{
    const QString path = m_dir.filePath(QStringLiteral("package.ods"));
    const struct {
        const char* what;
        QMap<QString, QByteArray> parts; // empty: the file holds plain text
        const char16_t* message;
    } cases[] = {
        {"plain text", {}, u"不是OpenDocument电子表格（.ods）"},
        {"no content part", {{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"}},
         u"缺少“content.xml”"},
        {"encrypted",
         {{QStringLiteral("content.xml"), "\x01\x02"},
          {QStringLiteral("META-INF/manifest.xml"), "<manifest:encryption-data manifest:checksum=\"x\"/>"}},
         u"已加密"},
    };
    for (const auto& c : cases) {
        QFile::remove(path);
        if (c.parts.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("姓名,数量\n");
        } else {
            testing_support::writeZip(path, c.parts);
        }
        try {
            open(path)->readTable(QStringLiteral("Sheet1"));
            ADD_FAILURE() << c.what << ": no error";
        } catch (const DataSourceError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf16(c.message))) << c.what << ": "
                                                                               << qPrintable(error.message());
        }
    }
    // A file cut short anywhere ends with a message, never a crash.
    QFile whole(sourcePath(QStringLiteral("tests/fixtures/ods/names.ods")));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    for (qsizetype length = 0; length < bytes.size(); length += 211) {
        QFile cut(path);
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write(bytes.first(length));
        cut.close();
        EXPECT_THROW(open(path)->readTable(QStringLiteral("名单")), DataSourceError) << length;
    }
}

} // namespace

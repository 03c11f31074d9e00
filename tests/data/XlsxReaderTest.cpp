#include "XlsxTestPackage.h"
#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/Workbook.h"
#include "data/XlsxSheetReader.h"
#include "data/XlsxWorkbook.h"
#include "data/ZipArchive.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <xlsxwriter.h>

using testing_support::minimalPackage;
using testing_support::readZip;
using testing_support::worksheet;
using testing_support::writeZip;

namespace {

QStringList recordTexts(const SheetTable& table, int record)
{
    QStringList texts;
    for (int field = 0; field < table.fieldNames.size(); ++field)
        texts.append(table.cell(record, field).displayText());
    return texts;
}

SheetTable readTable(const QString& path, const QString& sheet)
{
    return openWorkbook(connectionStringForFile(path))->readTable(sheet);
}

// The kind of workbook an operator saves from a spreadsheet program: Chinese names, dates
// under built-in and custom formats, empty cells and rows, a formula with its cached value.
QString writeNameList(const QString& path, bool constantMemory)
{
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(path.toUtf8().constData(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "名单");
    lxw_format* date = workbook_add_format(book);
    format_set_num_format(date, "yyyy-mm-dd");
    lxw_format* chineseDateTime = workbook_add_format(book);
    format_set_num_format(chineseDateTime, "yyyy\"年\"m\"月\"d\"日\" h:mm");
    lxw_format* time = workbook_add_format(book);
    format_set_num_format(time, "hh:mm:ss");
    lxw_format* decimals = workbook_add_format(book);
    format_set_num_format(decimals, "0.00");

    const char* headings[] = {"姓名", "数量", "日期", "时间", "备注", "合计", "通过"};
    for (int column = 0; column < 7; ++column)
        worksheet_write_string(sheet, 0, lxw_col_t(column), headings[column], nullptr);
    lxw_datetime march5{2024, 3, 5, 0, 0, 0};
    lxw_datetime morning{0, 0, 0, 8, 15, 30};
    lxw_datetime afternoon{2024, 3, 5, 14, 30, 0};
    worksheet_write_string(sheet, 1, 0, "张三", nullptr);
    worksheet_write_number(sheet, 1, 1, 3, nullptr);
    worksheet_write_datetime(sheet, 1, 2, &march5, date);
    worksheet_write_datetime(sheet, 1, 3, &morning, time);
    worksheet_write_formula_num(sheet, 1, 5, "=B2*2", nullptr, 6);
    worksheet_write_boolean(sheet, 1, 6, 1, nullptr);
    worksheet_write_string(sheet, 2, 0, "李四", nullptr);
    worksheet_write_number(sheet, 2, 1, 2.5, decimals);
    worksheet_write_datetime(sheet, 2, 2, &afternoon, chineseDateTime);
    worksheet_write_string(sheet, 2, 4, "加急", nullptr);
    worksheet_write_string(sheet, 4, 0, "王五", nullptr);
    worksheet_write_string(sheet, 4, 7, "额外", nullptr);

    lxw_worksheet* other = workbook_add_worksheet(book, "Sheet2");
    worksheet_write_string(other, 0, 0, "A", nullptr);
    EXPECT_EQ(workbook_close(book), LXW_NO_ERROR);
    return path;
}

void expectNameList(const SheetTable& table)
{
    EXPECT_EQ(table.fieldNames, QStringList({"姓名", "数量", "日期", "时间", "备注", "合计",
                                             "通过", "F8"})); // an unnamed column by position
    ASSERT_EQ(table.records.size(), 4); // the empty row stays: record numbers follow the sheet
    EXPECT_EQ(recordTexts(table, 0),
              QStringList({"张三", "3", "2024-03-05", "08:15:30", "", "6", "TRUE", ""}));
    EXPECT_EQ(recordTexts(table, 1), QStringList({"李四", "2.5", "2024-03-05 14:30:00", "", "加急",
                                                  "", "", ""}));
    EXPECT_EQ(recordTexts(table, 2), QStringList(8, QString()));
    EXPECT_EQ(recordTexts(table, 3), QStringList({"王五", "", "", "", "", "", "", "额外"}));
    EXPECT_EQ(table.cell(1, 2).dateTime(), QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
}

class XlsxReader : public testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir m_dir;
};

TEST_F(XlsxReader, ReadsSharedStringsFormatsAndCachedFormulaValues)
{
    const QString book = writeNameList(path("名单.xlsx"), false);
    EXPECT_EQ(openWorkbook(connectionStringForFile(book))->sheetNames(),
              QStringList({"名单", "Sheet2"}));
    expectNameList(readTable(book, QStringLiteral("名单")));
}

// Writers that stream large sheets store strings inline and some point at the sheet with
// an absolute target; both must read exactly like the ordinary workbook.
TEST_F(XlsxReader, ReadsInlineStringsBehindAnAbsoluteTarget)
{
    const QString book = writeNameList(path("inline.xlsx"), true);
    QMap<QString, QByteArray> parts = readZip(book);
    ASSERT_TRUE(parts.value("xl/worksheets/sheet1.xml").contains("inlineStr"));
    QByteArray& relationships = parts["xl/_rels/workbook.xml.rels"];
    ASSERT_TRUE(relationships.contains("Target=\"worksheets/sheet1.xml\""));
    relationships.replace("Target=\"worksheets/", "Target=\"/xl/worksheets/");
    relationships.replace("Target=\"styles.xml\"", "Target=\"/xl/styles.xml\"");
    const QString absolute = path("absolute.xlsx");
    writeZip(absolute, parts);
    expectNameList(readTable(absolute, QStringLiteral("名单")));
}

TEST_F(XlsxReader, ReadsDatesOfThe1904DateSystem)
{
    QMap<QString, QByteArray> parts = readZip(writeNameList(path("1900.xlsx"), false));
    QByteArray& workbook = parts["xl/workbook.xml"];
    ASSERT_TRUE(workbook.contains("<workbookPr"));
    workbook.replace("<workbookPr", "<workbookPr date1904=\"1\"");
    const QString book = path("1904.xlsx");
    writeZip(book, parts);
    const SheetTable table = readTable(book, QStringLiteral("名单"));
    // The same stored serial is 1462 days later in the 1904 system.
    EXPECT_EQ(table.cell(0, 2).displayText(), QStringLiteral("2028-03-06"));
    EXPECT_EQ(table.cell(0, 3).displayText(), QStringLiteral("08:15:30"));
}

TEST_F(XlsxReader, ReadsHandWrittenCells)
{
    QMap<QString, QByteArray> parts = minimalPackage(worksheet(
        "<row r=\"1\"><c t=\"inlineStr\"><is><t>代码</t></is></c><c t=\"inlineStr\"><is><t>城市</t>"
        "</is></c><c t=\"inlineStr\"><is><t>日</t></is></c><c t=\"inlineStr\"><is><t>结果</t></is>"
        "</c></row>"
        // no r attributes: cells follow one another, rows too
        "<row><c t=\"str\"><f>A1</f><v>X-1</v></c><c t=\"s\"><v>0</v></c>"
        "<c t=\"d\"><v>2024-03-05T14:30:00</v></c><c t=\"e\"><v>#DIV/0!</v></c></row>"
        "<row r=\"5\"><c r=\"B5\" t=\"inlineStr\"><is><r><t>北</t></r><r><t xml:space=\"preserve\">京 </t></r>"
        "</is></c><c r=\"D5\"><f>1/0</f></c></row>"));
    parts.insert("xl/sharedStrings.xml",
                 "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                 "<si><r><t>上</t></r><r><t>海</t></r><rPh sb=\"0\" eb=\"2\"><t>シャンハイ</t></rPh></si>"
                 "</sst>");
    parts["xl/_rels/workbook.xml.rels"].replace(
        "</Relationships>",
        "<Relationship Id=\"rId9\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
    const QString book = path("hand.xlsx");
    writeZip(book, parts);
    const SheetTable table = readTable(book, QStringLiteral("Sheet1"));
    ASSERT_EQ(table.records.size(), 4);
    EXPECT_EQ(recordTexts(table, 0), QStringList({"X-1", "上海", "2024-03-05 14:30:00", "#DIV/0!"}));
    EXPECT_EQ(recordTexts(table, 3), QStringList({"", "北京 ", "", ""})); // no cached value: empty
}

TEST_F(XlsxReader, AcceptsSheetNamesStoredAsTableNames)
{
    const QString book = writeNameList(path("names.xlsx"), false);
    for (const char* stored : {"名单", "名单$", "'名单$'"})
        EXPECT_EQ(readTable(book, QString::fromUtf8(stored)).records.size(), 4) << stored;
}

struct BrokenCase {
    const char* what;
    QMap<QString, QByteArray> parts; // empty: the file holds plain text
    const char16_t* message;         // a part of the operator's message
};

TEST_F(XlsxReader, RefusesBrokenWorkbooksWithAClearMessage)
{
    QMap<QString, QByteArray> withoutWorkbook = minimalPackage(worksheet(""));
    withoutWorkbook.remove("xl/workbook.xml");
    QMap<QString, QByteArray> badStringIndex =
        minimalPackage(worksheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>7</v></c></row>"));
    QMap<QString, QByteArray> missingSheetPart = minimalPackage(worksheet(""));
    missingSheetPart.remove("xl/worksheets/sheet1.xml");
    QByteArray sparse;
    // 500 rows each reaching the last column: 8 million cells, far beyond what any label
    // run uses, from a few kilobytes of XML.
    for (int row = 1; row <= 500; ++row)
        sparse += "<row r=\"" + QByteArray::number(row) + "\"><c r=\"XFD" + QByteArray::number(row)
            + "\"><v>1</v></c></row>";
    const BrokenCase cases[] = {
        {"plain text", {}, u"不是Excel工作簿"},
        {"no workbook part", withoutWorkbook, u"缺少“xl/workbook.xml”"},
        {"missing sheet part", missingSheetPart, u"缺少“xl/worksheets/sheet1.xml”"},
        {"malformed sheet", minimalPackage("<worksheet><sheetData><row>"), u"已损坏"},
        {"shared string out of range", badStringIndex, u"共享字符串“7”不存在"},
        {"cell beyond the last column",
         minimalPackage(worksheet("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>")),
         u"超出工作表"},
        // Read as missing, these took the next place in the row over a neighbour's value.
        {"cell beyond the last row",
         minimalPackage(worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c>"
                                  "<c r=\"A99999999999\"><v>2</v></c></row>")),
         u"“A99999999999”超出工作表"},
        {"reference without letters",
         minimalPackage(worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"12\"><v>2</v></c></row>")),
         u"“12”无效"},
        {"reference with a row 0", minimalPackage(worksheet("<row><c r=\"B0\"><v>2</v></c></row>")),
         u"“B0”无效"},
        {"reference with text after the row",
         minimalPackage(worksheet("<row><c r=\"B2x\"><v>2</v></c></row>")), u"“B2x”无效"},
        // One far cell would make a million records of sixteen thousand fields.
        {"far used range",
         minimalPackage(worksheet("<row r=\"1048576\"><c r=\"XFD1048576\"><v>1</v></c></row>")),
         u"1048576 行 × 16384 列"},
        {"row beyond the sheet", minimalPackage(worksheet("<row r=\"1048577\"/>")), u"行号"},
        {"sparse sheet", minimalPackage(worksheet(sparse)), u"太大"},
    };
    for (const BrokenCase& row : cases) {
        SCOPED_TRACE(row.what);
        const QString book = path("broken.xlsx");
        QFile::remove(book);
        if (row.parts.isEmpty()) {
            QFile file(book);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("姓名,数量\n");
        } else {
            writeZip(book, row.parts);
        }
        try {
            readTable(book, QStringLiteral("Sheet1"));
            ADD_FAILURE() << "no error";
        } catch (const DataSourceError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf16(row.message)))
                << qPrintable(error.message());
        }
    }
}

TEST_F(XlsxReader, SurvivesEveryTruncation)
{
    const QString whole = writeNameList(path("whole.xlsx"), false);
    QFile source(whole);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    const QString cut = path("cut.xlsx");
    for (qsizetype length = 0; length < bytes.size(); length += 97) {
        QFile target(cut);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.write(bytes.first(length));
        target.close();
        EXPECT_THROW(readTable(cut, QStringLiteral("名单")), DataSourceError) << length;
    }
}

// A zip bomb: a part that inflates beyond its limit stops with a message at the limit.
TEST_F(XlsxReader, StopsInflatingAtThePartLimit)
{
    const QString book = path("bomb.xlsx");
    writeZip(book, {{QStringLiteral("big.xml"), QByteArray(3 << 20, ' ')},
                    {QStringLiteral("small.xml"), QByteArray("<a/>")}});
    const ZipArchive zip(book);
    EXPECT_EQ(zip.read(QStringLiteral("SMALL.xml"), 1 << 20), QByteArray("<a/>"));
    try {
        zip.read(QStringLiteral("big.xml"), 1 << 20);
        ADD_FAILURE() << "no error";
    } catch (const DataSourceError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("太大"))) << qPrintable(error.message());
    }
}

// The inflater cuts the part anywhere: inside a name, a number, a multi-byte character or
// between a cell's text pieces. Every cut reads the same rows.
TEST(XlsxSheetStream, ReadsTheSameWhereverThePartIsCut)
{
    const QByteArray part = worksheet(
        "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>上海浦东</t></is></c>"
        "<c r=\"B1\"><v>12345.5</v></c><c r=\"C1\" t=\"s\"><v>1</v></c></row>"
        "<row r=\"3\"><c r=\"B3\" s=\"1\"><v>45356.5</v></c></row>");
    xlsx::SheetContext context;
    context.workbook = QStringLiteral("book.xlsx");
    context.partName = QStringLiteral("xl/worksheets/sheet1.xml");
    context.sheetName = QStringLiteral("Sheet1");
    context.sharedStrings = {QStringLiteral("零"), QStringLiteral("一")};
    context.formatKinds = {CellKind::Number, CellKind::DateTime};
    const QList<QStringList> expected = {
        {"上海浦东", "12345.5", "一"}, {}, {"", "2024-03-05 12:00:00"}};
    for (const qsizetype piece : QList<qsizetype>{1, 2, 3, 5, 7, 64, part.size()}) {
        SCOPED_TRACE(piece);
        EXPECT_EQ(testing_support::sheetTexts(xlsx::readSheetRows(xlsx::piecesOf(part, piece), context)), expected);
    }
    EXPECT_THROW(xlsx::readSheetRows(xlsx::piecesOf(part.chopped(9), 4), context), DataSourceError);
}

TEST_F(XlsxReader, StreamsAPartInPiecesAndStopsWhenAsked)
{
    QByteArray big;
    for (int i = 0; big.size() < (3 << 20); ++i)
        big += QByteArray::number(i) + ' ';
    const QString book = path("pieces.xlsx");
    writeZip(book, {{QStringLiteral("big.xml"), big}});
    const ZipArchive zip(book);
    QByteArray joined;
    int pieces = 0;
    zip.stream(QStringLiteral("big.xml"), 4 << 20, [&](QByteArrayView piece) {
        joined += piece;
        return ++pieces > 0;
    });
    EXPECT_EQ(joined, big);
    EXPECT_GT(pieces, 1);
    pieces = 0;
    zip.stream(QStringLiteral("big.xml"), 4 << 20, [&](QByteArrayView) { return ++pieces < 2; });
    EXPECT_EQ(pieces, 2);
    EXPECT_EQ(zip.read(QStringLiteral("big.xml"), 4 << 20), big) << "stopping left the part open";
}

} // namespace


#include "XlsxTestPackage.h"

#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/Workbook.h"
#include "model/TextCodec.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::sheetTexts;

class CsvReader : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

QByteArray utf16WithMark(const QString& text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

// How each file reads, header line included; checked against the spreadsheet program's
// reading of the same bytes, except that fields stay text exactly as written.
TEST_F(CsvReader, ReadsTrickyFilesAsTheirRows)
{
    const struct {
        const char* what;
        QByteArray bytes;
        QList<QStringList> rows;
    } cases[] = {
        {"separators and doubled quotes inside quotes", "名称,说明\r\n\"茶,叶\",\"他说\"\"好\"\"\"\r\n",
         {{"名称", "说明"}, {"茶,叶", "他说\"好\""}}},
        {"line breaks inside quotes, no line end at the end", "a,b\n\"1\r\n2\",3\n\"x\ry\",z",
         {{"a", "b"}, {"1\n2", "3"}, {"x\ny", "z"}}},
        {"UTF-8 with its mark, semicolons", "\xEF\xBB\xBF品名;价格\n绿茶;12,5\n", {{"品名", "价格"}, {"绿茶", "12,5"}}},
        {"GBK", gbk::encode(QStringLiteral("品名,批号\n红茶,A0002\n")), {{"品名", "批号"}, {"红茶", "A0002"}}},
        {"valid UTF-8 is UTF-8 even where GBK reads it too", "\xC3\xA9,\xC3\xBC\n", {{"é", "ü"}}},
        {"UTF-16 with its mark, tabs", utf16WithMark(QStringLiteral("名\t值\n一\t1\n")), {{"名", "值"}, {"一", "1"}}},
        {"ragged rows, empty lines inside and at the end", "a,b,c\n1\n\n2,,,4\n,,\n\n",
         {{"a", "b", "c"}, {"1"}, {}, {"2", "", "", "4"}}},
        {"CR line ends, text after a closing quote, a quote inside a field", "a,b\r\"x\"y,5\"6\r",
         {{"a", "b"}, {"xy", "5\"6"}}},
        {"tabs outside quotes outnumber the commas inside", "\"a,b,c\"\td\n1\t2\n", {{"a,b,c", "d"}, {"1", "2"}}},
        {"a tie goes to the comma", "a;b,c\n", {{"a;b", "c"}}},
        {"leading zeros and blanks stay", "code,name\n007, 茶 \n", {{"code", "name"}, {"007", " 茶 "}}},
    };
    for (const auto& c : cases) {
        const QString path = write(QStringLiteral("名单.csv"), c.bytes);
        const std::unique_ptr<Workbook> book = openWorkbook(connectionStringForFile(path));
        EXPECT_EQ(book->sheetNames(), QStringList{QStringLiteral("名单")}) << c.what;
        EXPECT_EQ(sheetTexts(book->readSheet(0)), c.rows) << c.what;
    }
}

TEST_F(CsvReader, RefusesWhatIsNoTableWithAClearMessage)
{
    QByteArray wide = "a";
    wide.append(QByteArray(16'384, ','));
    wide.append("b\n");
    // One value in a far corner: few bytes, but a used range of 1000 × 10,000 empty fields.
    const QByteArray farCell = QByteArray(999, '\n') + QByteArray(9'999, ',') + "x\n";
    const struct {
        const char* what;
        QByteArray bytes;
        const char16_t* message;
    } cases[] = {
        {"quote that never ends", "a,b\n1,\"x\n2,3\n", u"第 2 行：引号没有结束"},
        {"binary file", QByteArray("\x01\x00\x02", 3), u"不是 UTF-8 或 GBK 编码的文本"},
        {"neither UTF-8 nor GBK", "abc\xFF\n", u"不是 UTF-8 或 GBK 编码的文本"},
        {"a value beyond the last column", wide, u"第 1 行：超过 16384 列"},
        {"a value in a far corner", farCell, u"已用区域 1000 行 × 10000 列"},
    };
    for (const auto& c : cases) {
        const QString path = write(QStringLiteral("bad.csv"), c.bytes);
        try {
            openWorkbook(connectionStringForFile(path))->readTable(QStringLiteral("bad"));
            ADD_FAILURE() << c.what << ": no error";
        } catch (const DataSourceError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf16(c.message))) << c.what << ": "
                                                                               << qPrintable(error.message());
        }
    }
    const QString huge = write(QStringLiteral("huge.csv"), "a,b\n");
    ASSERT_TRUE(QFile::resize(huge, (64 << 20) + 1));
    EXPECT_THROW(openWorkbook(connectionStringForFile(huge))->readSheet(0), DataSourceError);
}

} // namespace

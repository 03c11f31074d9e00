#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/Workbook.h"
#include "data/XlsReaderOutput.h"
#include "data/XlsWorkbook.h"
#include "support/TestApp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Binary workbooks made by tests/fixtures/make_xls_fixtures.py.
QString fixture(const char* name)
{
    return testing_support::sourcePath(QStringLiteral("tests/fixtures/xls/") + QLatin1String(name));
}

QStringList recordTexts(const SheetTable& table, int record)
{
    QStringList texts;
    for (int field = 0; field < table.fieldNames.size(); ++field)
        texts.append(table.cell(record, field).displayText());
    return texts;
}

TEST(XlsReader, ReadsNamesNumbersDatesAndEmptyCellsInBothDateSystems)
{
    for (const char* name : {"basic.xls", "basic1904.xls"}) {
        SCOPED_TRACE(name);
        const auto book = openWorkbook(connectionStringForFile(fixture(name)));
        EXPECT_EQ(book->sheetNames(), QStringList({"名单", "Sheet2"}));
        const SheetTable table = book->readTable(QStringLiteral("名单"));
        EXPECT_EQ(table.fieldNames, QStringList({"姓名", "数量", "日期", "备注", "F5", "编号"}));
        ASSERT_EQ(table.records.size(), 4);
        EXPECT_EQ(recordTexts(table, 0), QStringList({"张三", "3", "2024-03-05", "", "", "1001"}));
        EXPECT_EQ(recordTexts(table, 1),
                  QStringList({"李四", "2.5", "2024-03-05 14:30:00", "加急", "", "1002"}));
        EXPECT_EQ(recordTexts(table, 2), QStringList(6, QString()));
        EXPECT_EQ(recordTexts(table, 3),
                  QStringList({"王五", "-7", "08:15:30", "", "", "123456789012"}));
        EXPECT_EQ(table.cell(1, 2).dateTime(), QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
    }
}

// FreeXL hands out nothing for a formula cell: it reads as an empty value, and the rows
// after it are still there.
TEST(XlsReader, ReadsFormulaCellsAsEmpty)
{
    const SheetTable table = openWorkbook(connectionStringForFile(fixture("basic.xls")))
                                 ->readTable(QStringLiteral("Sheet2"));
    ASSERT_EQ(table.records.size(), 2);
    EXPECT_EQ(table.cell(0, 0).displayText(), QString());
    EXPECT_EQ(table.cell(1, 0).displayText(), QStringLiteral("after"));
}

QByteArray fixtureBytes()
{
    return testing_support::fileContent(fixture("basic.xls"));
}

// Reads each content as a binary workbook: it either reads or fails with a message.
void expectNoCrash(const QList<QByteArray>& contents)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.xls"));
    for (const QByteArray& content : contents) {
        QFile target(path);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.write(content);
        target.close();
        try {
            openWorkbook(connectionStringForFile(path))->readTable(QStringLiteral("名单"));
        } catch (const DataSourceError& error) {
            EXPECT_FALSE(error.message().isEmpty());
        }
    }
}

TEST(XlsReader, RefusesTruncatedFilesWithAMessage)
{
    const QByteArray bytes = fixtureBytes();
    ASSERT_FALSE(bytes.isEmpty());
    expectNoCrash({bytes.first(0), bytes.first(512), bytes.first(3000),
                   bytes.first(8) + QByteArray(1000, 'x')});
}

// FreeXL 1.0.6 reads before a stack buffer when a scrambled workbook reaches its string
// conversion: the reader process may crash on it, the program must not.
TEST(XlsReader, SurvivesScrambledCellData)
{
    QByteArray scrambled = fixtureBytes();
    ASSERT_FALSE(scrambled.isEmpty());
    for (qsizetype i = 600; i < scrambled.size(); i += 7)
        scrambled[i] = char(scrambled[i] ^ 0x5A);
    expectNoCrash({scrambled});
}

// Whatever becomes of the reader process, opening the workbook ends in one clear message.
TEST(XlsReader, ReportsAReaderThatFailsOrSaysNothingAsADamagedWorkbook)
{
    const QString path = fixture("basic.xls");
    for (const char* reader : {"/bin/false", "/bin/true"}) {
        SCOPED_TRACE(reader);
        try {
            XlsWorkbook book(path, QString::fromUtf8(reader));
            ADD_FAILURE() << "no error";
        } catch (const DataSourceError& error) {
            EXPECT_EQ(error.message(), damagedXlsMessage(path));
        }
    }
}

} // namespace


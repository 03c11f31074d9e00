#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/Tdm.h"
#include "model/ConversionError.h"
#include "model/MessageService.h"
#include "support/TestApp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString basicXls()
{
    return testing_support::sourcePath(QStringLiteral("tests/fixtures/xls/basic.xls"));
}

TEST(Tdm, ChoosesTheConnectionStringByTheExactExtension)
{
    const QString jet = QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;Extended Properties=Excel 8.0;Persist Security "
        "Info=false;Data Source=");
    const QString ace = QStringLiteral(
        "Provider=Microsoft.ACE.OLEDB.12.0;Extended Properties='Excel 8.0;HDR=YES;IMEX=1';"
        "Persist Security Info=false;Data Source=");
    const struct {
        const char* path;
        const QString& prefix;
    } cases[] = {{"/data/a.xls", jet}, {"/data/a.xlsx", ace}, {"/data/A.XLS", ace},
                 {"/data/a.xlsm", ace}, {"/data/x;y=z.xls", jet}};
    Tdm module;
    for (const auto& row : cases) {
        module.SetConnectionForFile(QString::fromUtf8(row.path));
        EXPECT_EQ(module.connectionString(), row.prefix + QString::fromUtf8(row.path));
        const ConnectionTarget target = parseConnectionString(module.connectionString());
        EXPECT_EQ(target.path, QString::fromUtf8(row.path));
        EXPECT_EQ(target.binaryWorkbook, &row.prefix == &jet) << row.path;
    }
}

TEST(Tdm, WalksRecordsByColumnName)
{
    Tdm module;
    module.openQuery(basicXls(), QStringLiteral("名单"));
    QStringList names;
    QList<QDateTime> dates;
    for (module.first(); !module.atEnd(); module.next()) {
        names.append(module.fieldText(QStringLiteral("姓名")));
        dates.append(module.fieldDateTime(QStringLiteral("日期")));
    }
    EXPECT_EQ(names, QStringList({"张三", "李四", "", "王五"}));
    EXPECT_EQ(dates, QList<QDateTime>({QDateTime(QDate(2024, 3, 5), QTime(0, 0)),
                                       QDateTime(QDate(2024, 3, 5), QTime(14, 30)), QDateTime(),
                                       QDateTime(QDate(1899, 12, 30), QTime(8, 15, 30))}));
    module.moveTo(1);
    EXPECT_THROW(module.fieldText(QStringLiteral("单价")), DataSourceError);
    EXPECT_THROW(module.fieldDateTime(QStringLiteral("姓名")), ConversionError);
    module.moveTo(5);
    EXPECT_THROW(module.fieldText(QStringLiteral("姓名")), DataSourceError);
    module.close();
    EXPECT_THROW(module.fieldText(QStringLiteral("姓名")), DataSourceError);
}

TEST(Tdm, ListsTablesAndFieldsAndCountsRecords)
{
    RecordingMessageService messages;
    Tdm module;
    QStringList tables;
    module.ListTables(basicXls(), tables);
    EXPECT_EQ(tables, QStringList({"名单", "Sheet2"}));
    QStringList fields;
    module.ListFields(basicXls(), QStringLiteral("名单"), fields);
    EXPECT_EQ(fields, QStringList({"姓名", "数量", "日期", "备注", "F5", "编号"}));
    EXPECT_FALSE(module.isOpen());
    EXPECT_EQ(module.RecordCount(basicXls(), QStringLiteral("Sheet2")), 2);
    EXPECT_FALSE(module.isOpen());
    module.OpenTable(basicXls(), QStringLiteral("名单"));
    EXPECT_EQ(module.recordCount(), 4); // the query stays open for the grid
    EXPECT_TRUE(messages.messages.isEmpty());
}

// A binary workbook whose name ends in ".XLS" gets the second connection string and must
// still read.
TEST(Tdm, ReadsABinaryWorkbookWithAnUpperCaseExtension)
{
    QTemporaryDir dir;
    const QString upper = dir.filePath(QStringLiteral("BOOK.XLS"));
    ASSERT_TRUE(QFile::copy(basicXls(), upper));
    EXPECT_EQ(dm().RecordCount(upper, QStringLiteral("名单")), 4);
}

TEST(Tdm, ShowsErrorsOrPassesThemOnAsEachOperationShould)
{
    const QString missing = QStringLiteral("/nonexistent/名单.xlsx");
    RecordingMessageService messages;
    Tdm module;
    QStringList tables{QStringLiteral("旧表")};
    module.ListTables(missing, tables);
    EXPECT_EQ(tables, QStringList({"旧表"})); // the list keeps what it held
    module.OpenTable(basicXls(), QStringLiteral("没有这个表"));
    EXPECT_FALSE(module.isOpen());
    QStringList fields{QStringLiteral("旧列")};
    module.ListFields(basicXls(), QStringLiteral("没有这个表"), fields);
    EXPECT_EQ(fields, QStringList({"旧列"}));
    ASSERT_EQ(messages.messages.size(), 3);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("找不到文件“/nonexistent/名单.xlsx”。"));
    EXPECT_EQ(messages.messages[1].text, QStringLiteral("找不到工作表“没有这个表”。"));
    EXPECT_EQ(messages.messages[1].caption, QStringLiteral("Marlune"));
    EXPECT_THROW(module.RecordCount(missing, QStringLiteral("名单")), DataSourceError);
    EXPECT_EQ(messages.messages.size(), 3); // RecordCount leaves the message to its caller
}

} // namespace

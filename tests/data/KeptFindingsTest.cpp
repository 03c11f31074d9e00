#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/Workbook.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

// Workbooks that once did harm, kept in tests/fuzz/findings: each now ends in a clear
// message before a record is read.
TEST(KeptFindings, DamagedWorkbooksAreRefusedWithAClearMessage)
{
    const struct {
        const char* file;
        const char16_t* message; // a part of the operator's message
    } rows[] = {
        // FreeXL faulted on it inside the reader process.
        {"xls-records/short-blank-record.xls", u"已损坏，无法读取。"},
        // One far cell made sixteen thousand fields in each of a million records.
        {"xlsx-zip/far-used-range.xlsx", u"已用区域 1048576 行 × 16384 列，超过 8000000 个单元格"},
        // The cell took the next place in its row, over its neighbour's value.
        {"xlsx-zip/unreadable-reference.xlsx", u"单元格引用“A99999999999”超出工作表"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const QString path =
            testing_support::sourcePath(QStringLiteral("tests/fuzz/findings/") + QLatin1String(row.file));
        try {
            openWorkbook(connectionStringForFile(path))->readTable(QStringLiteral("名单"));
            ADD_FAILURE() << "read";
        } catch (const DataSourceError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf16(row.message))) << qPrintable(error.message());
        }
    }
}

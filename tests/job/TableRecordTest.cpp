#include "GoodsBook.h"
#include "RecordShapes.h"

#include "data/Tdm.h"
#include "job/TableRecord.h"
#include "job/VariableData.h"
#include "model/ConversionError.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Tshape symbol(ShapeKind kind, const QString& field)
{
    Tshape shape = makeShape(kind);
    shape.barValue = QStringLiteral("100");
    shape.DBField = field;
    return shape;
}

enum class Failure { None, Field, Conversion };

struct ValueCase {
    const char* what;
    int record;
    Tshape shape;
    QString value; // when it does not fail
    Failure failure = Failure::None;
};

class TableRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_WORKBOOK_WRITER();
        ASSERT_TRUE(m_dir.isValid());
        m_data.openQuery(testing_support::writeGoodsBook(m_dir.filePath(QStringLiteral("货品.xlsx"))),
                         QStringLiteral("货品"));
    }

    QTemporaryDir m_dir;
    Tdm m_data;
};

// A label prints what the data module reads: the same texts, the same dates, and its
// failures end the job.
TEST_F(TableRecordTest, PrintsTheDataModulesFieldsAndEndsTheJobOnABadField)
{
    const QString date = QStringLiteral("日期");
    const ValueCase cases[] = {
        {"text column", 1, recordText(QStringLiteral("品名")), QStringLiteral("梨")},
        {"number column as text", 1, recordText(QStringLiteral("数量")), QStringLiteral("12.5")},
        {"date cell without the date type", 1, recordText(date), QStringLiteral("2017-03-05")},
        {"date cell, style 4", 1, recordText(date, date, 4), QStringLiteral("2017-3-5")},
        {"date cell, style 8", 1, recordText(date, date, 8), QStringLiteral("17.03.05")},
        {"date and time cell, style 1", 2, recordText(date, date, 1), QStringLiteral("2017-03-06")},
        {"style outside the table keeps the text", 2, recordText(date, date, 12),
         QStringLiteral("2017-03-06 08:00:00")},
        {"text written as a date", 1, recordText(QStringLiteral("文本日期"), date, 2),
         QStringLiteral("2017.03.05")},
        {"blank column name of a text: stored text", 1, recordText(QStringLiteral("  ")),
         QStringLiteral("stored")},
        {"symbol from a column", 2, symbol(ShapeKind::PrintQRBar, QStringLiteral("品名")),
         QStringLiteral("桃")},
        {"blank column name of a symbol is looked up", 1,
         symbol(ShapeKind::PrintBar, QStringLiteral("  ")), {}, Failure::Field},
        {"missing column", 1, recordText(QStringLiteral("单价")), {}, Failure::Field},
        {"column name differing in blanks", 1, recordText(QStringLiteral("品名 ")), {},
         Failure::Field},
        {"text that is no date", 2, recordText(QStringLiteral("文本日期"), date, 0), {},
         Failure::Conversion},
        {"empty date cell", 2, recordText(QStringLiteral("到期"), date, 0), {},
         Failure::Conversion},
        {"record past the last", 3, recordText(QStringLiteral("品名")), {}, Failure::Field},
    };
    const TableRecord record(m_data);
    for (const ValueCase& row : cases) {
        SCOPED_TRACE(row.what);
        m_data.moveTo(row.record);
        switch (row.failure) {
        case Failure::None:
            EXPECT_EQ(printValue(row.shape, &record, QStringLiteral("/")), row.value);
            break;
        case Failure::Field:
            EXPECT_THROW(printValue(row.shape, &record, QStringLiteral("/")), RecordFieldError);
            break;
        case Failure::Conversion:
            EXPECT_THROW(printValue(row.shape, &record, QStringLiteral("/")), ConversionError);
            break;
        }
    }
}

TEST_F(TableRecordTest, AMissingColumnCarriesTheDataModulesMessage)
{
    const TableRecord record(m_data);
    try {
        record.text(QStringLiteral("  "));
        FAIL() << "a blank column name was found";
    } catch (const RecordFieldError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("工作表中找不到列“  ”。"));
    }
    m_data.close();
    EXPECT_THROW(record.dateTime(QStringLiteral("日期")), RecordFieldError);
}

} // namespace

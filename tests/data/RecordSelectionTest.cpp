#include "data/RecordSelection.h"
#include "data/Tdm.h"
#include "model/ConversionError.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {

// The range the record picker writes for the rows the operator selected, and the rows it
// selects when it opens with a range; the two must agree, so that a range written by the
// picker opens it again on the same rows.
TEST(RecordSelection, RangeTextFollowsTheSelectedRows)
{
    const struct {
        QList<int> rows;
        const char* range;
    } cases[] = {
        {{2, 3, 4, 7}, "2-4,7,"},
        {{1, 2, 3, 5}, "1-3,5,"},
        {{5}, "5,"},
        {{7, 2, 4, 3, 3}, "2-4,7,"}, // the order and repeats of a selection do not matter
        {{1, 3, 5}, "1,3,5,"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        const QString range = rangeTextOfRows(c.rows);
        EXPECT_EQ(range, QLatin1StringView(c.range));
        if (!range.isEmpty()) {
            QList<int> sorted = c.rows;
            std::sort(sorted.begin(), sorted.end());
            sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
            EXPECT_EQ(rowsInRange(12, range), sorted) << c.range;
        }
    }
}

TEST(RecordSelection, SelectAllAndPreselection)
{
    EXPECT_EQ(allRowsRangeText(12), QStringLiteral("1-12"));
    EXPECT_EQ(allRowsRangeText(1), QStringLiteral("1-1"));
    EXPECT_EQ(allRowsRangeText(0), QString()); // a sheet without records selects nothing
    EXPECT_EQ(rowsInRange(6, QStringLiteral("1-3,5,")), (QList<int>{1, 2, 3, 5}));
    EXPECT_EQ(rowsInRange(4, QStringLiteral("3-9")), (QList<int>{3, 4})); // rows beyond the sheet
    EXPECT_EQ(rowsInRange(0, QStringLiteral("1-3")), QList<int>{});
    EXPECT_THROW(rowsInRange(3, QStringLiteral("1,,3")), ConversionError);
}

TEST(RecordSelection, ListsTheSheetsRecordsAndClosesTheQuery)
{
    const RecordList list = readRecordList(dm(), testing_support::sourcePath(QStringLiteral("examples/goods.xlsx")),
                                           QStringLiteral("货品"));
    EXPECT_FALSE(dm().isOpen());
    ASSERT_EQ(list.rows.size(), 3);
    EXPECT_EQ(list.fields.size(), list.rows[0].size());
    EXPECT_EQ(list.rows[1][1], QStringLiteral("A0002"));
    EXPECT_THROW(readRecordList(dm(), QStringLiteral("/no/such/book.xlsx"), QStringLiteral("货品")), std::exception);
    EXPECT_FALSE(dm().isOpen());
}

} // namespace

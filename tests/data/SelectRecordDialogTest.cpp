#include "data/SelectRecordDialog.h"
#include "model/JobSettings.h"
#include "model/MessageService.h"
#include "support/TestApp.h"
#include "support/WidgetHelpers.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <xlsxwriter.h>

#include <gtest/gtest.h>

namespace {

// A sheet "名单" with the columns 编号 and 品名 and the given number of records.
QString writeBook(const QString& path, int records)
{
    lxw_workbook* book = workbook_new(path.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "名单");
    worksheet_write_string(sheet, 0, 0, "编号", nullptr);
    worksheet_write_string(sheet, 0, 1, "品名", nullptr);
    for (int record = 1; record <= records; ++record) {
        worksheet_write_number(sheet, lxw_row_t(record), 0, record, nullptr);
        worksheet_write_string(sheet, lxw_row_t(record), 1, "  梨 ", nullptr);
    }
    EXPECT_EQ(workbook_close(book), LXW_NO_ERROR);
    return path;
}

class RecordPicker : public ::testing::Test {
protected:
    void open(int records, const QString& range)
    {
        jobSettings().dbName = writeBook(dir.filePath(QStringLiteral("book.xlsx")), records);
        jobSettings().tableName = QStringLiteral("名单");
        picker.setRecordText(range);
        picker.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    }
    void TearDown() override { jobSettings() = JobSettings{}; }

    QTableView* list() { return testing_support::control<QTableView>(&picker, QStringLiteral("ListView1")); }
    QList<int> selectedRows()
    {
        QList<int> rows;
        for (const QModelIndex& index : list()->selectionModel()->selectedRows())
            rows.append(index.row() + 1);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void clickRow(int row)
    {
        QTableView* view = list();
        view->scrollTo(view->model()->index(row - 1, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row - 1, 1)).center());
    }
    void click(const char* name)
    {
        testing_support::clickButton(testing_support::control<QPushButton>(&picker, QString::fromLatin1(name)));
    }

    QTemporaryDir dir;
    RecordingMessageService messages;
    TfrmSelectRecord picker;
};

TEST_F(RecordPicker, ListsTheRecordsWithTheRangePreselected)
{
    open(12, QStringLiteral("1-3,5,"));
    EXPECT_EQ(list()->model()->rowCount(), 12);
    EXPECT_EQ(list()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("序号"));
    EXPECT_EQ(list()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("品名"));
    EXPECT_EQ(list()->model()->index(6, 0).data().toString(), QStringLiteral("7"));
    EXPECT_EQ(list()->model()->index(6, 2).data().toString(), QStringLiteral("梨"));
    EXPECT_EQ(selectedRows(), (QList<int>{1, 2, 3, 5}));
    EXPECT_EQ(picker.recordText(), QStringLiteral("1-3,5,"));
    EXPECT_TRUE(list()->hasFocus());
}

// Each click adds a row or takes it away, as the list's own multiple selection does, and the
// range text follows.
TEST_F(RecordPicker, ClicksSelectRowsAndTheRangeFollows)
{
    open(12, QStringLiteral("1"));
    click("btnUnSelectAll");
    EXPECT_EQ(picker.recordText(), QString());
    for (int row : {2, 3, 4, 7, 9, 9})
        clickRow(row);
    EXPECT_EQ(picker.recordText(), QStringLiteral("2-4,7,"));
    click("btnSelectAll");
    EXPECT_EQ(selectedRows().size(), 12);
    EXPECT_EQ(picker.recordText(), QStringLiteral("1-12"));
}

TEST_F(RecordPicker, EmptySheetsAndBadRangesSelectNothing)
{
    open(0, QStringLiteral("1,,3"));
    click("btnSelectAll");
    EXPECT_EQ(picker.recordText(), QString());
    picker.hide();

    open(4, QStringLiteral("1,,3"));
    EXPECT_EQ(list()->model()->rowCount(), 4);
    EXPECT_TRUE(selectedRows().isEmpty());
    ASSERT_EQ(messages.messages.size(), 1); // the range could not be read: the operator is told
}

} // namespace

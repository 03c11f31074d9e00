#include "GoodsBook.h"

#ifdef MARLUNE_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace testing_support {

#ifdef MARLUNE_HAVE_XLSXWRITER

bool canWriteWorkbooks()
{
    return true;
}

QString writeGoodsBook(const QString& path)
{
    lxw_workbook* book = workbook_new(path.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "货品");
    lxw_format* date = workbook_add_format(book);
    format_set_num_format(date, "yyyy-mm-dd");
    lxw_format* dateTime = workbook_add_format(book);
    format_set_num_format(dateTime, "yyyy-mm-dd hh:mm");

    const char* headings[] = {"品名", "日期", "文本日期", "数量", "到期"};
    for (lxw_col_t column = 0; column < 5; ++column)
        worksheet_write_string(sheet, 0, column, headings[column], nullptr);
    lxw_datetime march5{2017, 3, 5, 0, 0, 0};
    lxw_datetime march6{2017, 3, 6, 8, 0, 0};
    lxw_datetime expiry{2018, 1, 31, 0, 0, 0};
    worksheet_write_string(sheet, 1, 0, "梨", nullptr);
    worksheet_write_datetime(sheet, 1, 1, &march5, date);
    worksheet_write_string(sheet, 1, 2, "2017/3/5", nullptr);
    worksheet_write_number(sheet, 1, 3, 12.5, nullptr);
    worksheet_write_datetime(sheet, 1, 4, &expiry, date);
    worksheet_write_string(sheet, 2, 0, "桃", nullptr);
    worksheet_write_datetime(sheet, 2, 1, &march6, dateTime);
    worksheet_write_string(sheet, 2, 2, "春天", nullptr);
    worksheet_write_number(sheet, 2, 3, 3, nullptr);
    EXPECT_EQ(workbook_close(book), LXW_NO_ERROR);
    return path;
}

#else

bool canWriteWorkbooks()
{
    return false;
}

QString writeGoodsBook(const QString& path)
{
    return path;
}

#endif

} // namespace testing_support

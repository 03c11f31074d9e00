#pragma once

#include <QString>

#include <gtest/gtest.h>

namespace testing_support {

// Whether this build can write workbooks: libxlsxwriter was found when it was configured.
bool canWriteWorkbooks();

// Ends the test as skipped when no workbook can be written for it.
#define SKIP_WITHOUT_WORKBOOK_WRITER()                                                             \
    if (!testing_support::canWriteWorkbooks())                                                     \
    GTEST_SKIP() << "libxlsxwriter is not installed: no workbook can be written for this test"

// Writes a workbook with one sheet "货品" as an operator fills it for variable labels:
//   品名 | 日期 (date cell) | 文本日期 (text) | 数量 | 到期 (date cell)
//   梨   | 2017-03-05       | 2017/3/5        | 12.5 | 2018-01-31
//   桃   | 2017-03-06 08:00 | 春天            | 3    | (empty)
// Returns path; without libxlsxwriter nothing is written (see SKIP_WITHOUT_WORKBOOK_WRITER).
QString writeGoodsBook(const QString& path);

} // namespace testing_support

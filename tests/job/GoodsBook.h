#pragma once

#include <QString>

namespace testing_support {

// Writes a workbook with one sheet "货品" as an operator fills it for variable labels:
//   品名 | 日期 (date cell) | 文本日期 (text) | 数量 | 到期 (date cell)
//   梨   | 2017-03-05       | 2017/3/5        | 12.5 | 2018-01-31
//   桃   | 2017-03-06 08:00 | 春天            | 3    | (empty)
// Returns path.
QString writeGoodsBook(const QString& path);

} // namespace testing_support

#pragma once

#include "data/CellValue.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace xlsx {

// How a number cell of a number format reads: CellKind::Number, Date, Time or DateTime.
CellKind numberFormatKind(int builtInId);
CellKind numberFormatKind(QStringView formatCode);

// For every cell format (<cellXfs><xf>, the index a cell's s attribute holds), what its
// number format makes of a number.
QList<CellKind> readCellFormatKinds(const QByteArray& part, const QString& workbook,
                                    const QString& partName);

} // namespace xlsx

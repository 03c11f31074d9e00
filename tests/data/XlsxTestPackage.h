#pragma once

#include "data/SheetTable.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// Workbooks made inside the tests.
namespace testing_support {

// Writes a zip package holding exactly the given parts (name → content).
void writeZip(const QString& path, const QMap<QString, QByteArray>& parts);
// All parts of a zip package, for changing one and writing the package again.
QMap<QString, QByteArray> readZip(const QString& path);

// The smallest workbook around one worksheet part: content types, package and workbook
// relationships, a workbook naming the sheet, and the parts given in extra.
QMap<QString, QByteArray> minimalPackage(const QByteArray& sheetXml,
                                         const QString& sheetName = QStringLiteral("Sheet1"),
                                         const QByteArray& sheetTarget = "worksheets/sheet1.xml");

// A worksheet part whose <sheetData> holds rows.
QByteArray worksheet(const QByteArray& rows);

// The rows of a sheet as the spreadsheet shows their cells.
QList<QStringList> sheetTexts(const SheetRows& rows);

} // namespace testing_support

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct JobSettings;
struct SheetTable;

// The data source dialog as the operator filled it: the workbook's path, the sheets found
// in it and the sheet chosen (empty for none).
struct DataSourceForm {
    QString fileName;
    QStringList sheets;
    QString sheet;

    friend bool operator==(const DataSourceForm&, const DataSourceForm&) = default;
};

// What the dialog shows when it opens: the workbook and sheet of the job settings with the
// workbook's sheets, or an empty form while either is missing. Opening changes no setting,
// so a source half set up survives a look at the dialog followed by "取消".
DataSourceForm dataSourceShown(const JobSettings& settings);

// The workbooks the browse button takes: the name ends in ".xls", ".xlsx", ".ods" (an
// OpenDocument spreadsheet) or ".csv" (comma-separated values), lower case.
bool isWorkbookFileName(const QString& path);
QString notAWorkbookMessage();

// Why "确定" cannot close the dialog (the message the operator sees), or an empty string.
QString dataSourceFormProblem(const DataSourceForm& form);

// Stores a confirmed form in the job settings: no workbook turns spreadsheet printing off
// and forgets the source; otherwise the workbook and its sheet are stored together. Call
// only when dataSourceFormProblem is empty.
void applyDataSource(const DataSourceForm& form, JobSettings& settings);

// The width of each grid column in characters: the length in bytes of its value in the
// first row (a byte being as wide as a narrow character), 0 without rows.
QList<int> gridColumnCharacters(const SheetTable& table);

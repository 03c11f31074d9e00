#pragma once

#include "data/SheetTable.h"

#include <QDateTime>
#include <QStringList>

#include <optional>

// The data module: the program's one connection to a workbook and its one query on a
// sheet. Every user re-points it with SetConnectionForFile before use, so uses never
// overlap; all of it runs on the main thread.
//
// Reading records (the jobs and the variable data):
//   dm().openQuery(book, sheet);           // throws DataSourceError
//   for (dm().first(); !dm().atEnd(); dm().next())
//       use(dm().fieldText("批号"), dm().fieldDateTime("日期"));
//   dm().close();
class Tdm {
public:
    // The operations the dialogs and jobs call by these names. Those that report errors
    // themselves show the error's message in a plain message box (caption "Marlune").
    void SetConnectionForFile(const QString& path);
    void ListTables(const QString& path, QStringList& list);
    void OpenTable(const QString& path, const QString& sheet);
    void ListFields(const QString& path, const QString& sheet, QStringList& list);
    int RecordCount(const QString& path, const QString& sheet); // throws DataSourceError
    static bool InRange(int n, const QString& text);

    QString connectionString() const { return m_connectionString; }

    // OpenTable without the message box: the query is open afterwards, at its first record.
    void openQuery(const QString& path, const QString& sheet);
    void close();
    bool isOpen() const { return m_table.has_value(); }

    // The open query (empty when closed).
    QStringList fieldNames() const;
    int recordCount() const;
    const SheetTable* table() const { return m_table ? &*m_table : nullptr; }

    // Walking the records; recordNumber() counts from 1.
    void first() { m_current = 0; }
    void next() { ++m_current; }
    bool atEnd() const { return m_current >= recordCount(); }
    int recordNumber() const { return m_current + 1; }
    void moveTo(int recordNumber) { m_current = recordNumber - 1; }

    // A field of the current record by column name. Throws DataSourceError when no query
    // is open, the column does not exist or the query stands past its last record.
    QString fieldText(const QString& column) const;
    // The field as a moment: date and time cells, numbers as day counts, text in the
    // "yyyy-MM-dd[ HH:mm:ss]" form. An empty field gives an invalid QDateTime; anything
    // else raises ConversionError.
    QDateTime fieldDateTime(const QString& column) const;

private:
    const CellValue& field(const QString& column) const;

    QString m_connectionString;
    std::optional<SheetTable> m_table;
    int m_current = 0;
};

// The one data module of the program.
Tdm& dm();

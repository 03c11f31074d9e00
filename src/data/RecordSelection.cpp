#include "data/RecordSelection.h"

#include "data/InRange.h"
#include "data/Tdm.h"

#include <QScopeGuard>

#include <algorithm>

RecordList readRecordList(Tdm& data, const QString& book, const QString& sheet)
{
    const auto closeQuery = qScopeGuard([&data] { data.close(); });
    data.SetConnectionForFile(book);
    data.openQuery(book, sheet);
    RecordList list;
    list.fields = data.fieldNames();
    const SheetTable& table = *data.table();
    list.rows.reserve(table.records.size());
    for (qsizetype record = 0; record < table.records.size(); ++record) {
        QStringList texts;
        texts.reserve(list.fields.size());
        for (qsizetype field = 0; field < list.fields.size(); ++field)
            texts.append(table.cell(int(record), int(field)).displayText().trimmed());
        list.rows.append(texts);
    }
    return list;
}

QString rangeTextOfRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QString text;
    for (qsizetype first = 0; first < rows.size();) {
        qsizetype last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        text += rows[first] == rows[last] ? QStringLiteral("%1,").arg(rows[first])
                                          : QStringLiteral("%1-%2,").arg(rows[first]).arg(rows[last]);
        first = last + 1;
    }
    return text;
}

QString allRowsRangeText(int count)
{
    return count > 0 ? QStringLiteral("1-%1").arg(count) : QString();
}

QList<int> rowsInRange(int count, const QString& range)
{
    QList<int> rows;
    for (int row = 1; row <= count; ++row) {
        if (InRange(row, range))
            rows.append(row);
    }
    return rows;
}

#pragma once

#include "data/SheetTable.h"

#include <QAbstractTableModel>

// A sheet shown in a grid: its column names as headers, its records as rows of text, as
// the spreadsheet's user sees the values. The model keeps its own copy, so the grid stays
// valid when the data module closes its query.
class SheetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The sheet to show; an empty table shows nothing.
    void show(const SheetTable& table);
    const SheetTable& table() const { return m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    SheetTable m_table;
};

#include "data/SheetTableModel.h"

void SheetTableModel::show(const SheetTable& table)
{
    beginResetModel();
    m_table = table;
    endResetModel();
}

int SheetTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.records.size());
}

int SheetTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.fieldNames.size());
}

QVariant SheetTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return m_table.cell(index.row(), index.column()).displayText();
}

QVariant SheetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return m_table.fieldNames.value(section);
}

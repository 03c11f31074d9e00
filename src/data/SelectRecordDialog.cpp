#include "data/SelectRecordDialog.h"

#include "data/RecordSelection.h"
#include "data/Tdm.h"
#include "model/JobSettings.h"
#include "model/MessageError.h"
#include "model/MessageService.h"

#include <QAbstractTableModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>

// The records as the list shows them: the record number first, then one column per field.
// A model rather than one item per cell, so that a sheet of many thousand records opens at
// once.
class RecordTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRecords(RecordList records)
    {
        beginResetModel();
        m_records = std::move(records);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_records.rows.size());
    }

    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_records.fields.size()) + 1;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        if (index.column() == 0)
            return QString::number(index.row() + 1);
        return m_records.rows.at(index.row()).value(index.column() - 1);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return section == 0 ? TfrmSelectRecord::tr("序号") : m_records.fields.value(section - 1);
    }

private:
    RecordList m_records;
};

namespace {

constexpr int kNumberWidth = 50;
constexpr int kFieldWidth = 120;

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

TfrmSelectRecord::TfrmSelectRecord(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSelectRecord"));
    setWindowTitle(tr("选择记录"));
    resize(640, 420);

    m_model = new RecordTableModel(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setAccessibleName(tr("记录"));
    m_list->setModel(m_model);
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Every click adds a row to the selection or takes it away, without a key held.
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmSelectRecord::ListView1SelectionChange);

    m_range = new QLineEdit(this);
    m_range->setObjectName(QStringLiteral("txtRecord"));
    m_range->setReadOnly(true);
    m_range->setEnabled(false);
    auto* rangeCaption = new QLabel(tr("所选择记录"), this);
    rangeCaption->setBuddy(m_range);

    auto* selectAll = button(QStringLiteral("btnSelectAll"), tr("全选"), this);
    auto* unselectAll = button(QStringLiteral("btnUnSelectAll"), tr("取消全选"), this);
    auto* ok = button(QStringLiteral("btnOk"), tr("确定"), this);
    auto* cancel = button(QStringLiteral("btnCancel"), tr("取消"), this);
    connect(selectAll, &QPushButton::clicked, this, &TfrmSelectRecord::btnSelectAllClick);
    connect(unselectAll, &QPushButton::clicked, this, &TfrmSelectRecord::btnUnSelectAllClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0, 1, 6);
    layout->addWidget(selectAll, 1, 0);
    layout->addWidget(unselectAll, 1, 1);
    layout->addWidget(rangeCaption, 1, 2);
    layout->addWidget(m_range, 1, 3);
    layout->addWidget(ok, 1, 4);
    layout->addWidget(cancel, 1, 5);
    layout->setColumnStretch(3, 1);
}

TfrmSelectRecord::~TfrmSelectRecord() = default;

void TfrmSelectRecord::setRecordText(const QString& range)
{
    m_range->setText(range);
}

QString TfrmSelectRecord::recordText() const
{
    return m_range->text();
}

void TfrmSelectRecord::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmSelectRecord::FormShow()
{
    const JobSettings& settings = jobSettings();
    m_selecting = true;
    m_model->setRecords({});
    try {
        m_model->setRecords(readRecordList(dm(), settings.dbName, settings.tableName));
        m_list->setColumnWidth(0, kNumberWidth);
        for (int column = 1; column < m_model->columnCount(); ++column)
            m_list->setColumnWidth(column, kFieldWidth);
        if (!recordText().isEmpty())
            selectRows(rowsInRange(m_model->rowCount(), recordText()));
    } catch (const MessageError& error) {
        showMessage(QStringLiteral("Marlune"), error.message(), MessageIcon::Error);
    }
    m_selecting = false;
    m_list->setFocus();
}

void TfrmSelectRecord::selectRows(const QList<int>& rows)
{
    // One range per run of rows: "1-5000" selects in one step, not in five thousand.
    QItemSelection selection;
    const int lastColumn = m_model->columnCount() - 1;
    for (qsizetype first = 0; first < rows.size();) {
        qsizetype last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        selection.select(m_model->index(rows[first] - 1, 0), m_model->index(rows[last] - 1, lastColumn));
        first = last + 1;
    }
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TfrmSelectRecord::ListView1SelectionChange()
{
    if (m_selecting)
        return;
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.append(index.row() + 1);
    m_range->setText(rangeTextOfRows(rows));
}

void TfrmSelectRecord::btnSelectAllClick()
{
    m_selecting = true;
    m_list->selectAll();
    m_selecting = false;
    m_range->setText(allRowsRangeText(m_model->rowCount()));
    m_list->setFocus();
}

void TfrmSelectRecord::btnUnSelectAllClick()
{
    m_selecting = true;
    m_list->clearSelection();
    m_selecting = false;
    m_range->clear();
    m_list->setFocus();
}

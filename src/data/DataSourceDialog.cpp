#include "data/DataSourceDialog.h"

#include "data/SheetTableModel.h"
#include "data/Tdm.h"
#include "files/FileChooser.h"
#include "model/JobSettings.h"
#include "model/MessageService.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Room beside a column's text, as a grid leaves on both sides.
constexpr int cellMargin = 8;

} // namespace

TfrmDBSet::TfrmDBSet(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDBSet"));
    setWindowTitle(tr("数据库设置"));
    resize(640, 420);

    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("txtFileName"));
    auto* fileCaption = new QLabel(tr("文件名"), this);
    fileCaption->setBuddy(m_fileName);
    auto* browse = new QPushButton(tr("浏览..."), this);
    browse->setObjectName(QStringLiteral("btnSelectFile"));
    m_sheets = new QComboBox(this);
    m_sheets->setObjectName(QStringLiteral("cbTableName"));
    m_sheets->setMinimumContentsLength(16);
    auto* sheetCaption = new QLabel(tr("表  名"), this);
    sheetCaption->setBuddy(m_sheets);

    m_rows = new SheetTableModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setAccessibleName(tr("工作表内容"));
    m_grid->setModel(m_rows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setShowGrid(true);

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));

    connect(browse, &QPushButton::clicked, this, guarded([this] { btnSelectFileClick(); }));
    connect(m_sheets, &QComboBox::activated, this, guarded([this] { cbTableNameChange(); }));
    connect(ok, &QPushButton::clicked, this, guarded([this] { btnOkClick(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* source = new QGridLayout;
    source->addWidget(fileCaption, 0, 0);
    source->addWidget(m_fileName, 0, 1);
    source->addWidget(browse, 0, 2);
    source->addWidget(sheetCaption, 1, 0);
    source->addWidget(m_sheets, 1, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
}

int TfrmDBSet::exec()
{
    FormShow();
    return QDialog::exec();
}

void TfrmDBSet::done(int result)
{
    m_rows->show({});
    dm().close();
    QDialog::done(result);
}

void TfrmDBSet::FormShow()
{
    const DataSourceForm shown = dataSourceShown(jobSettings());
    m_fileName->setText(shown.fileName);
    showSheets(shown.sheets, shown.sheet);
    // A sheet the workbook no longer has is reported by the data module, once the workbook
    // itself could be read.
    if (!shown.sheets.isEmpty())
        dm().OpenTable(shown.fileName, jobSettings().tableName);
    showTable();
}

DataSourceForm TfrmDBSet::form() const
{
    QStringList sheets;
    for (int index = 0; index < m_sheets->count(); ++index)
        sheets.append(m_sheets->itemText(index));
    return {m_fileName->text(), sheets, m_sheets->currentText()};
}

void TfrmDBSet::btnSelectFileClick()
{
    const QString current = m_fileName->text().trimmed();
    const QString folder = current.isEmpty() ? documentsFolder() : QFileInfo(current).absolutePath();
    const QString chosen = fileChooser().choose(
        {FileChoice::Mode::Open,
         QStringLiteral("XLS files (*.xls)|*.xls|XLSX files (*.xlsx)|*.xlsx|ODS files (*.ods)|*.ods|CSV files (*.csv)|*.csv"
                        "|All files (*.*)|*.*"),
         QStringLiteral(".xls"), folder});
    if (!chosen.isEmpty())
        workbookChosen(chosen);
}

void TfrmDBSet::workbookChosen(const QString& path)
{
    m_fileName->setText(path);
    // The sheets and rows shown belong to the workbook named above them: a workbook that
    // cannot be read leaves none to choose, and "确定" then asks for a sheet.
    showSheets({}, {});
    dm().close();
    showTable();
    if (!isWorkbookFileName(path)) {
        tell(notAWorkbookMessage());
        return;
    }
    QStringList sheets;
    dm().ListTables(path, sheets);
    showSheets(sheets, {});
}

void TfrmDBSet::cbTableNameChange()
{
    dm().OpenTable(m_fileName->text(), m_sheets->currentText());
    showTable();
}

void TfrmDBSet::btnOkClick()
{
    const DataSourceForm confirmed = form();
    const QString problem = dataSourceFormProblem(confirmed);
    if (!problem.isEmpty()) {
        tell(problem);
        return;
    }
    applyDataSource(confirmed, jobSettings());
    accept();
}

void TfrmDBSet::showSheets(const QStringList& sheets, const QString& chosen)
{
    m_sheets->clear();
    m_sheets->addItems(sheets);
    m_sheets->setCurrentIndex(chosen.isEmpty() ? -1 : m_sheets->findText(chosen));
}

// The open query's rows, each column as wide as its value in the first row (never narrower
// than its name), or an empty grid when no sheet is open.
void TfrmDBSet::showTable()
{
    m_rows->show(dm().table() ? *dm().table() : SheetTable{});
    const QFontMetrics metrics(m_grid->font());
    const QList<int> characters = gridColumnCharacters(m_rows->table());
    QHeaderView* header = m_grid->horizontalHeader();
    for (int column = 0; column < characters.size(); ++column) {
        const int text = characters[column] * metrics.horizontalAdvance(QLatin1Char('0')) + cellMargin;
        header->resizeSection(column, std::max(text, header->sectionSizeHint(column)));
    }
}

void TfrmDBSet::tell(const QString& text)
{
    messageService().show({tr("提示"), text, MessageIcon::Information, MessageButtons::Ok, this});
}

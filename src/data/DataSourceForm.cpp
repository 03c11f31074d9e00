#include "data/DataSourceForm.h"

#include "data/SheetTable.h"
#include "data/Tdm.h"
#include "model/JobSettings.h"
#include "model/TextCodec.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace {

class DataSourceText {
    Q_DECLARE_TR_FUNCTIONS(TfrmDBSet)
};

} // namespace

DataSourceForm dataSourceShown(const JobSettings& settings)
{
    if (settings.dbName.isEmpty() || settings.tableName.isEmpty())
        return {};
    DataSourceForm form;
    form.fileName = settings.dbName;
    dm().ListTables(settings.dbName, form.sheets);
    // A sheet the workbook no longer has is not chosen; the setting keeps it until "确定".
    if (form.sheets.contains(settings.tableName))
        form.sheet = settings.tableName;
    return form;
}

bool isWorkbookFileName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    static const char16_t* const extensions[] = {u".xls", u".xlsx", u".ods", u".csv"};
    return std::any_of(std::begin(extensions), std::end(extensions), [&name](const char16_t* extension) {
        return name.endsWith(QStringView(extension), Qt::CaseSensitive);
    });
}

QString notAWorkbookMessage()
{
    return DataSourceText::tr("选择的文件必须是excel文件！");
}

QString dataSourceFormProblem(const DataSourceForm& form)
{
    if (!form.fileName.trimmed().isEmpty() && form.sheet.trimmed().isEmpty())
        return DataSourceText::tr("请先选择表！");
    return {};
}

void applyDataSource(const DataSourceForm& form, JobSettings& settings)
{
    if (form.fileName.trimmed().isEmpty()) {
        settings.ifDBPrint = 0;
        settings.dbName.clear();
        settings.tableName.clear();
        return;
    }
    settings.dbName = form.fileName;
    settings.tableName = form.sheet;
}

QList<int> gridColumnCharacters(const SheetTable& table)
{
    QList<int> widths;
    for (int field = 0; field < table.fieldNames.size(); ++field) {
        const QString first = table.records.isEmpty() ? QString() : table.cell(0, field).displayText();
        widths.append(static_cast<int>(gbk::byteLength(first)));
    }
    return widths;
}

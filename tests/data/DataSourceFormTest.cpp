#include "data/DataSourceForm.h"
#include "data/SheetTable.h"
#include "model/JobSettings.h"
#include "model/MessageService.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {

QString goods()
{
    return testing_support::sourcePath(QStringLiteral("examples/goods.xlsx"));
}

JobSettings sourceOf(const QString& book, const QString& sheet)
{
    JobSettings settings;
    settings.ifDBPrint = 1;
    settings.dbName = book;
    settings.tableName = sheet;
    return settings;
}

} // namespace

TEST(DataSourceForm, OpeningShowsTheSourceAndChangesNoSetting)
{
    RecordingMessageService messages;
    const QStringList sheets{QStringLiteral("货品")};
    const struct {
        const char* name;
        QString book;
        QString sheet;
        DataSourceForm shown;
    } cases[] = {
        {"both set", goods(), QStringLiteral("货品"), {goods(), sheets, QStringLiteral("货品")}},
        {"a sheet the workbook lost", goods(), QStringLiteral("旧表"), {goods(), sheets, {}}},
        // Half a source was once cleared by a mere look at the dialog.
        {"no sheet", goods(), {}, {}},
        {"no workbook", {}, QStringLiteral("货品"), {}},
    };
    for (const auto& c : cases) {
        const JobSettings settings = sourceOf(c.book, c.sheet);
        JobSettings after = settings;
        EXPECT_EQ(dataSourceShown(after), c.shown) << c.name;
        EXPECT_EQ(after, settings) << c.name;
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST(DataSourceForm, ConfirmingStoresTheWorkbookOnlyWithItsSheet)
{
    const struct {
        const char* name;
        const char* file;
        const char* sheet;
        const char* problem;
        const char* dbName;    // after "确定" closed the dialog, or as before when it stayed open
        const char* tableName;
        int ifDBPrint;
    } cases[] = {
        {"workbook and sheet", "/data/b.xls", "Sheet1", "", "/data/b.xls", "Sheet1", 1},
        {"workbook without a sheet", "/data/b.xls", " ", "请先选择表！", "/old.xls", "旧表", 1},
        {"no workbook forgets the source", "  ", "Sheet1", "", "", "", 0},
        {"nothing chosen forgets the source", "", "", "", "", "", 0},
    };
    for (const auto& c : cases) {
        JobSettings settings = sourceOf(QStringLiteral("/old.xls"), QStringLiteral("旧表"));
        const DataSourceForm form{QString::fromUtf8(c.file), {}, QString::fromUtf8(c.sheet)};
        const QString problem = dataSourceFormProblem(form);
        EXPECT_EQ(problem, QString::fromUtf8(c.problem)) << c.name;
        if (problem.isEmpty())
            applyDataSource(form, settings);
        EXPECT_EQ(settings.dbName, QString::fromUtf8(c.dbName)) << c.name;
        EXPECT_EQ(settings.tableName, QString::fromUtf8(c.tableName)) << c.name;
        EXPECT_EQ(settings.ifDBPrint, c.ifDBPrint) << c.name;
    }
}

TEST(DataSourceForm, BrowsingTakesLowerCaseWorkbookNamesOnly)
{
    const struct {
        const char* path;
        bool workbook;
    } cases[] = {{"/d/a.xls", true}, {"/d/a.xlsx", true}, {"/d/A.XLS", false}, {"/d/a.xlsm", false},
                 {"/d/a.ods", true}, {"/d/名单.csv", true}, {"/d/a.CSV", false}, {"/d/a.fods", false},
                 {"/d/a.xls/", false}, {"/d/xls", false}, {"/d/.xls", true}};
    for (const auto& c : cases)
        EXPECT_EQ(isWorkbookFileName(QString::fromUtf8(c.path)), c.workbook) << c.path;
}

TEST(DataSourceForm, GridColumnsAreAsWideAsTheFirstRowsBytes)
{
    const SheetTable table = SheetTable::fromRows({
        {CellValue::fromText(QStringLiteral("品名")), CellValue::fromText(QStringLiteral("数量")),
         CellValue::fromText(QStringLiteral("备注"))},
        {CellValue::fromText(QStringLiteral("绿茶 250g")), CellValue::fromNumber(12.5)},
        {CellValue::fromText(QStringLiteral("a much longer second row")), CellValue::fromNumber(1)},
    });
    EXPECT_EQ(gridColumnCharacters(table), (QList<int>{9, 4, 0}));
    EXPECT_EQ(gridColumnCharacters(SheetTable::fromRows({{CellValue::fromText(QStringLiteral("品名"))}})),
              (QList<int>{0}));
}

#include "data/Tdm.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

namespace {

constexpr int kXlsxRows = 100'000;
constexpr int kXlsRows = 65'000;
constexpr int kColumns = 10;

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A data sheet the way label runs use them: a heading row, then text and number columns
// with one date column, 100,000 records of 10 fields.
QString largeXlsx()
{
    static const QString path = [] {
        const QString file = workDir().filePath(QStringLiteral("large.xlsx"));
        lxw_workbook* book = workbook_new(file.toUtf8().constData());
        lxw_worksheet* sheet = workbook_add_worksheet(book, "data");
        lxw_format* date = workbook_add_format(book);
        format_set_num_format(date, "yyyy-mm-dd");
        for (int column = 0; column < kColumns; ++column)
            worksheet_write_string(sheet, 0, lxw_col_t(column),
                                   QStringLiteral("列%1").arg(column + 1).toUtf8().constData(),
                                   nullptr);
        for (int row = 1; row <= kXlsxRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                if (column == 9)
                    worksheet_write_number(sheet, lxw_row_t(row), 9, 45000 + row % 1000, date);
                else if (column % 2)
                    worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column),
                                           row * 10.0 + column, nullptr);
                else
                    worksheet_write_string(
                        sheet, lxw_row_t(row), lxw_col_t(column),
                        QStringLiteral("批号%1-%2").arg(row).arg(column).toUtf8().constData(),
                        nullptr);
            }
        }
        return workbook_close(book) == LXW_NO_ERROR ? file : QString();
    }();
    return path;
}

// The binary workbook comes from the fixture script (Debian package python3-xlwt).
QString largeXls()
{
    static const QString path = [] {
        const QString file = workDir().filePath(QStringLiteral("large.xls"));
        const int status = QProcess::execute(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(MARLUNE_SOURCE_DIR "/tests/fixtures/make_xls_fixtures.py"),
             QStringLiteral("bench"), file, QString::number(kXlsRows)});
        return status == 0 ? file : QString();
    }();
    return path;
}

// Opens the sheet and reads every field of every record as text, as a label run does.
void openAndWalk(benchmark::State& state, const QString& path)
{
    if (path.isEmpty()) {
        state.SkipWithError("the workbook could not be made");
        return;
    }
    qint64 fields = 0;
    for (auto _ : state) {
        Tdm& module = dm();
        module.openQuery(path, QStringLiteral("data"));
        const SheetTable& table = *module.table();
        for (int record = 0; record < table.records.size(); ++record) {
            for (int field = 0; field < table.fieldNames.size(); ++field) {
                const QString text = table.cell(record, field).displayText();
                benchmark::DoNotOptimize(text.constData());
                ++fields;
            }
        }
        module.close();
    }
    state.counters["fields"] = benchmark::Counter(double(fields), benchmark::Counter::kIsRate);
}

void BM_OpenWalkXlsx100k(benchmark::State& state)
{
    openAndWalk(state, largeXlsx());
}
BENCHMARK(BM_OpenWalkXlsx100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenWalkXls65k(benchmark::State& state)
{
    openAndWalk(state, largeXls());
}
BENCHMARK(BM_OpenWalkXls65k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The yardstick: the xlsx2csv program (Debian package xlsx2csv) converting the same
// workbook. Our reader should be at least ten times faster.
void BM_Xlsx2csvSameXlsx(benchmark::State& state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xlsx2csv"));
    if (program.isEmpty()) {
        state.SkipWithError("xlsx2csv is not installed: no comparison");
        return;
    }
    const QString path = largeXlsx();
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, {path});
        if (!process.waitForFinished(-1) || process.exitCode() != 0) {
            state.SkipWithError("xlsx2csv failed");
            return;
        }
    }
}
BENCHMARK(BM_Xlsx2csvSameXlsx)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

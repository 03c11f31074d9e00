#include "data/XlsWorkbook.h"

#include "data/DataSourceError.h"

#include <QFile>
#include <QFileInfo>

#include <freexl.h>

namespace {

CellValue dateCell(const char* text, const QString& format, CellKind kind)
{
    QDateTime moment = QDateTime::fromString(QString::fromUtf8(text), format);
    if (kind == CellKind::Time) {
        const QTime time = QTime::fromString(QString::fromUtf8(text), format);
        moment = time.isValid() ? QDateTime(QDate(1899, 12, 30), time) : QDateTime();
    }
    if (!moment.isValid())
        return CellValue::fromText(QString::fromUtf8(text));
    return CellValue::fromDayCount(dayCountFromDateTime(moment), kind);
}

CellValue cellValue(const FreeXL_CellValue& value)
{
    switch (value.type) {
    case FREEXL_CELL_INT:
        return CellValue::fromNumber(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return CellValue::fromNumber(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return value.value.text_value ? CellValue::fromText(QString::fromUtf8(value.value.text_value))
                                      : CellValue();
    case FREEXL_CELL_DATE:
        return dateCell(value.value.text_value, QStringLiteral("yyyy-MM-dd"), CellKind::Date);
    case FREEXL_CELL_DATETIME:
        return dateCell(value.value.text_value, QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                        CellKind::DateTime);
    case FREEXL_CELL_TIME:
        return dateCell(value.value.text_value, QStringLiteral("HH:mm:ss"), CellKind::Time);
    default:
        return {};
    }
}

} // namespace

XlsWorkbook::XlsWorkbook(const QString& path)
    : m_path(path)
{
    if (QFileInfo(path).size() > kMaxFileBytes)
        throw DataSourceError(QStringLiteral("工作簿“%1”太大（超过 %2 MB），无法读取。")
                                  .arg(path)
                                  .arg(kMaxFileBytes >> 20));
    const int opened = freexl_open(QFile::encodeName(path).constData(), &m_handle);
    // A failed open has already released what it took; the handle is not to be touched.
    if (opened != FREEXL_OK) {
        m_handle = nullptr;
        fail(opened);
    }
    unsigned int password = FREEXL_BIFF_PLAIN;
    unsigned int sheets = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_PASSWORD, &password) != FREEXL_OK
        || freexl_get_info(m_handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK) {
        freexl_close(m_handle);
        fail(FREEXL_BIFF_WORKBOOK_NOT_FOUND);
    }
    if (password == FREEXL_BIFF_OBFUSCATED) {
        freexl_close(m_handle);
        throw DataSourceError(QStringLiteral("工作簿“%1”已加密，无法读取。").arg(path));
    }
    for (unsigned int sheet = 0; sheet < sheets && sheet <= 0xFFFF; ++sheet) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(m_handle, static_cast<unsigned short>(sheet), &name)
                != FREEXL_OK
            || !name) {
            freexl_close(m_handle);
            fail(FREEXL_BIFF_WORKBOOK_NOT_FOUND);
        }
        m_sheetNames.append(QString::fromUtf8(name));
    }
}

XlsWorkbook::~XlsWorkbook()
{
    freexl_close(m_handle);
}

void XlsWorkbook::fail(int code) const
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        throw DataSourceError(QStringLiteral("找不到文件“%1”。").arg(m_path));
    case FREEXL_INSUFFICIENT_MEMORY:
        throw DataSourceError(QStringLiteral("工作簿“%1”太大，内存不足，无法读取。").arg(m_path));
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
    case FREEXL_INVALID_CFBF_HEADER:
        throw DataSourceError(
            QStringLiteral("文件“%1”不是Excel工作簿，或已加密，无法读取。").arg(m_path));
    default:
        throw DataSourceError(
            QStringLiteral("工作簿“%1”已损坏，无法读取（FreeXL 错误 %2）。").arg(m_path).arg(code));
    }
}

QStringList XlsWorkbook::sheetNames() const
{
    return m_sheetNames;
}

SheetRows XlsWorkbook::readSheet(int index)
{
    int result = freexl_select_active_worksheet(m_handle, static_cast<unsigned short>(index));
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (result == FREEXL_OK)
        result = freexl_worksheet_dimensions(m_handle, &rows, &columns);
    if (result != FREEXL_OK)
        fail(result);

    CellBudget budget(m_sheetNames.value(index));
    SheetRows sheet;
    qsizetype lastUsedRow = -1;
    for (unsigned int row = 0; row < rows; ++row) {
        QList<CellValue> cells;
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(m_handle, row, column, &value) != FREEXL_OK)
                continue;
            CellValue cell = cellValue(value);
            if (cell.kind == CellKind::Empty)
                continue;
            budget.spend(column + 1 - cells.size());
            cells.resize(column);
            cells.append(std::move(cell));
        }
        if (!cells.isEmpty())
            lastUsedRow = sheet.size();
        sheet.append(std::move(cells));
    }
    sheet.resize(lastUsedRow + 1);
    return sheet;
}

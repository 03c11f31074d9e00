#include "printer/PrintedSymbols.h"

#include "printer/DotCanvas.h"
#include "printer/ObjectCommands.h"
#include "printer/PrinterText.h"
#include "view/BarcodeTables.h"
#include "view/SymbolCache.h"

#include <zint.h>

#include <array>
#include <vector>

namespace {

// Nothing the printer takes is wider than this many dots per module.
constexpr int kLargestModule = 99;

// A symbol larger than this many dots could never fit a label; only a damaged stream asks
// for one, and it is refused before its dots are made.
constexpr qint64 kLargestSymbolDots = qint64(64) * 1024 * 1024;
constexpr qint64 kLongestSymbolSide = 32767;

bool fitsLabel(qint64 width, qint64 height)
{
    return width <= kLongestSymbolSide && height <= kLongestSymbolSide && width * height <= kLargestSymbolDots;
}

struct SymbolFields {
    QList<QByteArray> fields;
    QByteArray data;
};

// "x,y,type,…=data": the fields before the first "=", and the data after it.
std::optional<SymbolFields> splitSymbol(const QByteArray& body)
{
    const qsizetype equals = body.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return SymbolFields{body.left(equals).split(','), body.mid(equals + 1)};
}

bool isDark(QRgb pixel)
{
    return qAlpha(pixel) != 0;
}

// The bars and spaces of a linear symbol one pixel per module, from its first bar to its
// last: run lengths, a bar first.
std::vector<int> moduleRuns(const QImage& image)
{
    std::vector<int> runs;
    if (image.isNull())
        return runs;
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(0));
    int first = 0;
    int last = image.width() - 1;
    while (first <= last && !isDark(row[first]))
        ++first;
    while (last >= first && !isDark(row[last]))
        --last;
    for (int x = first; x <= last;) {
        const bool dark = isDark(row[x]);
        int run = 0;
        while (x <= last && isDark(row[x]) == dark) {
            ++run;
            ++x;
        }
        runs.push_back(run);
    }
    return runs;
}

DotMask emptyMask(int width, int height)
{
    DotMask mask{width, height, {}};
    mask.dots.assign(static_cast<size_t>(width) * height, 0);
    return mask;
}

void fill(DotMask& mask, int left, int top, int width, int height)
{
    for (int y = top; y < top + height && y < mask.height; ++y)
        std::fill_n(mask.dots.begin() + static_cast<qsizetype>(y) * mask.width + left, qMin(width, mask.width - left), 1);
}

// Bars of the given widths in dots, bars and spaces alternating from a bar, height dots tall.
DotMask barMask(const std::vector<int>& widths, int height)
{
    int length = 0;
    for (const int width : widths)
        length += width;
    DotMask mask = emptyMask(length, height);
    int x = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (i % 2 == 0)
            fill(mask, x, 0, widths[i], height);
        x += widths[i];
    }
    return mask;
}

// A two-dimensional symbol: every module moduleWidth dots wide; each of its rows rowHeight
// dots high (zint draws a PDF417 row several pixels high, a QR or Data Matrix row one).
DotMask matrixMask(const BarcodeSymbol& symbol, int moduleWidth, int rowHeight)
{
    const QImage& image = symbol.image;
    const int rows = symbol.rows > 0 && symbol.rows <= image.height() ? symbol.rows : image.height();
    DotMask mask = emptyMask(image.width() * moduleWidth, rows * rowHeight);
    for (int r = 0; r < rows; ++r) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(r * image.height() / rows));
        for (int c = 0; c < image.width(); ++c) {
            if (isDark(line[c]))
                fill(mask, c * moduleWidth, r * rowHeight, moduleWidth, rowHeight);
        }
    }
    return mask;
}

class SymbolReader {
public:
    SymbolReader(const PrinterCommand& command, int dpi, QList<StreamProblem>& problems)
        : m_command(command)
        , m_dpi(dpi)
        , m_problems(problems)
    {
    }

    std::optional<PrintedSymbol> read()
    {
        const std::optional<SymbolFields> split = splitSymbol(m_command.body);
        if (!split || split->fields.size() < 3)
            return refuse(PrinterText::tr("条码命令的格式不对"));
        m_fields = split->fields;
        m_data = split->data;
        const QByteArray& type = m_fields[2];
        if (type == "T")
            return qrCode();
        if (type == "Q")
            return dataMatrix();
        if (type == "P")
            return pdf417();
        return linear();
    }

private:
    std::optional<PrintedSymbol> refuse(const QString& reason)
    {
        m_problems.append({m_command.offset, m_command.text, reason});
        return std::nullopt;
    }

    // The field at index as a whole number within low … high.
    std::optional<int> number(int index, int low, int high)
    {
        if (index >= m_fields.size())
            return std::nullopt;
        const std::optional<int> value = commandNumber(m_fields[index]);
        return value && *value >= low && *value <= high ? value : std::nullopt;
    }

    bool hasFields(qsizetype count) const { return m_fields.size() == count; }

    std::optional<BarcodeSymbol> encoded(SymbolRequest request)
    {
        request.data = m_data;
        request.showHrt = 0;
        BarcodeSymbol symbol = generateSymbol(request);
        if (symbol.isEmpty()) {
            refuse(PrinterText::tr("条码数据无法按这种码制编码，打印机不会打印这个条码"));
            return std::nullopt;
        }
        return symbol;
    }

    std::optional<PrintedSymbol> tooLarge()
    {
        return refuse(PrinterText::tr("条码大得超出任何标签，没有画出"));
    }

    std::optional<PrintedSymbol> placed(DotMask mask, int rotation, bool turnsBack)
    {
        const std::optional<int> x = number(0, -9999, 99999);
        const std::optional<int> y = number(1, -9999, 99999);
        if (!x || !y)
            return refuse(PrinterText::tr("条码位置不是数字"));
        // Data Matrix and PDF417 codes turn the other way from linear symbols and QR codes
        // for the same rotation code.
        return PrintedSymbol{std::move(mask), QPoint(*x, *y), turnsBack ? (4 - rotation) % 4 : rotation};
    }

    std::optional<PrintedSymbol> matrix(const BarcodeSymbol& symbol, int moduleWidth, int rowHeight, int rotation,
                                        bool turnsBack)
    {
        const int rows = symbol.rows > 0 ? symbol.rows : symbol.image.height();
        if (!fitsLabel(qint64(symbol.image.width()) * moduleWidth, qint64(rows) * rowHeight))
            return tooLarge();
        return placed(matrixMask(symbol, moduleWidth, rowHeight), rotation, turnsBack);
    }

    std::optional<PrintedSymbol> linear()
    {
        const std::optional<LinearSymbolType> type = linearTypeOfCode(m_fields[2]);
        if (!type)
            return refuse(PrinterText::tr("条码类型“%1”未知").arg(QString::fromLatin1(m_fields[2])));
        const int rotationField = type->wideForm ? 9 : 5;
        const int heightField = rotationField + 1;
        const int lineField = type->wideForm ? 12 : 9;
        const std::optional<int> rotation = number(rotationField, 0, 3);
        const std::optional<int> height = number(heightField, 1, 9999);
        if (!hasFields(type->wideForm ? 14 : 11) || !rotation || !height)
            return refuse(PrinterText::tr("条码命令的格式不对"));

        std::vector<int> widths;
        if (type->wideForm) {
            std::array<std::optional<int>, 4> w{number(4, 1, kLargestModule), number(5, 1, kLargestModule),
                                                number(6, 1, kLargestModule), number(7, 1, kLargestModule)};
            if (!w[0] || !w[1] || !w[2] || !w[3])
                return refuse(PrinterText::tr("条码的窄条或宽条宽度不对"));
            SymbolRequest request;
            request.symbology = barSymbology(type->barType);
            const std::optional<BarcodeSymbol> symbol = encoded(request);
            if (!symbol)
                return std::nullopt;
            const std::vector<int> runs = moduleRuns(symbol->image);
            for (size_t i = 0; i < runs.size(); ++i) {
                const bool bar = i % 2 == 0;
                const bool narrow = runs[i] == 1;
                widths.push_back(*w[(bar ? 0 : 1) + (narrow ? 0 : 2)]);
            }
        } else {
            const std::optional<int> module = number(4, 1, kLargestModule);
            if (!module)
                return refuse(PrinterText::tr("条码的模块宽度不对"));
            SymbolRequest request;
            request.symbology = barSymbology(type->barType);
            const std::optional<BarcodeSymbol> symbol = encoded(request);
            if (!symbol)
                return std::nullopt;
            for (const int run : moduleRuns(symbol->image))
                widths.push_back(run * *module);
        }
        qint64 length = 0;
        for (const int width : widths)
            length += width;
        const int barHeight = dotsOf(*height, m_dpi);
        if (!fitsLabel(length, barHeight))
            return tooLarge();
        if (number(lineField, 0, 1).value_or(0) == 1)
            refuse(PrinterText::tr("打印机在条码旁打印的可读字符行用它自己的字体，预览中没有画出"));
        return placed(barMask(widths, barHeight), *rotation, false);
    }

    std::optional<PrintedSymbol> qrCode()
    {
        static const QList<QByteArray> levels{"L", "M", "Q", "H"};
        const std::optional<int> cell = number(4, 1, kLargestModule);
        const std::optional<int> rotation = number(6, 0, 3);
        const qsizetype level = levels.indexOf(m_fields.value(3));
        if (!hasFields(8) || !cell || !rotation || (level < 0 && !m_fields[3].isEmpty()))
            return refuse(PrinterText::tr("QR 码命令的格式不对"));
        SymbolRequest request;
        request.symbology = symbology::QrCode;
        request.option1 = level < 0 ? -1 : int(level) + 1;
        request.option2 = 0;
        const std::optional<BarcodeSymbol> symbol = encoded(request);
        if (!symbol)
            return std::nullopt;
        return matrix(*symbol, *cell, *cell, *rotation, false);
    }

    std::optional<PrintedSymbol> dataMatrix()
    {
        const std::optional<int> cell = number(4, 1, kLargestModule);
        const std::optional<int> rotation = number(6, 0, 3);
        if (!hasFields(7) || !cell || !rotation)
            return refuse(PrinterText::tr("Data Matrix 码命令的格式不对"));
        SymbolRequest request;
        request.symbology = symbology::DataMatrix;
        request.option3 = DM_SQUARE;
        const std::optional<BarcodeSymbol> symbol = encoded(request);
        if (!symbol)
            return std::nullopt;
        return matrix(*symbol, *cell, *cell, *rotation, true);
    }

    std::optional<PrintedSymbol> pdf417()
    {
        const std::optional<int> level = number(3, 0, 8);
        const std::optional<int> module = number(4, 1, kLargestModule);
        const std::optional<int> columns = number(5, 0, 30);
        const std::optional<int> rotation = number(6, 0, 3);
        const std::optional<int> rowHeight = number(7, 0, 9999);
        if (!hasFields(8) || !level || !module || !columns || !rotation || !rowHeight)
            return refuse(PrinterText::tr("PDF417 码命令的格式不对"));
        SymbolRequest request;
        request.symbology = symbology::Pdf417;
        request.option1 = *level;
        request.option2 = *columns;
        const std::optional<BarcodeSymbol> symbol = encoded(request);
        if (!symbol)
            return std::nullopt;
        // The height field gives each row's height in dots; 0 keeps the library's own
        // proportion of three modules.
        const int height = *rowHeight > 0 ? qMin(*rowHeight, kLargestModule * 3) : 3 * *module;
        return matrix(*symbol, *module, height, *rotation, true);
    }

    const PrinterCommand& m_command;
    int m_dpi;
    QList<StreamProblem>& m_problems;
    QList<QByteArray> m_fields;
    QByteArray m_data;
};

} // namespace

std::optional<PrintedSymbol> printedSymbol(const PrinterCommand& command, int dpi, QList<StreamProblem>& problems)
{
    return SymbolReader(command, dpi, problems).read();
}

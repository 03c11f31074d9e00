#include "printer/PrinterStreamReader.h"

#include "printer/PrintedSymbols.h"
#include "printer/PrinterText.h"

#include <QHash>
#include <QPainter>

namespace {

// A label larger than this many dots is beyond any printer (the widest roll, a metre long,
// at 305 dots per inch is some 25 million); only a damaged stream asks for one.
constexpr qint64 kLargestLabelDots = qint64(32) * 1024 * 1024;

// The labels one read hands over hold at most this many bytes of dots: some twenty of the
// largest label, six hundred of a 100 × 60 mm one at 305 dpi. A few bytes of issue command
// make a whole label, so a damaged or hostile stream could otherwise ask for more memory
// than there is.
constexpr qsizetype kMostIssuedBytes = qsizetype(64) * 1024 * 1024;

// The line width field holds one digit; a wider line comes from no program.
constexpr int kWidestLine = 99;

QList<std::optional<int>> numbers(const QByteArray& body)
{
    QList<std::optional<int>> values;
    for (const QByteArray& field : body.split(','))
        values.append(commandNumber(field));
    return values;
}

bool allNumbers(const QList<std::optional<int>>& values, qsizetype count)
{
    if (values.size() != count)
        return false;
    for (const std::optional<int>& value : values) {
        if (!value)
            return false;
    }
    return true;
}

QString millimetres(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1);
}

// What the letters of the issue command's last field ask for.
QString issueMeaning(int copies, const QByteArray& code)
{
    static const char* const sensors[] = {
        QT_TRANSLATE_NOOP("PrinterText", "无探头"),
        QT_TRANSLATE_NOOP("PrinterText", "黑标模式"),
        QT_TRANSLATE_NOOP("PrinterText", "穿透模式"),
        QT_TRANSLATE_NOOP("PrinterText", "预印刷穿透模式"),
        QT_TRANSLATE_NOOP("PrinterText", "手动阀值黑标模式"),
    };
    static const char* const ribbons[] = {
        QT_TRANSLATE_NOOP("PrinterText", "不用碳带"),
        QT_TRANSLATE_NOOP("PrinterText", "节省碳带"),
        QT_TRANSLATE_NOOP("PrinterText", "用碳带"),
        QT_TRANSLATE_NOOP("PrinterText", "打印头抬起"),
    };
    static const char* const directions[] = {
        QT_TRANSLATE_NOOP("PrinterText", "正常打印"),
        QT_TRANSLATE_NOOP("PrinterText", "旋转打印"),
        QT_TRANSLATE_NOOP("PrinterText", "镜像打印"),
        QT_TRANSLATE_NOOP("PrinterText", "镜像旋转打印"),
    };
    const auto pick = [](const char* const* names, int count, char digit) {
        const int index = digit - '0';
        return index >= 0 && index < count ? PrinterText::tr(names[index])
                                           : PrinterText::tr("代码 %1").arg(printableBytes(QByteArray(1, digit)));
    };
    return PrinterText::tr("打印 %1 张；切刀 %2，%3，速度 %4，%5，%6%7")
        .arg(QString::number(copies), code.left(3) == "000" ? PrinterText::tr("不用") : PrinterText::tr("每张后切"),
             pick(sensors, 5, code[3]), printableBytes(code.mid(5, 1)), pick(ribbons, 4, code[6]),
             pick(directions, 4, code[7]), code[8] == '1' ? PrinterText::tr("，打印后回报状态") : QString());
}

} // namespace

PrinterStreamReader::PrinterStreamReader(int dpi)
    : m_dpi(dpi)
{
    m_label.dpi = dpi;
}

QList<PrintedLabel> PrinterStreamReader::read(const QByteArray& bytes)
{
    m_issuedBytes = 0;
    m_scanner.append(bytes);
    for (;;) {
        const qsizetype problems = m_label.problems.size();
        const std::optional<PrinterCommand> command = m_scanner.next(m_label.problems);
        if (m_label.problems.size() != problems)
            m_started = true;
        if (!command)
            break;
        take(*command);
    }
    return std::exchange(m_issued, {});
}

std::optional<PrintedLabel> PrinterStreamReader::finish()
{
    m_issuedBytes = 0;
    const qsizetype problems = m_label.problems.size();
    m_scanner.finish(m_label.problems);
    if (!m_started && m_label.problems.size() == problems)
        return std::nullopt;
    m_label.problems.append({m_scanner.position(), {}, PrinterText::tr("数据流没有以打印命令“{XS;…|}”结束，打印机不会打印这张标签")});
    return takeLabel(0);
}

void PrinterStreamReader::take(const PrinterCommand& command)
{
    using Handler = void (PrinterStreamReader::*)(const PrinterCommand&);
    static const QHash<QByteArray, Handler> handlers{
        {"D", &PrinterStreamReader::labelSize},   {"C", &PrinterStreamReader::clearBuffer},
        {"AY", &PrinterStreamReader::density},    {"U", &PrinterStreamReader::feed},
        {"XR", &PrinterStreamReader::solidArea},  {"LC", &PrinterStreamReader::lineOrBox},
        {"SG", &PrinterStreamReader::graphic},    {"XB", &PrinterStreamReader::symbol},
        {"XS", &PrinterStreamReader::issue},
    };
    m_started = true;
    if (const Handler handler = handlers.value(command.name))
        (this->*handler)(command);
    else
        problem(command, PrinterText::tr("不认识的打印命令，没有画出"));
}

void PrinterStreamReader::problem(const PrinterCommand& command, const QString& reason)
{
    m_label.problems.append({command.offset, command.text, reason});
}

void PrinterStreamReader::setting(const PrinterCommand& command, const QString& meaning)
{
    m_label.settings.append({command.text, meaning});
}

bool PrinterStreamReader::hasLabel(const PrinterCommand& command)
{
    if (!m_canvas.isNull())
        return true;
    problem(command, PrinterText::tr("之前没有标签尺寸命令“{D…|}”，没有画出"));
    return false;
}

QPoint PrinterStreamReader::dotPoint(int x, int y) const
{
    return QPoint(dotsOf(x, m_dpi), dotsOf(y, m_dpi));
}

void PrinterStreamReader::checkInside(const PrinterCommand& command, const QRect& dots)
{
    if (m_canvas.rect().contains(dots))
        return;
    problem(command, m_canvas.rect().intersects(dots) ? PrinterText::tr("部分超出标签，超出的部分打印不出来")
                                                      : PrinterText::tr("完全在标签之外，打印不出来"));
}

void PrinterStreamReader::labelSize(const PrinterCommand& command)
{
    const QList<std::optional<int>> values = numbers(command.body);
    if (!command.prefix.isEmpty() || !allNumbers(values, 3) || *values[1] <= 0 || *values[2] <= 0) {
        problem(command, PrinterText::tr("标签尺寸命令的格式不对"));
        return;
    }
    const int width = dotsOf(*values[1], m_dpi);
    const int length = dotsOf(*values[2], m_dpi);
    if (qint64(width) * length > kLargestLabelDots || width > 32767 || length > 32767) {
        problem(command, PrinterText::tr("标签大得超出任何打印机，无法预览"));
        return;
    }
    // A label of another size starts from a blank buffer; one of the same size keeps it.
    if (m_canvas.size() != QSize(width, length))
        m_canvas = DotCanvas(width, length);
    setting(command, PrinterText::tr("标签宽 %1 毫米、长 %2 毫米，每张送纸 %3 毫米")
                         .arg(millimetres(*values[1]), millimetres(*values[2]), millimetres(*values[0])));
}

void PrinterStreamReader::clearBuffer(const PrinterCommand& command)
{
    if (!command.prefix.isEmpty() || !command.body.isEmpty()) {
        problem(command, PrinterText::tr("不认识的打印命令，没有画出"));
        return;
    }
    m_cleared = true;
    m_canvas.clear();
    setting(command, PrinterText::tr("清除图像缓冲区"));
}

void PrinterStreamReader::density(const PrinterCommand& command)
{
    const QList<QByteArray> fields = command.body.split(',');
    if (fields.size() != 2 || !commandNumber(fields[0]) || (fields[1] != "0" && fields[1] != "1")) {
        problem(command, PrinterText::tr("浓度命令的格式不对"));
        return;
    }
    setting(command, PrinterText::tr("浓度 %1，%2")
                         .arg(printableBytes(fields[0]),
                              fields[1] == "0" ? PrinterText::tr("碳带打印") : PrinterText::tr("热敏打印")));
}

void PrinterStreamReader::feed(const PrinterCommand& command)
{
    const QList<std::optional<int>> values = numbers(command.body);
    if ((command.prefix != "1" && command.prefix != "2") || !allNumbers(values, 2)) {
        problem(command, PrinterText::tr("进纸命令的格式不对"));
        return;
    }
    setting(command, PrinterText::tr("%1 %2 毫米")
                         .arg(command.prefix == "2" ? PrinterText::tr("向前进纸") : PrinterText::tr("向后退纸"),
                              millimetres(*values[0])));
}

void PrinterStreamReader::solidArea(const PrinterCommand& command)
{
    QList<QByteArray> fields = command.body.split(',');
    const QByteArray mode = fields.size() == 5 ? fields.takeLast() : QByteArray();
    const QList<std::optional<int>> values = numbers(fields.join(','));
    if (mode != "B" || !allNumbers(values, 4)) {
        problem(command, PrinterText::tr("涂黑区域命令的格式不对，没有画出"));
        return;
    }
    if (!hasLabel(command))
        return;
    const QRectF area(dotPoint(*values[0], *values[1]), dotPoint(*values[2], *values[3]));
    checkInside(command, area.toAlignedRect());
    m_canvas.paint([&](QPainter& painter) { painter.fillRect(area, Qt::black); });
}

void PrinterStreamReader::lineOrBox(const PrinterCommand& command)
{
    const QList<std::optional<int>> values = numbers(command.body);
    const bool line = allNumbers(values, 6) && *values[4] == 0;
    const bool box = allNumbers(values, 7) && *values[4] == 1;
    if ((!line && !box) || *values[5] < 0 || *values[5] > kWidestLine || (box && *values[6] < 0)) {
        problem(command, PrinterText::tr("画线命令的格式不对，没有画出"));
        return;
    }
    if (!hasLabel(command))
        return;
    const QPoint from = dotPoint(*values[0], *values[1]);
    const QPoint to = dotPoint(*values[2], *values[3]);
    const int width = *values[5];
    checkInside(command, QRect(from, to).normalized().adjusted(-width / 2, -width / 2, width / 2, width / 2));
    m_canvas.paint([&](QPainter& painter) {
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        if (line) {
            painter.drawLine(from, to);
            return;
        }
        const int radius = dotsOf(*values[6], m_dpi);
        painter.drawRoundedRect(QRectF(from, to), radius, radius);
    });
}

void PrinterStreamReader::graphic(const PrinterCommand& command)
{
    const QList<std::optional<int>> values = numbers(command.body.chopped(1));
    if (!allNumbers(values, 5) || *values[4] != 1) {
        problem(command, PrinterText::tr("图形命令的方式不是 1，没有画出"));
        return;
    }
    if (!hasLabel(command))
        return;
    const QPoint at = dotPoint(*values[0], *values[1]);
    const int width = *values[2];
    const int height = *values[3];
    checkInside(command, QRect(at, QSize(width, height)));
    m_canvas.placeRaster(at, width, height, command.raster);
}

void PrinterStreamReader::symbol(const PrinterCommand& command)
{
    if (!hasLabel(command))
        return;
    const std::optional<PrintedSymbol> printed = printedSymbol(command, m_dpi, m_label.problems);
    if (!printed)
        return;
    const QPoint anchor = dotPoint(printed->anchor.x(), printed->anchor.y());
    const QSize size(printed->mask.width, printed->mask.height);
    checkInside(command, DotCanvas::stampedRect(size, anchor, printed->quarterTurns));
    m_canvas.stampMask(printed->mask, anchor, printed->quarterTurns);
}

void PrinterStreamReader::issue(const PrinterCommand& command)
{
    const QList<QByteArray> fields = command.body.split(',');
    const int copies = fields.size() == 3 ? commandNumber(fields[1]).value_or(-1) : -1;
    const QByteArray code = fields.value(2);
    if (fields.value(0) != "I" || copies < 0 || code.size() != 9 || code[4] != 'C') {
        problem(command, PrinterText::tr("打印命令的格式不对，打印机不会打印"));
        return;
    }
    setting(command, issueMeaning(copies, code));
    if (!m_cleared)
        setting(command, PrinterText::tr("这一任务没有清除图像缓冲区：打印机再打印一遍缓冲区里原有的内容"));
    if (copies == 0)
        problem(command, PrinterText::tr("打印张数为 0，打印机不会打印"));
    if (code[7] != '0')
        problem(command, PrinterText::tr("打印方向不是正常打印：打印出来的标签是转过或镜像的，预览按正常方向画出"));
    if (m_canvas.isNull())
        problem(command, PrinterText::tr("之前没有标签尺寸命令“{D…|}”，打印机不知道标签多大"));
    m_issued.append(takeLabel(copies));
}

PrintedLabel PrinterStreamReader::takeLabel(int copies)
{
    PrintedLabel label = std::exchange(m_label, {});
    label.dpi = m_dpi;
    label.copies = copies;
    if (!m_canvas.isNull()) {
        const qsizetype bytes = qsizetype(m_canvas.size().width() + 31) / 32 * 4 * m_canvas.size().height();
        m_issuedBytes += bytes;
        if (m_issuedBytes <= kMostIssuedBytes)
            label.dots = m_canvas.oneBit();
        else
            label.problems.append({m_scanner.position(), {}, PrinterText::tr("一次收到的标签太多，这张标签没有画出")});
    }
    m_label.dpi = m_dpi;
    m_cleared = false;
    m_started = false;
    return label;
}

PrintedLabel readLabelJob(const QByteArray& stream, int dpi)
{
    PrinterStreamReader reader(dpi);
    QList<PrintedLabel> labels = reader.read(stream);
    const std::optional<PrintedLabel> rest = reader.finish();
    if (rest)
        labels.append(*rest);
    if (!labels.isEmpty()) {
        // What the stream holds after the first label is told, not dropped.
        PrintedLabel first = labels.takeFirst();
        for (const PrintedLabel& later : std::as_const(labels)) {
            if (later.copies > 0)
                first.problems.append({0, {}, PrinterText::tr("数据流里还有一张标签，这里只画出第一张")});
            first.problems += later.problems;
        }
        return first;
    }
    PrintedLabel none;
    none.dpi = dpi;
    none.problems.append({0, {}, PrinterText::tr("数据流里没有打印命令")});
    return none;
}

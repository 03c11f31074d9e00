// Writes the example labels and their bitmaps:
//   examples/sample.xml          a small label with a few print and cut objects
//   examples/reference-200.xml   200 objects of every kind, the label the benchmarks scale up
//   examples/*.bmp               the pictures, outlines and background they use
//   examples/goods.xml           a label whose texts and symbols are bound to the columns of
//   examples/goods.xlsx          this workbook's sheet "货品" (written when libxlsxwriter is there)
// Usage (from the repository root): build/bin/marlune-make-examples examples

#include "app/HeadlessPlatform.h"
#include "files/LabelFile.h"
#include "files/LabelFormat.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cstdio>
#include <ctime>
#include <functional>

#ifdef MARLUNE_EXAMPLE_WORKBOOK
#include <xlsxwriter.h>
#endif

namespace {

// Folder the label files name their pictures and workbook in: labels are opened from the
// repository root.
const QString kPictureFolder = QStringLiteral("examples/");

void writeBitmap(const QString& folder, const QString& name, const QSize& size,
                 const std::function<void(QPainter&)>& draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter);
    painter.end();
    // Monochrome, as the printer and the outline tracer take them.
    image.convertTo(QImage::Format_Mono, Qt::ThresholdDither);
    if (!image.save(QDir(folder).filePath(name), "BMP"))
        throw std::runtime_error("cannot write " + name.toStdString());
}

void writeBitmaps(const QString& folder)
{
    // A closed black outline on white for the tracer: a rounded tag with a notch.
    writeBitmap(folder, QStringLiteral("outline.bmp"), {240, 160}, [](QPainter& painter) {
        QPainterPath path;
        path.addRoundedRect(QRectF(20, 20, 200, 120), 30, 30);
        path.addEllipse(QPointF(60, 80), 18, 18);
        painter.setPen(QPen(Qt::black, 4));
        painter.drawPath(path);
    });
    writeBitmap(folder, QStringLiteral("star.bmp"), {160, 160}, [](QPainter& painter) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 == 0 ? 70 : 30;
            const double angle = i * 36.0 * 3.14159265358979 / 180;
            star << QPointF(80 + radius * std::sin(angle), 80 - radius * std::cos(angle));
        }
        painter.setPen(QPen(Qt::black, 3));
        painter.drawPolygon(star);
    });
    writeBitmap(folder, QStringLiteral("logo.bmp"), {200, 96}, [](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRect(8, 8, 80, 80));
        painter.drawRect(QRect(100, 16, 90, 20));
        painter.drawRect(QRect(100, 60, 60, 20));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRect(28, 28, 40, 40));
    });
    writeBitmap(folder, QStringLiteral("background.bmp"), {400, 300}, [](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        for (int x = 0; x < 400; x += 40)
            painter.drawLine(x, 0, x, 300);
        for (int y = 0; y < 300; y += 40)
            painter.drawLine(0, y, 400, y);
    });
}

// Fills the record's model box (tenths of a millimetre) and its pixel box at the zoom.
void place(const Tobject& document, Tshape& shape, int left, int top, int width, int height)
{
    shape.printLeft = left;
    shape.printTop = top;
    shape.printRight = left + width;
    shape.printBottom = top + height;
    shape.Left = document.ToPixels(shape.printLeft);
    shape.Top = document.ToPixels(shape.printTop);
    shape.Right = document.ToPixels(shape.printRight);
    shape.Bottom = document.ToPixels(shape.printBottom);
}

Tshape text(const QString& name, const QString& value, int size)
{
    Tshape shape = makeShape(ShapeKind::PrintString);
    shape.name = name;
    shape.str = value;
    shape.fontName = QStringLiteral("宋体");
    shape.fontSize = static_cast<float>(size);
    shape.printSize = size;
    shape.widthFactor = 1;
    shape.heightFactor = 1;
    shape.DBType = QStringLiteral("文本");
    return shape;
}

Tshape symbol(ShapeKind kind, const QString& name, const QString& value)
{
    // The barcode starts from the dialog's font and human-readable line.
    Tshape shape = freshShapeWithDialogValues(kind);
    shape.name = name;
    shape.barValue = value;
    switch (kind) {
    case ShapeKind::PrintBar:
        shape.barType = QStringLiteral("CODE128(with auto code)");
        shape.barWidth = 2;
        shape.wideBarWidth = 4;
        shape.barHeight = 80;
        break;
    case ShapeKind::PrintQRBar:
        shape.barLevel = 1;
        shape.barWidth = 4;
        break;
    case ShapeKind::PrintDataMatrix:
        shape.barWidth = 4;
        break;
    default: // PDF417: level "02", module "02", height 10, columns "10" as list positions
        shape.barLevel = 2;
        shape.barWidth = 1;
        shape.barHeight = 10;
        shape.barColumn = 9;
        break;
    }
    return shape;
}

Tshape cutRoundRect(int radius)
{
    Tshape shape = freshShapeWithDialogValues(ShapeKind::CutRoundRect);
    shape.printR = radius;
    return shape;
}

void save(const QString& folder, const QString& name, Tobject& document, const LabelSettings& label,
          const JobSettings& job)
{
    SaveLabel(QDir(folder).filePath(name), document, label, job);
}

void writeSample(const QString& folder)
{
    Tobject document;
    LabelSettings label;
    JobSettings job;
    label.Width = 1000;
    label.Height = 600;

    Tshape border = makeShape(ShapeKind::PrintRect);
    place(document, border, 20, 20, 960, 560);
    border.printR = border.R = 30;
    border.printLineWidth = border.lineWidth = 3;
    Tshape title = text(QStringLiteral("品名"), QStringLiteral("有机绿茶 250g"), 16);
    place(document, title, 60, 50, 500, 70);
    Tshape batch = text(QStringLiteral("批号"), QStringLiteral("批号 A0001"), 10);
    batch.serialNo = 1;
    place(document, batch, 60, 140, 300, 45);
    Tshape barcode = symbol(ShapeKind::PrintBar, QStringLiteral("条码"), QStringLiteral("6901234567892"));
    place(document, barcode, 60, 230, 420, 140);
    Tshape qr = symbol(ShapeKind::PrintQRBar, QStringLiteral("二维码"), QStringLiteral("https://example.com/A0001"));
    place(document, qr, 700, 60, 220, 220);
    Tshape logo = makeShape(ShapeKind::PrintImage);
    logo.fileName = kPictureFolder + QStringLiteral("logo.bmp");
    place(document, logo, 60, 420, 250, 120);
    Tshape outline = cutRoundRect(40);
    place(document, outline, 0, 0, 1000, 600);
    outline.R = document.ToPixels(outline.printR);
    Tshape hole = makeShape(ShapeKind::CutCircle);
    place(document, hole, 900, 500, 60, 60);
    Tshape tearLine = makeShape(ShapeKind::CutLine);
    tearLine.startX = 650;
    tearLine.startY = 330;
    tearLine.endX = 950;
    tearLine.endY = 330;
    tearLine.startDown = tearLine.endUp = 1;
    place(document, tearLine, 650, 330, 300, 0);
    document.objects = {border, title, batch, barcode, qr, logo, outline, hole, tearLine};
    save(folder, QStringLiteral("sample.xml"), document, label, job);
}

// One object of the reference label in cell (column, row) of a 10 x 20 grid of 20 x 15 mm.
Tshape referenceObject(const Tobject& document, int index)
{
    const int left = (index % 10) * 200 + 20;
    const int top = (index / 10) * 150 + 20;
    const QString number = QString::number(index + 1).rightJustified(3, u'0');
    // 40 symbols, 20 texts, 2 traced outlines and 5 pictures, the rest shared by the other kinds.
    static constexpr std::array<ShapeKind, 8> kOthers{
        ShapeKind::CutRect, ShapeKind::CutRoundRect, ShapeKind::CutCircle, ShapeKind::CutHalfCircle,
        ShapeKind::CutArc, ShapeKind::CutLine, ShapeKind::PrintRect, ShapeKind::PrintLine};
    Tshape shape;
    if (index < 40) {
        constexpr std::array symbols{ShapeKind::PrintBar, ShapeKind::PrintQRBar,
                                     ShapeKind::PrintDataMatrix, ShapeKind::PrintPdf417Bar};
        shape = symbol(symbols[index % 4], QStringLiteral("码") + number, QStringLiteral("A") + number + "-2026");
    } else if (index < 60) {
        shape = text(QStringLiteral("字") + number, QStringLiteral("标签 %1 镕").arg(number), 9 + index % 4);
        shape.direction = index % 4;
    } else if (index < 62) {
        shape = makeShape(ShapeKind::CutImage);
        shape.fileName = kPictureFolder + (index == 60 ? QStringLiteral("outline.bmp") : QStringLiteral("star.bmp"));
    } else if (index < 67) {
        shape = makeShape(ShapeKind::PrintImage);
        shape.fileName = kPictureFolder + QStringLiteral("logo.bmp");
    } else {
        const ShapeKind kind = kOthers[(index - 67) % kOthers.size()];
        shape = kind == ShapeKind::CutRoundRect ? cutRoundRect(20) : makeShape(kind);
    }
    place(document, shape, left, top, 160, 110);
    switch (shape.kind()) {
    case ShapeKind::CutHalfCircle:
    case ShapeKind::CutRoundRect:
    case ShapeKind::PrintRect:
        shape.printR = 20;
        shape.R = document.ToPixels(shape.printR);
        shape.printLineWidth = shape.lineWidth = shape.kind() == ShapeKind::PrintRect ? 3 : 0;
        break;
    case ShapeKind::CutArc:
        shape.Stretch = false;
        shape.CenterX = left + 80;
        shape.CenterY = top + 55;
        shape.Radiu = 50;
        shape.SAngle = (index % 4) * 90;
        shape.EAngle = shape.SAngle + 135.5;
        shape.startDown = shape.endUp = 1;
        document.setArcPixelBox(shape);
        break;
    case ShapeKind::CutLine:
        shape.startX = static_cast<float>(left);
        shape.startY = static_cast<float>(top) + 55.5f;
        shape.endX = static_cast<float>(left + 160);
        shape.endY = static_cast<float>(top) + 55.5f;
        shape.startDown = shape.endUp = 1;
        break;
    case ShapeKind::PrintLine:
        shape.lineWidth = 3;
        break;
    default:
        break;
    }
    return shape;
}

void writeReference(const QString& folder)
{
    Tobject document;
    LabelSettings label;
    JobSettings job;
    label.Width = 2000;
    label.Height = 3000;
    label.BGFile = kPictureFolder + QStringLiteral("background.bmp");
    label.BGX = 10;
    label.BGY = 10;
    label.BGWidth = 180;
    label.BGHeight = 135;
    job.cutMaxWidth = 2000;
    for (int index = 0; index < 200; ++index)
        document.objects.append(referenceObject(document, index));
    save(folder, QStringLiteral("reference-200.xml"), document, label, job);
}

// The goods a variable label is printed for, one record a row; the first row names the
// columns the label's objects are bound to.
constexpr std::array<std::array<const char*, 4>, 4> kGoods{{
    {"品名", "批号", "条码", "网址"},
    {"有机绿茶 250g", "A0001", "6901234567892", "https://example.com/A0001"},
    {"红茶 100g", "A0002", "6901234567908", "https://example.com/A0002"},
    {"乌龙茶 500g", "A0003", "6901234567915", "https://example.com/A0003"},
}};

void writeGoodsLabel(const QString& folder)
{
    Tobject document;
    LabelSettings label;
    JobSettings job;
    label.Width = 800;
    label.Height = 500;
    // From the repository root, as the README runs it; "run --records" reads it from here.
    job.dbName = kPictureFolder + QStringLiteral("goods.xlsx");
    job.tableName = QStringLiteral("货品");

    const auto bound = [](Tshape shape, const char* column) {
        shape.DBField = QString::fromUtf8(column);
        return shape;
    };
    Tshape name = bound(text(QStringLiteral("品名"), QStringLiteral("品名"), 14), kGoods[0][0]);
    place(document, name, 40, 40, 440, 60);
    Tshape batch = bound(text(QStringLiteral("批号"), QStringLiteral("批号"), 10), kGoods[0][1]);
    place(document, batch, 40, 110, 300, 45);
    Tshape barcode = bound(symbol(ShapeKind::PrintBar, QStringLiteral("条码"), QStringLiteral("6901234567892")),
                           kGoods[0][2]);
    place(document, barcode, 40, 190, 420, 140);
    Tshape qr = bound(symbol(ShapeKind::PrintQRBar, QStringLiteral("二维码"), QStringLiteral("https://example.com/A0001")),
                      kGoods[0][3]);
    place(document, qr, 540, 40, 220, 220);
    Tshape outline = cutRoundRect(30);
    place(document, outline, 0, 0, 800, 500);
    outline.R = document.ToPixels(outline.printR);
    document.objects = {name, batch, barcode, qr, outline};
    save(folder, QStringLiteral("goods.xml"), document, label, job);
}

void writeGoodsBook(const QString& folder)
{
#ifdef MARLUNE_EXAMPLE_WORKBOOK
    const QByteArray path = QDir(folder).filePath(QStringLiteral("goods.xlsx")).toUtf8();
    lxw_workbook* book = workbook_new(path.constData());
    // A fixed creation time, so that writing the examples again changes nothing.
    lxw_doc_properties properties{};
    properties.created = std::time_t(1767225600); // 2026-01-01
    workbook_set_properties(book, &properties);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "货品");
    for (lxw_row_t row = 0; row < kGoods.size(); ++row) {
        for (lxw_col_t column = 0; column < kGoods[row].size(); ++column)
            worksheet_write_string(sheet, row, column, kGoods[row][column], nullptr);
    }
    if (workbook_close(book) != LXW_NO_ERROR)
        throw std::runtime_error("cannot write goods.xlsx");
#else
    std::fprintf(stderr, "marlune-make-examples: built without libxlsxwriter: %s/goods.xlsx left as it is\n",
                 qUtf8Printable(folder));
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    chooseHeadlessPlatform();
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 1) {
        std::fprintf(stderr, "Usage: marlune-make-examples FOLDER\n");
        return 1;
    }
    const QString folder = arguments.first();
    try {
        QDir().mkpath(folder);
        writeBitmaps(folder);
        writeSample(folder);
        writeReference(folder);
        writeGoodsLabel(folder);
        writeGoodsBook(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "marlune-make-examples: %s\n", error.what());
        return 1;
    }
    return 0;
}

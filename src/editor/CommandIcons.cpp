#include "editor/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace {

const QColor cutColour(128, 0, 0);
const QColor printColour(Qt::black);

using Painting = std::function<void(QPainter&)>;

void page(QPainter& p)
{
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}}));
    p.drawPolyline(QPolygonF({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
}

void folder(QPainter& p)
{
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.setBrush(QColor(240, 200, 60));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(QColor(255, 225, 120));
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {14.5, 13.5}}));
}

void floppy(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 120), 1));
    p.setBrush(QColor(60, 90, 180));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void printer(QPainter& p)
{
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(QPen(cutColour, 1.5));
    p.drawLine(QPointF(12, 2), QPointF(15, 5));
}

void door(QPainter& p)
{
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawLine(QPointF(8, 8), QPointF(15, 8));
    p.drawPolyline(QPolygonF({{12, 5}, {15, 8}, {12, 11}}));
}

void cross(QPainter& p)
{
    p.setPen(QPen(QColor(220, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 3), QPointF(13, 13));
    p.drawLine(QPointF(13, 3), QPointF(3, 13));
}

void labelSheet(QPainter& p)
{
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(QRectF(0.5, 0.5, 15, 3));
    p.drawRect(QRectF(0.5, 3.5, 3, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 5.5, 9, 9));
    p.setPen(QPen(cutColour, 1));
    p.drawRect(QRectF(7.5, 7.5, 5, 5));
}

void outline(QPainter& p, const QColor& colour, qreal width, const std::function<void(QPainter&)>& shape)
{
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    shape(p);
}

void barcode(QPainter& p)
{
    const int widths[] = {1, 2, 1, 1, 3, 1, 2, 1};
    int x = 1;
    for (int i = 0; i < 8; ++i) {
        if (i % 2 == 0)
            p.fillRect(x, 2, widths[i], 12, printColour);
        x += widths[i] + 1;
    }
}

void finder(QPainter& p, int x, int y)
{
    p.fillRect(x, y, 5, 5, printColour);
    p.fillRect(x + 1, y + 1, 3, 3, Qt::white);
    p.fillRect(x + 2, y + 2, 1, 1, printColour);
}

void qrCode(QPainter& p)
{
    finder(p, 1, 1);
    finder(p, 10, 1);
    finder(p, 1, 10);
    for (const QPoint dot : {QPoint(8, 8), QPoint(10, 10), QPoint(12, 9), QPoint(9, 12),
                             QPoint(13, 13), QPoint(7, 3), QPoint(11, 12)})
        p.fillRect(dot.x(), dot.y(), 2, 2, printColour);
}

void dataMatrix(QPainter& p)
{
    p.fillRect(1, 1, 2, 14, printColour);
    p.fillRect(1, 13, 14, 2, printColour);
    for (int i = 0; i < 7; ++i) {
        p.fillRect(3 + 2 * i, 1, 1, 1, printColour);
        p.fillRect(14, 2 + 2 * i, 1, 1, printColour);
    }
    for (const QPoint dot : {QPoint(5, 4), QPoint(8, 6), QPoint(11, 4), QPoint(6, 9), QPoint(10, 10)})
        p.fillRect(dot.x(), dot.y(), 2, 2, printColour);
}

void pdf417(QPainter& p)
{
    for (int row = 0; row < 4; ++row) {
        p.fillRect(0, 2 + 3 * row, 2, 2, printColour);
        p.fillRect(14, 2 + 3 * row, 2, 2, printColour);
        for (int x = 3 + row % 2; x < 13; x += 3)
            p.fillRect(x, 2 + 3 * row, 1 + (x + row) % 2, 2, printColour);
    }
}

void picture(QPainter& p)
{
    p.setPen(QPen(printColour, 1));
    p.setBrush(QColor(170, 210, 255));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 140, 40));
    p.drawPolygon(QPolygonF({{2, 13}, {7, 6}, {10, 10}, {12, 8}, {14, 13}}));
    p.setBrush(QColor(250, 200, 0));
    p.drawEllipse(QPointF(11.5, 5.5), 1.5, 1.5);
}

void letter(QPainter& p)
{
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(printColour);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
}

void outlineShape(QPainter& p)
{
    QPainterPath path;
    path.moveTo(8, 1.5);
    path.cubicTo(15, 1, 15, 9, 12, 10);
    path.cubicTo(14, 15, 4, 16, 3, 11);
    path.cubicTo(0, 8, 2, 2, 8, 1.5);
    outline(p, cutColour, 1.5, [&](QPainter& q) { q.drawPath(path); });
}

void dxfImport(QPainter& p)
{
    page(p);
    outline(p, cutColour, 1.2, [](QPainter& q) {
        q.drawEllipse(QPointF(8.5, 9.5), 3, 3);
        q.drawLine(QPointF(5, 13), QPointF(12, 6));
    });
}

const std::map<int, Painting>& paintings()
{
    static const std::map<int, Painting> table{
        {0, page},
        {1, folder},
        {2, floppy},
        {3, printer},
        {6, door},
        {10, [](QPainter& p) { outline(p, cutColour, 2, [](QPainter& q) { q.drawRect(QRectF(2, 3, 12, 10)); }); }},
        {11, [](QPainter& p) { outline(p, cutColour, 2, [](QPainter& q) { q.drawEllipse(QRectF(2, 2, 12, 12)); }); }},
        {14, [](QPainter& p) { outline(p, cutColour, 2, [](QPainter& q) { q.drawLine(QPointF(2, 14), QPointF(14, 2)); }); }},
        {15, barcode},
        {18, [](QPainter& p) { outline(p, printColour, 2.5, [](QPainter& q) { q.drawLine(QPointF(2, 13), QPointF(14, 3)); }); }},
        {19, picture},
        {20, [](QPainter& p) { outline(p, printColour, 2, [](QPainter& q) { q.drawRoundedRect(QRectF(2, 3, 12, 10), 2, 2); }); }},
        {22, letter},
        {24, qrCode},
        {25, cross},
        {26, [](QPainter& p) { outline(p, cutColour, 2, [](QPainter& q) {
             q.drawArc(QRectF(2, 4, 12, 16), 0, 180 * 16);
             q.drawLine(QPointF(2, 12), QPointF(14, 12));
         }); }},
        {27, labelSheet},
        {28, outlineShape},
        {29, pdf417},
        {31, [](QPainter& p) { outline(p, cutColour, 2, [](QPainter& q) { q.drawArc(QRectF(2, 3, 12, 12), 20 * 16, 140 * 16); }); }},
        {32, [](QPainter& p) {
             QPen pen(cutColour, 2, Qt::DashLine);
             p.setPen(pen);
             p.drawRect(QRectF(2, 3, 12, 10));
         }},
        {33, dxfImport},
        {34, dataMatrix},
    };
    return table;
}

} // namespace

QImage commandImage(int index)
{
    const auto found = paintings().find(index);
    if (found == paintings().end())
        return {};
    QImage image(commandImageSize, commandImageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter);
    painter.end();
    return image;
}

QIcon commandIcon(int index)
{
    const QImage image = commandImage(index);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

#include "ViewTestSupport.h"

#include <algorithm>

void PrintTo(const PixelBox& box, std::ostream* out)
{
    *out << "(" << box.left << ", " << box.top << ")-(" << box.right << ", " << box.bottom << ")";
}

namespace view_test {

Tshape codeBar(const QString& value, int printLeft, int printTop, int direction)
{
    Tshape bar = makeShape(ShapeKind::PrintBar);
    bar.barType = QStringLiteral("CODE128(with auto code)");
    bar.barValue = value;
    bar.barWidth = 4;
    bar.barHeight = 100;
    bar.direction = direction;
    bar.printLeft = printLeft;
    bar.printTop = printTop;
    bar.displayCode = 2;
    bar.fontName = QStringLiteral("DejaVu Sans");
    bar.fontSize = 12;
    bar.widthFactor = 1;
    bar.heightFactor = 1;
    return bar;
}

Tshape matrixCode(ShapeKind kind, const QString& value, int left, int top, int direction)
{
    Tshape code = makeShape(kind);
    code.barValue = value;
    code.barWidth = 7; // two pixels per module at 100 %
    code.direction = direction;
    code.Left = left;
    code.Top = top;
    return code;
}

QImage whiteSurface(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

PixelBox inkBox(const QImage& image, QRgb background)
{
    int left = image.width();
    int top = image.height();
    int right = 0;
    int bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == background)
                continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x + 1);
            bottom = std::max(bottom, y + 1);
        }
    }
    if (right == 0)
        return {};
    return {left, top, right, bottom};
}

bool hasInk(const QImage& image, const PixelBox& box, QRgb background)
{
    for (int y = std::max(0, box.top); y < std::min(image.height(), box.bottom); ++y) {
        for (int x = std::max(0, box.left); x < std::min(image.width(), box.right); ++x) {
            if (image.pixel(x, y) != background)
                return true;
        }
    }
    return false;
}

} // namespace view_test

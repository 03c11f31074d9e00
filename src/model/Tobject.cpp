#include "model/Tobject.h"

#include "model/Convert.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

void CopyRecords(const ShapeList& source, ShapeList& destination, bool selectedOnly)
{
    for (const Tshape& shape : source) {
        if ((!selectedOnly || shape.Selected) && shape.isKnownKind())
            destination.append(shape);
    }
}

int Tobject::ToPixels(double value) const
{
    return truncToInt(static_cast<long double>(dpi) * value * zoom / 254 + 0.5L);
}

float Tobject::FromPixels(int pixels) const
{
    return static_cast<float>(static_cast<long double>(pixels) * 254 / dpi / zoom);
}

void Tobject::Reset(int width, int height, int newDpi, float newZoom)
{
    labelWidth = width;
    labelHeight = height;
    dpi = newDpi;
    zoom = newZoom;
    DeleteAll();
    forgetPositions();
    modified = false;
}

void Tobject::forgetPositions()
{
    current = -1;
    lastClicked = -1;
}

void Tobject::TakeSnapshot()
{
    undoAvailable = true;
    undoList.clear();
    CopyRecords(objects, undoList, false);
}

void Tobject::Undo()
{
    if (!undoAvailable)
        return;
    undoAvailable = false;
    objects.clear();
    CopyRecords(undoList, objects, false);
    undoList.clear();
    forgetPositions();
}

void Tobject::CopyToClipboard()
{
    clipboard.clear();
    CopyRecords(objects, clipboard, true);
}

void Tobject::PasteFromClipboard()
{
    TakeSnapshot();
    CopyRecords(clipboard, objects, false);
}

void Tobject::beginAdd()
{
    SelectAll(false);
    modified = true;
}

void Tobject::appendNew(Tshape shape)
{
    shape.Selected = true;
    objects.append(std::move(shape));
}

void Tobject::AppendAdded(ShapeList added)
{
    beginAdd();
    objects.reserve(objects.size() + added.size());
    for (Tshape& shape : added)
        appendNew(std::move(shape));
}

template <typename Fill>
void Tobject::addGrid(ShapeKind kind, double left, double top, double right, double bottom,
                      int rows, int columns, int rowGap, int columnGap, Fill fill)
{
    const int width = truncToInt(right - left);
    const int height = truncToInt(bottom - top);
    // The pixel boxes step in whole pixels so that a grid stays regular on screen.
    const int pixelLeft = ToPixels(left);
    const int pixelTop = ToPixels(top);
    const int pixelWidth = ToPixels(right) - pixelLeft;
    const int pixelHeight = ToPixels(bottom) - pixelTop;
    const int pixelColumnGap = ToPixels(columnGap);
    const int pixelRowGap = ToPixels(rowGap);
    beginAdd();
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            Tshape shape = makeShape(kind);
            shape.printLeft = truncToInt(left + static_cast<double>(width + columnGap) * j);
            shape.printTop = truncToInt(top + static_cast<double>(height + rowGap) * i);
            shape.printRight = shape.printLeft + width;
            shape.printBottom = shape.printTop + height;
            shape.Left = pixelLeft + (pixelColumnGap + pixelWidth) * j;
            shape.Top = pixelTop + (pixelRowGap + pixelHeight) * i;
            shape.Right = shape.Left + pixelWidth;
            shape.Bottom = shape.Top + pixelHeight;
            fill(shape);
            appendNew(std::move(shape));
        }
    }
}

void Tobject::AddCutRoundRect(int left, int top, int right, int bottom, int radius, int direction,
                              int gapPos, float gapDistance, float gapLenth, float gapOffset,
                              int delayms)
{
    TakeSnapshot();
    addGrid(ShapeKind::CutRoundRect, left, top, right, bottom, 1, 1, 0, 0, [&](Tshape& shape) {
                shape.printR = radius;
                shape.R = ToPixels(radius);
                shape.direction = direction;
                shape.gapPos = gapPos;
                shape.gapDistance = gapDistance;
                shape.gapLenth = gapLenth;
                shape.gapOffset = gapOffset;
                shape.delayms = delayms;
            });
}

void Tobject::AddCutCircles(float left, float top, float right, float bottom, int rows,
                            int columns, int rowGap, int columnGap)
{
    TakeSnapshot();
    addGrid(ShapeKind::CutCircle, left, top, right, bottom, rows, columns, rowGap, columnGap,
            [](Tshape&) {});
}

void Tobject::AddCutHalfCircles(int left, int top, int right, int bottom, int rows, int columns,
                                int rowGap, int columnGap, int radius)
{
    TakeSnapshot();
    const int pixelRadius = ToPixels(radius);
    addGrid(ShapeKind::CutHalfCircle, left, top, right, bottom, rows, columns,
            rowGap, columnGap, [&](Tshape& shape) {
                shape.printR = radius;
                shape.R = pixelRadius;
            });
}

void Tobject::AddCutImages(int left, int top, int right, int bottom, int rows, int columns,
                           int rowGap, int columnGap, const QString& fileName)
{
    TakeSnapshot();
    addGrid(ShapeKind::CutImage, left, top, right, bottom, rows, columns, rowGap,
            columnGap, [&](Tshape& shape) { shape.fileName = fileName; });
}

void Tobject::AddPrintImages(int left, int top, int right, int bottom, int rows, int columns,
                             int rowGap, int columnGap, const QString& fileName)
{
    TakeSnapshot();
    addGrid(ShapeKind::PrintImage, left, top, right, bottom, rows, columns, rowGap,
            columnGap, [&](Tshape& shape) { shape.fileName = fileName; });
}

void Tobject::AddPrintRects(int left, int top, int right, int bottom, int rows, int columns,
                            int rowGap, int columnGap, int radius, int lineWidth, int solid)
{
    TakeSnapshot();
    const int pixelRadius = ToPixels(radius);
    addGrid(ShapeKind::PrintRect, left, top, right, bottom, rows, columns, rowGap,
            columnGap, [&](Tshape& shape) {
                shape.printR = radius;
                shape.R = pixelRadius;
                shape.printLineWidth = lineWidth;
                shape.lineWidth = lineWidth;
                shape.isSolid = solid;
            });
}

void Tobject::AddCutLine(float startX, float startY, float endX, float endY, int startDown,
                         int endUp, int delay)
{
    const float minX = std::min(startX, endX);
    const float maxX = std::max(startX, endX);
    const float minY = std::min(startY, endY);
    const float maxY = std::max(startY, endY);
    beginAdd();
    Tshape shape = makeShape(ShapeKind::CutLine);
    shape.startX = startX;
    shape.startY = startY;
    shape.endX = endX;
    shape.endY = endY;
    shape.direction = lineStartCorner(startX, startY, endX, endY);
    shape.startDown = startDown;
    shape.endUp = endUp;
    shape.Delay = delay;
    shape.printLeft = truncToInt(minX);
    shape.printTop = truncToInt(minY);
    shape.printRight = truncToInt(maxX);
    shape.printBottom = truncToInt(maxY);
    shape.Left = ToPixels(minX);
    shape.Top = ToPixels(minY);
    shape.Right = ToPixels(maxX);
    shape.Bottom = ToPixels(maxY);
    appendNew(std::move(shape));
}

void Tobject::AddPrintLine(int x1, int y1, int x2, int y2, int lineWidth)
{
    TakeSnapshot();
    beginAdd();
    Tshape shape = makeShape(ShapeKind::PrintLine);
    shape.direction = lineStartCorner(x1, y1, x2, y2);
    shape.lineWidth = lineWidth;
    shape.printLeft = std::min(x1, x2);
    shape.printTop = std::min(y1, y2);
    shape.printRight = std::max(x1, x2);
    shape.printBottom = std::max(y1, y2);
    shape.Left = ToPixels(shape.printLeft);
    shape.Top = ToPixels(shape.printTop);
    shape.Right = ToPixels(shape.printRight);
    shape.Bottom = ToPixels(shape.printBottom);
    appendNew(std::move(shape));
}

void Tobject::AddCutArc(double centerX, double centerY, double radius, double startAngle,
                        double endAngle, int startDown, int endUp, int direction)
{
    beginAdd();
    Tshape shape = makeShape(ShapeKind::CutArc);
    shape.Stretch = false;
    shape.CenterX = centerX;
    shape.CenterY = centerY;
    shape.Radiu = radius;
    shape.SAngle = startAngle;
    shape.EAngle = endAngle;
    shape.startDown = startDown;
    shape.endUp = endUp;
    shape.direction = direction;
    shape.printLeft = truncToInt(centerX - radius);
    shape.printTop = truncToInt(centerY - radius);
    shape.printRight = truncToInt(centerX + radius);
    shape.printBottom = truncToInt(radius + centerY);
    setArcPixelBox(shape);
    appendNew(std::move(shape));
}

void Tobject::setArcPixelBox(Tshape& arc) const
{
    const auto pointAt = [&](double degrees) {
        const double radians = (360 - degrees) * std::numbers::pi / 180;
        return std::pair{ToPixels(arc.CenterX + arc.Radiu * std::cos(radians)),
                         ToPixels(arc.CenterY + arc.Radiu * std::sin(radians))};
    };
    const auto [endX, endY] = pointAt(arc.EAngle);
    const auto [startX, startY] = pointAt(arc.SAngle);
    arc.Left = std::min(endX, startX);
    arc.Right = std::max(endX, startX);
    arc.Top = std::min(endY, startY);
    arc.Bottom = std::max(endY, startY);
    // A full turn visits every whole degree; more turns would only repeat the same points,
    // so an arc read with absurd angles cannot stall the program.
    const long long first = truncToInt(arc.SAngle);
    const long long last = std::min<long long>(truncToInt(arc.EAngle), first + 359);
    if (first > last)
        return;
    const auto widen = [&](long long degree) {
        const auto [x, y] = pointAt(static_cast<double>(degree));
        arc.Left = std::min(arc.Left, x);
        arc.Right = std::max(arc.Right, x);
        arc.Top = std::min(arc.Top, y);
        arc.Bottom = std::max(arc.Bottom, y);
    };
    // Between two multiples of 90 degrees both coordinates run one way only, so of all the
    // whole degrees only the first, the last and those multiples can widen the box. A
    // drawing import sets thousands of arc boxes; visiting every degree would dominate it.
    widen(first);
    widen(last);
    long long quarter = first / 90 * 90;
    if (quarter < first)
        quarter += 90;
    for (; quarter < last; quarter += 90)
        widen(quarter);
}

void Tobject::SelectAll(bool value)
{
    for (Tshape& shape : objects)
        shape.Selected = value;
}

void Tobject::SelectIndex(int index)
{
    if (index >= 0 && index < objects.size())
        objects[index].Selected = true;
}

int Tobject::SelectedCount() const
{
    return static_cast<int>(std::ranges::count_if(objects, &Tshape::Selected));
}

int Tobject::FirstSelected() const
{
    const auto found = std::ranges::find_if(objects, &Tshape::Selected);
    return found == objects.cend() ? -1 : static_cast<int>(found - objects.cbegin());
}

bool Tobject::AllSelectedAreTexts() const
{
    int texts = 0;
    for (const Tshape& shape : objects) {
        if (!shape.Selected)
            continue;
        if (shape.kind() != ShapeKind::PrintString)
            return false;
        ++texts;
    }
    return texts >= 2;
}

void Tobject::SetPrintFlag(bool value)
{
    for (Tshape& shape : objects) {
        if (shape.Selected) {
            shape.ifPrint = value;
            modified = true;
        }
    }
}

void Tobject::MoveSelectedToEnd()
{
    if (objects.size() < 2)
        return;
    ShapeList kept;
    ShapeList moved;
    for (Tshape& shape : objects)
        (shape.Selected ? moved : kept).append(std::move(shape));
    objects = kept + moved;
    if (!moved.isEmpty()) {
        modified = true;
        forgetPositions();
    }
}

void Tobject::MoveSelectedTo(int target)
{
    const int count = static_cast<int>(objects.size());
    if (count < 2)
        return;
    // A drop beyond the last row lands on the last row.
    target = std::clamp(target, 0, count - 1);
    int movedSoFar = 0;
    for (int p = 0; p < count;) {
        if (!objects[p].Selected) {
            ++p;
            continue;
        }
        objects[p].Selected = false;
        const int to = target >= p ? target : std::min(target + movedSoFar, count - 1);
        objects.move(p, to);
        modified = true;
        ++movedSoFar;
    }
    if (movedSoFar > 0)
        forgetPositions();
}

void Tobject::DeleteSelected()
{
    if (objects.isEmpty())
        return;
    TakeSnapshot();
    for (qsizetype i = objects.size() - 1; i >= 0; --i) {
        if (objects[i].Selected) {
            objects.removeAt(i);
            forgetPositions();
            modified = true;
        }
    }
}

void Tobject::DeleteAll()
{
    if (objects.isEmpty())
        return;
    TakeSnapshot();
    objects.clear();
    forgetPositions();
    modified = true;
}

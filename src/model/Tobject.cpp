#include "model/Tobject.h"

#include "model/Convert.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
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
    beginAdd();
    Tshape shape = makeShape(ShapeKind::CutLine);
    shape.startX = startX;
    shape.startY = startY;
    shape.endX = endX;
    shape.endY = endY;
    shape.startDown = startDown;
    shape.endUp = endUp;
    shape.Delay = delay;
    setCutLineBoxes(shape);
    appendNew(std::move(shape));
}

void Tobject::setCutLineBoxes(Tshape& line) const
{
    const float minX = std::min(line.startX, line.endX);
    const float maxX = std::max(line.startX, line.endX);
    const float minY = std::min(line.startY, line.endY);
    const float maxY = std::max(line.startY, line.endY);
    line.direction = lineStartCorner(line.startX, line.startY, line.endX, line.endY);
    line.printLeft = truncToInt(minX);
    line.printTop = truncToInt(minY);
    line.printRight = truncToInt(maxX);
    line.printBottom = truncToInt(maxY);
    line.Left = ToPixels(minX);
    line.Top = ToPixels(minY);
    line.Right = ToPixels(maxX);
    line.Bottom = ToPixels(maxY);
}

void Tobject::AddPrintLine(int x1, int y1, int x2, int y2, int lineWidth)
{
    TakeSnapshot();
    beginAdd();
    Tshape shape = makeShape(ShapeKind::PrintLine);
    shape.lineWidth = lineWidth;
    setPrintLineEnds(shape, x1, y1, x2, y2);
    appendNew(std::move(shape));
}

void Tobject::setPrintLineEnds(Tshape& line, int x1, int y1, int x2, int y2) const
{
    line.direction = lineStartCorner(x1, y1, x2, y2);
    line.printLeft = std::min(x1, x2);
    line.printTop = std::min(y1, y2);
    line.printRight = std::max(x1, x2);
    line.printBottom = std::max(y1, y2);
    line.Left = ToPixels(line.printLeft);
    line.Top = ToPixels(line.printTop);
    line.Right = ToPixels(line.printRight);
    line.Bottom = ToPixels(line.printBottom);
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
    setArcBoxes(shape);
    appendNew(std::move(shape));
}

void Tobject::setArcBoxes(Tshape& arc) const
{
    arc.printLeft = truncToInt(arc.CenterX - arc.Radiu);
    arc.printTop = truncToInt(arc.CenterY - arc.Radiu);
    arc.printRight = truncToInt(arc.CenterX + arc.Radiu);
    arc.printBottom = truncToInt(arc.Radiu + arc.CenterY);
    setArcPixelBox(arc);
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
    if (SelectedCount() == 0)
        return;
    // Switching an object off leaves it out of every job: the operator must be able to
    // take that back like any other change.
    TakeSnapshot();
    for (Tshape& shape : objects) {
        if (shape.Selected)
            shape.ifPrint = value;
    }
    modified = true;
}

void Tobject::MoveSelectedToEnd()
{
    if (objects.size() < 2 || SelectedCount() == 0)
        return;
    TakeSnapshot();
    QList<int> kept;
    QList<int> moved;
    for (int i = 0; i < objects.size(); ++i)
        (objects[i].Selected ? moved : kept).append(i);
    reorder(kept + moved);
}

void Tobject::MoveSelectedTo(int target)
{
    const int count = static_cast<int>(objects.size());
    if (count < 2 || SelectedCount() == 0)
        return;
    TakeSnapshot();
    // A drop beyond the last row lands on the last row.
    target = std::clamp(target, 0, count - 1);
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    int movedSoFar = 0;
    for (int p = 0; p < count;) {
        Tshape& shape = objects[order[p]];
        if (!shape.Selected) {
            ++p;
            continue;
        }
        shape.Selected = false;
        const int to = target >= p ? target : std::min(target + movedSoFar, count - 1);
        order.move(p, to);
        ++movedSoFar;
    }
    reorder(order);
}

void Tobject::reorder(const QList<int>& formerPositions)
{
    ShapeList reordered;
    reordered.reserve(objects.size());
    for (int former : formerPositions)
        reordered.append(std::move(objects[former]));
    objects = std::move(reordered);
    // The object under the pointer and the reference of alignment stay the same objects.
    current = static_cast<int>(formerPositions.indexOf(current));
    lastClicked = static_cast<int>(formerPositions.indexOf(lastClicked));
    modified = true;
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

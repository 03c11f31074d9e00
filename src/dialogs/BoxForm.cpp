#include "dialogs/BoxForm.h"

#include "dialogs/ObjectFormText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

BoxValues boxValues(const BoxForm& form)
{
    return {
        .left = tenthsOfMillimetre(form.left),
        .top = tenthsOfMillimetre(form.top),
        .width = tenthsOfMillimetre(form.width),
        .height = tenthsOfMillimetre(form.height),
        .columns = strToInt(form.copies.columns),
        .rows = strToInt(form.copies.rows),
        .columnGap = tenthsOfMillimetre(form.copies.columnGap),
        .rowGap = tenthsOfMillimetre(form.copies.rowGap),
    };
}

int BoxValues::right() const
{
    return truncToInt(static_cast<long double>(left) + width);
}

int BoxValues::bottom() const
{
    return truncToInt(static_cast<long double>(top) + height);
}

void presetBox(BoxForm& form, const QString& left, const QString& top, const QString& width,
               const QString& height)
{
    form.left = left;
    form.top = top;
    form.width = width;
    form.height = height;
    form.copies.countsEnabled = true;
}

void presetCornerBox(BoxForm& form)
{
    presetBox(form, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"));
    form.copies.columnGapEnabled = false;
    form.copies.rowGapEnabled = false;
}

QString boxFieldsProblem(double left, double top, double width, double height, double columnGap,
                         double rowGap)
{
    // A copy may touch the label's left or top edge, so 0 is accepted as a position.
    if (left < 0)
        return ObjectFormText::tr("横坐标必须大于0！");
    if (top < 0)
        return ObjectFormText::tr("纵坐标必须大于0！");
    if (width <= 0)
        return ObjectFormText::tr("宽度必须大于0！");
    if (height <= 0)
        return ObjectFormText::tr("高度必须大于0！");
    if (columnGap < 0)
        return ObjectFormText::tr("水平间距必须大于等于0！");
    if (rowGap < 0)
        return ObjectFormText::tr("垂直间距必须大于等于0！");
    return {};
}

QString radiusProblem(int radius, int width, int height)
{
    if (radius < 0)
        return ObjectFormText::tr("圆角必须大于0！");
    if (height < width) {
        if (radius > height / 2)
            return ObjectFormText::tr("圆角不能大于高度的一半！");
    } else if (radius > width / 2) {
        return ObjectFormText::tr("圆角不能大于宽度的一半！");
    }
    return {};
}

QString fitProblem(const BoxValues& box, FitEdge fit, int labelWidth, int labelHeight)
{
    if (exceedsLabel(gridExtent(box.left, box.columns, box.width, box.columnGap), labelWidth, fit))
        return widthFitMessage();
    if (exceedsLabel(gridExtent(box.top, box.rows, box.height, box.rowGap), labelHeight, fit))
        return heightFitMessage();
    return {};
}

QString boxProblem(const BoxValues& box, FitEdge fit, int labelWidth, int labelHeight,
                   std::optional<int> radius)
{
    QString problem = boxFieldsProblem(box.left, box.top, box.width, box.height, box.columnGap,
                                       box.rowGap);
    if (problem.isEmpty())
        problem = gridCountProblem(box.rows, box.columns);
    if (problem.isEmpty() && radius)
        problem = radiusProblem(*radius, box.width, box.height);
    if (problem.isEmpty())
        problem = fitProblem(box, fit, labelWidth, labelHeight);
    return problem;
}

void fillEditedBox(BoxForm& form, const Tshape& shape)
{
    form.left = millimetreText(shape.printLeft);
    form.top = millimetreText(shape.printTop);
    form.width = millimetreText(static_cast<double>(shape.printRight) - shape.printLeft);
    form.height = millimetreText(static_cast<double>(shape.printBottom) - shape.printTop);
    form.copies = singleCopy();
}

void writeEditedBox(const BoxForm& form, Tshape& shape, const Tobject& document)
{
    const int left = tenthsOfMillimetre(form.left);
    const int top = tenthsOfMillimetre(form.top);
    const int right = truncToInt(doubleTenthsOfMillimetre(form.left) + doubleTenthsOfMillimetre(form.width));
    const int bottom = truncToInt(doubleTenthsOfMillimetre(form.top) + doubleTenthsOfMillimetre(form.height));
    shape.printLeft = left;
    shape.printTop = top;
    shape.printRight = right;
    shape.printBottom = bottom;
    shape.Left = document.ToPixels(left);
    shape.Top = document.ToPixels(top);
    shape.Right = document.ToPixels(right);
    shape.Bottom = document.ToPixels(bottom);
}

QString wrongDataMessage()
{
    return ObjectFormText::tr("请输入正确的数据！");
}

QString problemOrWrongData(const std::function<QString()>& check)
{
    try {
        return check();
    } catch (const ConversionError&) {
        return wrongDataMessage();
    }
}

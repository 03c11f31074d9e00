#include "dialogs/PrintBoxForms.h"

#include "dialogs/ObjectFormText.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

namespace {

// The corner and the line of a rectangle that is not solid; the line width in millimetres.
QString frameProblem(int radius, double lineWidth, const BoxValues& box)
{
    if (radius < 0)
        return ObjectFormText::tr("圆角必须大于0！");
    if (!(lineWidth > 0.1 && lineWidth <= 0.9))
        return ObjectFormText::tr("线宽必须在0.1-0.9之间！");
    return radiusProblem(radius, box.width, box.height);
}

} // namespace

void presetPrintRect(PrintRectForm& form)
{
    presetCornerBox(form.box);
    form.radiusEnabled = true;
    form.lineWidthEnabled = true;
    form.solid = false;
}

QString printRectProblem(const PrintRectForm& form, const LabelSettings& label)
{
    return problemOrWrongData([&]() -> QString {
        const BoxValues box = boxValues(form.box);
        const int radius = tenthsOfMillimetre(form.radius);
        const double lineWidth = strToFloat(form.lineWidth);
        QString problem = boxFieldsProblem(strToFloat(form.box.left), strToFloat(form.box.top),
                                           strToFloat(form.box.width), strToFloat(form.box.height),
                                           strToFloat(form.box.copies.columnGap),
                                           strToFloat(form.box.copies.rowGap));
        if (problem.isEmpty())
            problem = gridCountProblem(box.rows, box.columns);
        if (problem.isEmpty() && !form.solid)
            problem = frameProblem(radius, lineWidth, box);
        if (problem.isEmpty())
            problem = fitProblem(box, FitEdge::ReachingEdge, label.Width, label.Height);
        return problem;
    });
}

void addPrintRects(const PrintRectForm& form, Tobject& document)
{
    const BoxValues box = boxValues(form.box);
    const int radius = tenthsOfMillimetre(form.radius);
    const int lineWidth = tenthsOfMillimetre(form.lineWidth);
    document.AddPrintRects(box.left, box.top, box.right(), box.bottom(), box.rows, box.columns,
                           box.rowGap, box.columnGap, radius, lineWidth, form.solid ? 1 : 0);
}

void fillPrintRectEdit(PrintRectForm& form, const Tshape& shape)
{
    fillEditedBox(form.box, shape);
    form.radius = millimetreText(shape.printR);
    form.lineWidth = millimetreText(shape.printLineWidth);
    form.solid = shape.isSolid != 0;
    form.radiusEnabled = true;
    form.lineWidthEnabled = true;
}

void writePrintRectEdit(const PrintRectForm& form, Tshape& shape, const Tobject& document)
{
    const int radius = tenthsOfMillimetre(form.radius);
    const int lineWidth = tenthsOfMillimetre(form.lineWidth);
    writeEditedBox(form.box, shape, document);
    shape.printR = radius;
    shape.R = document.ToPixels(radius);
    shape.printLineWidth = lineWidth;
    shape.lineWidth = lineWidth;
    shape.isSolid = form.solid ? 1 : 0;
}

QString printImageProblem(const PictureBoxForm& form, const LabelSettings& label)
{
    if (form.fileName.isEmpty())
        return emptyFileNameMessage();
    return problemOrWrongData([&] {
        return boxProblem(boxValues(form.box), FitEdge::ReachingEdge, label.Width, label.Height);
    });
}

void addPrintImages(const PictureBoxForm& form, Tobject& document)
{
    const BoxValues box = boxValues(form.box);
    document.AddPrintImages(box.left, box.top, box.right(), box.bottom(), box.rows, box.columns,
                            box.rowGap, box.columnGap, form.fileName);
}

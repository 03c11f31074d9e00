#include "dialogs/CutBoxForms.h"

#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

#include <QCoreApplication>

namespace {

QString roundedBoxProblem(const RoundedBoxForm& form, FitEdge fit, const LabelSettings& label)
{
    return problemOrWrongData([&] {
        return boxProblem(boxValues(form.box), fit, label.Width, label.Height,
                          tenthsOfMillimetre(form.radius));
    });
}

} // namespace

QString emptyFileNameMessage()
{
    return QCoreApplication::translate("ObjectForms", "文件名不能为空！");
}

void presetCutCircle(BoxForm& form)
{
    presetBox(form, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"));
}

QString cutCircleProblem(const BoxForm& form, const LabelSettings& label)
{
    return problemOrWrongData([&] {
        return boxProblem(boxValues(form), FitEdge::PastEdge, label.Width, label.Height);
    });
}

void addCutCircles(const BoxForm& form, Tobject& document)
{
    const BoxValues box = boxValues(form);
    document.AddCutCircles(box.left, box.top, box.right(), box.bottom(), box.rows, box.columns,
                           box.rowGap, box.columnGap);
}

void presetCutHalfCircle(RoundedBoxForm& form)
{
    presetCornerBox(form.box);
    form.radiusEnabled = true;
}

QString cutHalfCircleProblem(const RoundedBoxForm& form, const LabelSettings& label)
{
    return roundedBoxProblem(form, FitEdge::ReachingEdge, label);
}

void addCutHalfCircles(const RoundedBoxForm& form, Tobject& document)
{
    const BoxValues box = boxValues(form.box);
    const int radius = tenthsOfMillimetre(form.radius);
    document.AddCutHalfCircles(box.left, box.top, box.right(), box.bottom(), box.rows, box.columns,
                               box.rowGap, box.columnGap, radius);
}

void presetPictureBox(PictureBoxForm& form)
{
    presetCornerBox(form.box);
    form.fileName.clear();
}

QString cutImageProblem(const PictureBoxForm& form, const LabelSettings& label)
{
    if (form.fileName.isEmpty())
        return emptyFileNameMessage();
    return cutCircleProblem(form.box, label);
}

void addCutImages(const PictureBoxForm& form, Tobject& document)
{
    const BoxValues box = boxValues(form.box);
    document.AddCutImages(box.left, box.top, box.right(), box.bottom(), box.rows, box.columns,
                          box.rowGap, box.columnGap, form.fileName);
}

QString cutRectProblem(const RoundedBoxForm& form, const LabelSettings& label)
{
    return roundedBoxProblem(form, FitEdge::PastEdge, label);
}

void fillCutRectEdit(RoundedBoxForm& form, const Tshape& shape)
{
    fillEditedBox(form.box, shape);
    form.radius = QStringLiteral("0");
    form.radiusEnabled = false;
}

void writeCutRectEdit(const RoundedBoxForm& form, Tshape& shape, const Tobject& document)
{
    writeEditedBox(form.box, shape, document);
}

void fillCutHalfCircleEdit(RoundedBoxForm& form, const Tshape& shape)
{
    fillEditedBox(form.box, shape);
    form.radius = millimetreText(shape.printR);
    form.radiusEnabled = true;
}

void writeCutHalfCircleEdit(const RoundedBoxForm& form, Tshape& shape, const Tobject& document)
{
    const int radius = tenthsOfMillimetre(form.radius);
    writeEditedBox(form.box, shape, document);
    shape.printR = radius;
    shape.R = document.ToPixels(radius);
}

void fillPictureEdit(PictureBoxForm& form, const Tshape& shape)
{
    fillEditedBox(form.box, shape);
    form.fileName = shape.fileName;
}

void writePictureEdit(const PictureBoxForm& form, Tshape& shape, const Tobject& document)
{
    writeEditedBox(form.box, shape, document);
    shape.fileName = form.fileName;
}

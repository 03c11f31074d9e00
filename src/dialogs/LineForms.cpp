#include "dialogs/LineForms.h"

#include "dialogs/BoxForm.h"
#include "dialogs/ObjectFormText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

#include <cmath>
#include <numbers>

namespace {

struct CutLineValues {
    float startX, startY, endX, endY;
};

CutLineValues cutLineValues(const CutLineForm& form)
{
    return {floatTenthsOfMillimetre(form.startX), floatTenthsOfMillimetre(form.startY),
            floatTenthsOfMillimetre(form.endX), floatTenthsOfMillimetre(form.endY)};
}

struct PrintLineValues {
    int x1, y1, x2, y2;
};

PrintLineValues printLineValues(const PrintLineForm& form)
{
    return {tenthsOfMillimetre(form.startX), tenthsOfMillimetre(form.startY),
            tenthsOfMillimetre(form.endX), tenthsOfMillimetre(form.endY)};
}

struct CutArcValues {
    double centerX, centerY, radius, startAngle, endAngle;
};

// The arc's fields are doubles: a float would store 33.33 mm as 333.299988 tenths.
double doubleTenths(const QString& millimetres)
{
    return strToFloat(millimetres) * 10;
}

CutArcValues cutArcValues(const CutArcForm& form)
{
    return {doubleTenths(form.centerX), doubleTenths(form.centerY), doubleTenths(form.radius),
            strToFloat(form.startAngle), strToFloat(form.endAngle)};
}

bool within(int value, int limit)
{
    return value >= 0 && value <= limit;
}

} // namespace

void presetCutLine(CutLineForm& form)
{
    form.startX = form.startY = QStringLiteral("0");
    form.endX = form.endY = QStringLiteral("10");
    form.startDown = true;
    form.endUp = true;
}

void placeEndByPolar(CutLineForm& form)
{
    try {
        const double startX = strToFloat(form.startX);
        const double startY = strToFloat(form.startY);
        const double length = strToFloat(form.length);
        const double angle = strToFloat(form.angle) * std::numbers::pi / 180;
        form.endX = fixedDecimals(startX + length * std::cos(angle), 1);
        form.endY = fixedDecimals(startY + length * std::sin(angle), 1);
    } catch (const ConversionError&) {
    }
}

QString cutLineProblem(const CutLineForm& form)
{
    return problemOrWrongData([&] {
        cutLineValues(form);
        return QString();
    });
}

void addCutLine(const CutLineForm& form, Tobject& document)
{
    const CutLineValues line = cutLineValues(form);
    document.TakeSnapshot();
    document.AddCutLine(line.startX, line.startY, line.endX, line.endY, form.startDown ? 1 : 0,
                        form.endUp ? 1 : 0, form.delay ? 1 : 0);
}

void fillCutLineEdit(CutLineForm& form, const Tshape& shape)
{
    form.startX = fixedDecimals(shape.startX / 10.0, 4);
    form.startY = fixedDecimals(shape.startY / 10.0, 4);
    form.endX = fixedDecimals(shape.endX / 10.0, 4);
    form.endY = fixedDecimals(shape.endY / 10.0, 4);
    form.startDown = shape.startDown != 0;
    form.endUp = shape.endUp != 0;
    form.delay = shape.Delay != 0;
}

void writeCutLineEdit(const CutLineForm& form, Tshape& shape, const Tobject& document)
{
    const CutLineValues line = cutLineValues(form);
    shape.startX = line.startX;
    shape.startY = line.startY;
    shape.endX = line.endX;
    shape.endY = line.endY;
    shape.startDown = form.startDown ? 1 : 0;
    shape.endUp = form.endUp ? 1 : 0;
    shape.Delay = form.delay ? 1 : 0;
    document.setCutLineBoxes(shape);
}

void presetPrintLine(PrintLineForm& form)
{
    form.startX = form.startY = QStringLiteral("0");
    form.endX = form.endY = QStringLiteral("10");
}

QString printLineProblem(const PrintLineForm& form, const LabelSettings& label)
{
    return problemOrWrongData([&]() -> QString {
        const PrintLineValues line = printLineValues(form);
        const double lineWidth = strToFloat(form.lineWidth);
        if (!within(line.x1, label.Width))
            return ObjectFormText::tr("起点X必须大于0并小于标签宽度！");
        if (!within(line.y1, label.Height))
            return ObjectFormText::tr("起点Y必须大于0并小于标签高度！");
        if (!within(line.x2, label.Width))
            return ObjectFormText::tr("终点X必须大于0并小于标签宽度！");
        if (!within(line.y2, label.Height))
            return ObjectFormText::tr("终点Y必须大于0并小于标签高度！");
        if (lineWidth < 0.1)
            return ObjectFormText::tr("线宽必须大于等于0.1！");
        if (lineWidth > 0.9)
            return ObjectFormText::tr("线宽必须小于等于0.9！");
        return {};
    });
}

void addPrintLine(const PrintLineForm& form, Tobject& document)
{
    const PrintLineValues line = printLineValues(form);
    document.AddPrintLine(line.x1, line.y1, line.x2, line.y2, tenthsOfMillimetre(form.lineWidth));
}

void fillPrintLineEdit(PrintLineForm& form, const Tshape& shape)
{
    // The start corner: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left.
    const int direction = shape.direction;
    const bool startsRight = direction == 1 || direction == 2;
    const bool startsBottom = direction == 2 || direction == 3;
    form.startX = millimetreText(startsRight ? shape.printRight : shape.printLeft);
    form.endX = millimetreText(startsRight ? shape.printLeft : shape.printRight);
    form.startY = millimetreText(startsBottom ? shape.printBottom : shape.printTop);
    form.endY = millimetreText(startsBottom ? shape.printTop : shape.printBottom);
    form.lineWidth = millimetreText(shape.lineWidth);
}

void writePrintLineEdit(const PrintLineForm& form, Tshape& shape, const Tobject& document)
{
    const PrintLineValues line = printLineValues(form);
    shape.lineWidth = tenthsOfMillimetre(form.lineWidth);
    document.setPrintLineEnds(shape, line.x1, line.y1, line.x2, line.y2);
}

QString cutArcProblem(const CutArcForm& form)
{
    return problemOrWrongData([&]() -> QString {
        const CutArcValues arc = cutArcValues(form);
        if (!(arc.startAngle < arc.endAngle))
            return ObjectFormText::tr("弧结束角度必须大于开始角度！");
        return {};
    });
}

void addCutArc(const CutArcForm& form, Tobject& document)
{
    const CutArcValues arc = cutArcValues(form);
    document.TakeSnapshot();
    document.AddCutArc(arc.centerX, arc.centerY, arc.radius, arc.startAngle, arc.endAngle,
                       form.startDown ? 1 : 0, form.endUp ? 1 : 0, form.direction);
}

void fillCutArcEdit(CutArcForm& form, const Tshape& shape)
{
    form.centerX = fixedDecimals(shape.CenterX / 10, 4);
    form.centerY = fixedDecimals(shape.CenterY / 10, 4);
    form.radius = fixedDecimals(shape.Radiu / 10, 4);
    form.startAngle = fixedDecimals(shape.SAngle, 4);
    form.endAngle = fixedDecimals(shape.EAngle, 4);
    form.direction = shape.direction == 1 ? 1 : 0;
    form.startDown = shape.startDown != 0;
    form.endUp = shape.endUp != 0;
}

void writeCutArcEdit(const CutArcForm& form, Tshape& shape, const Tobject& document)
{
    const CutArcValues arc = cutArcValues(form);
    shape.CenterX = arc.centerX;
    shape.CenterY = arc.centerY;
    shape.Radiu = arc.radius;
    shape.SAngle = arc.startAngle;
    shape.EAngle = arc.endAngle;
    shape.startDown = form.startDown ? 1 : 0;
    shape.endUp = form.endUp ? 1 : 0;
    shape.direction = form.direction;
    document.setArcBoxes(shape);
}

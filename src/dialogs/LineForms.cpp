#include "dialogs/LineForms.h"

#include "dialogs/BoxForm.h"
#include "dialogs/ObjectFormText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "model/Tobject.h"

#include <cmath>
#include <numbers>

namespace {

// A coordinate with one decimal; a value that rounds to zero shows as "0.0", never "-0.0".
QString oneDecimal(double value)
{
    const QString text = QString::asprintf("%.1f", value);
    return text == QStringLiteral("-0.0") ? QStringLiteral("0.0") : text;
}

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
        form.endX = oneDecimal(startX + length * std::cos(angle));
        form.endY = oneDecimal(startY + length * std::sin(angle));
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

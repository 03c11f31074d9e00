#pragma once

#include <QString>

class Tobject;
struct Tshape;
struct LabelSettings;

// The objects placed by their ends or their centre: cut lines, printed lines and cut arcs.
// Each add converts every field before it takes the undo snapshot, so a mistyped number
// never costs the previous undo point.

struct CutLineForm {
    QString startX = QStringLiteral("0");  // txtStartX, millimetres
    QString startY = QStringLiteral("0");  // txtStartY
    QString endX = QStringLiteral("10");   // txtEndX
    QString endY = QStringLiteral("10");   // txtEndY
    QString length = QStringLiteral("20"); // txtLength, millimetres
    QString angle = QStringLiteral("0");   // txtAngle, degrees, 90 pointing down the label
    bool startDown = true;                 // cbStartDown "线开始下刀"
    bool endUp = true;                     // cbEndUp "线结束抬刀"
    bool delay = false;                    // cbDelay "雕刻后延时"
};

// "刻直线": from the label's corner to (10, 10) mm, the knife going down and up.
void presetCutLine(CutLineForm& form);
// The end point length millimetres from the start at the angle, as "%.1f" texts. Nothing
// changes while a field is no number: the operator is still typing.
void placeEndByPolar(CutLineForm& form);
// A field that is no number: "请输入正确的数据！".
QString cutLineProblem(const CutLineForm& form);
// Takes the undo snapshot and adds the line selected.
void addCutLine(const CutLineForm& form, Tobject& document);

// Its edit: the ends with four decimals (length and angle keep theirs), the three boxes;
// the confirmed ends rebuild the boxes and the start corner.
void fillCutLineEdit(CutLineForm& form, const Tshape& shape);
void writeCutLineEdit(const CutLineForm& form, Tshape& shape, const Tobject& document);

struct PrintLineForm {
    QString startX = QStringLiteral("0");
    QString startY = QStringLiteral("0");
    QString endX = QStringLiteral("10");
    QString endY = QStringLiteral("10");
    QString lineWidth = QStringLiteral("0.3"); // txtLineWidth, millimetres
};

// "打印直线": from the label's corner to (10, 10) mm.
void presetPrintLine(PrintLineForm& form);
// Both ends on the label, edges included; a line 0.1 to 0.9 mm wide.
QString printLineProblem(const PrintLineForm& form, const LabelSettings& label);
void addPrintLine(const PrintLineForm& form, Tobject& document);

// Its edit: the ends from the model box by the start corner; the confirmed ends rebuild
// the boxes and the start corner.
void fillPrintLineEdit(PrintLineForm& form, const Tshape& shape);
void writePrintLineEdit(const PrintLineForm& form, Tshape& shape, const Tobject& document);

struct CutArcForm {
    QString centerX = QStringLiteral("10");  // txtCenterX, millimetres
    QString centerY = QStringLiteral("10");  // txtCenterY
    QString radius = QStringLiteral("10");   // txtRadiu
    QString startAngle = QStringLiteral("0"); // cmbSAngle, degrees counter-clockwise from the right
    QString endAngle = QStringLiteral("90");  // cmbEAngle
    int direction = 0;                       // cmbDirection: 0 "逆时针", 1 "顺时针"
    bool startDown = true;                   // cbStartDown "弧开始下刀"
    bool endUp = true;                       // cbEndUp "弧结束抬刀"
};

// A field that is no number, then an end angle not past the start angle.
QString cutArcProblem(const CutArcForm& form);
// Takes the undo snapshot and adds the arc selected.
void addCutArc(const CutArcForm& form, Tobject& document);
// Its edit: centre and radius in millimetres, the angles in degrees, all with four
// decimals; the confirmed arc gets both boxes anew.
void fillCutArcEdit(CutArcForm& form, const Tshape& shape);
void writeCutArcEdit(const CutArcForm& form, Tshape& shape, const Tobject& document);

#pragma once

#include <QList>
#include <QString>

// The fifteen kinds of object a label can hold. Code that treats kinds differently
// compares the record's Type text with these names (exactly, case-sensitive); the
// enumeration only saves repeating the comparison in every switch.
enum class ShapeKind {
    None, // a Type that names no kind: the record is kept but skipped by every per-kind step
    CutRect,
    CutRoundRect,
    CutCircle,
    CutHalfCircle,
    CutArc,
    CutLine,
    CutImage,
    PrintRect,
    PrintLine,
    PrintString,
    PrintBar,
    PrintQRBar,
    PrintDataMatrix,
    PrintPdf417Bar,
    PrintImage,
};

// One object of the label. It is a plain value: the common head followed by the fields
// of every kind, each kind reading only its own (the comment before a group names the
// kinds that use it). Copying a record copies every field, so copying a list is the deep
// copy the undo list and the clipboard rely on. Each field name is also its element name
// in the label file. Model values are tenths of a millimetre; Left/Top/Right/Bottom and R
// are screen pixels at the zoom current when they were set.
struct Tshape {
    // Head, common to all kinds.
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Selected = false;
    bool Stretch = true; // a corner drag resizes the object
    QString Type;
    QString name; // stored for the anchored kinds only
    int printLeft = 0;
    int printTop = 0;
    int printRight = 0;
    int printBottom = 0;
    bool ifPrint = true; // false: kept in the label, skipped by print and cut jobs

    // TcutRoundRect, TcutHalfCircle, TprintRect: corner or end radius.
    int printR = 0;
    int R = 0; // printR in pixels at the zoom of creation or last edit

    // TcutRoundRect, TcutArc: cutting direction (0 counter-clockwise, 1 clockwise).
    // TcutLine, TprintLine: start corner code. Texts and symbols: rotation 0..3.
    int direction = 0;

    // TcutRoundRect: where the knife goes down and the joint left uncut.
    int gapPos = 0; // 1 left, 2 bottom, 3 right, 4 top edge
    float gapDistance = 0;
    float gapLenth = 0;
    float gapOffset = 0;
    int delayms = 0;

    // TcutArc: centre, radius and angles in degrees counter-clockwise as seen on the label.
    double CenterX = 0;
    double CenterY = 0;
    double Radiu = 0;
    double SAngle = 0;
    double EAngle = 0;
    // TcutArc, TcutLine: knife down at the start, up at the end.
    int startDown = 0;
    int endUp = 0;

    // TcutLine
    float startX = 0;
    float startY = 0;
    float endX = 0;
    float endY = 0;
    int Delay = 0; // pause after cutting the line

    // TcutImage, TprintImage
    QString fileName;

    // TprintRect
    int isSolid = 0;
    int printLineWidth = 0; // tenths of a millimetre, for the printer
    // TprintRect, TprintLine: pen width the view draws with, in pixels.
    int lineWidth = 0;

    // TprintString
    QString str;
    int printSize = 0; // points
    int serialNo = 0;  // step of the number in the text after each label job
    QString DBType;    // "文本" or "日期"
    int DBDateStyle = 0;

    // TprintString, TprintBar: font and text layout (for a barcode, its human-readable line).
    float strGap = 0;
    QString fontName;
    float fontSize = 0; // TprintString: print size × zoom of the last change
    int bold = 0;
    int italic = 0;
    int underLine = 0;
    int strikeOut = 0;
    float widthFactor = 0;
    float heightFactor = 0;

    // TprintString and the four symbol kinds: spreadsheet column replacing the value.
    QString DBField;

    // TprintBar
    QString barType;
    int wideBarWidth = 0;
    int selfAdd = 0;
    int displayCode = 0;
    int alignMode = 0;
    int if39Star = 0;
    float xOffset = 0;
    float yOffset = 0;
    QString beginStr;
    QString endStr;

    // The four symbol kinds.
    int barWidth = 0;
    QString barValue;
    // TprintBar, TprintPdf417Bar
    int barHeight = 0;
    // TprintQRBar, TprintDataMatrix, TprintPdf417Bar
    int barLevel = 0;
    // TprintPdf417Bar
    int barColumn = 0;

    ShapeKind kind() const;
    bool isKnownKind() const { return kind() != ShapeKind::None; }
    bool isCut() const; // the family: Type begins with "cut"
    bool isAnchored() const;
    int modelWidth() const { return printRight - printLeft; }
    int modelHeight() const { return printBottom - printTop; }

    friend bool operator==(const Tshape&, const Tshape&) = default;
};

using ShapeList = QList<Tshape>;

ShapeKind shapeKindOf(const QString& type);
QString typeName(ShapeKind kind);

// A fresh record of the given kind: head at its initial values, Type set.
Tshape makeShape(ShapeKind kind);

// The text the object list panel shows for a record.
QString objectListText(const Tshape& shape);

// Start corner of a line drawn from (x1, y1) to (x2, y2): 0 top-left, 1 top-right,
// 2 bottom-right, 3 bottom-left.
template <typename T>
int lineStartCorner(T x1, T y1, T x2, T y2)
{
    if (x1 <= x2)
        return y1 <= y2 ? 0 : 3;
    return y1 <= y2 ? 1 : 2;
}

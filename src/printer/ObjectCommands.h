#pragma once

#include "model/Tshape.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPoint>
#include <QString>

#include <optional>

// Where and how the objects of a label land in the printer's frame.
struct LabelFrame {
    int width = 0;    // the label's Width, tenths of a millimetre
    int height = 0;   // its Height
    int rotation = 0; // its Rotation: 3 feeds the label sideways
    int offsetX = 0;  // the print offset, added to every x
    int offsetY = 0;  // ... and to every y

    // The anchor of a text or symbol, mapped by the rotation and offset.
    QPoint anchor(const Tshape& shape) const;
    // The first and second corner of a rectangle or line, mapped and offset.
    QPoint firstCorner(const Tshape& shape) const;
    QPoint secondCorner(const Tshape& shape) const;
    // A point of the label as the printer sees it after the offset.
    QPoint offset(QPoint point) const { return point + QPoint(offsetX, offsetY); }
};

// The rotation code a symbol command carries for an object turned by direction.
int symbolRotationCode(int direction, int labelRotation);

// The rotation of a text graphic: the object's quarter turns less the label's.
int textRotation(int direction, int labelRotation);

// A linear symbol type as the printer's type code names it: the type's name as the objects
// store it (in upper case) and whether the command gives narrow and wide widths instead of
// one module width. nullopt for a code the program never sends.
struct LinearSymbolType {
    QString barType;
    bool wideForm = false;
};
std::optional<LinearSymbolType> linearTypeOfCode(QByteArrayView code);

// The command of a rectangle, a line or a symbol, with the object's index in the list and the
// data the symbol encodes (prefix and suffix included). Empty for the other kinds and for a
// linear symbol type the printer does not know.
QByteArray objectCommand(const Tshape& shape, int index, const LabelFrame& frame, const QString& data);

#pragma once

#include "cutter/CutterStreamReader.h"

#include <QByteArray>
#include <QTransform>

class QPainter;

// The knife's path drawn for the operator: cuts as solid dark red lines, travel with the
// knife up as dashed blue lines, and a green ring where each cut begins.

// Onto a painter; toSurface maps cutter pulses onto the surface. The pens keep their width
// in surface pixels whatever the scale.
void drawCutPath(QPainter& painter, const CutPath& path, const QTransform& toSurface);

// As an SVG picture in cutter pulses (its size in millimetres when the pulse factors are
// known), the set-up commands listed in its description.
QByteArray cutPathSvg(const CutPath& path);

#pragma once

#include "model/StreamProblem.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QString>

// One move of the knife, in cutter pulses: x across the paper (the horizontal position of
// the path commands), y along it (their vertical position).
struct CutStroke {
    QPolygonF points;   // from where the move starts to where it ends
    bool cuts = false;  // the knife is down: the move cuts; otherwise it only travels
};

// A command that sets the cutter up (or a pause within the path), and what it asks for.
struct CutterSetting {
    QByteArray command;
    QString meaning;
};

// The knife's path as the cutter follows it from its stream.
struct CutPath {
    double pulsesPerMmX = 0; // from the pulse factor command; 0 when none came
    double pulsesPerMmY = 0;
    QList<CutStroke> strokes;
    QList<QPointF> starts;   // where the knife goes down to begin a cut
    QList<CutterSetting> settings;
    QList<StreamProblem> problems;

    bool cutsAnything() const;
};

// Reads a cutter stream (one or more command sequences "#" … "@") as the cutter follows it:
// the knife goes down with "D" and "K1" and stays down until "U" (unless "K1" holds it) or
// "K0"; "M" moves as the knife stands; the rounded rectangles, ellipses and arcs of the
// command form are followed through their outline (in millimetres, turned into pulses by the
// factors of "Q"). Commands it cannot follow are reported, never skipped silently.
CutPath readCutterStream(const QByteArray& stream);

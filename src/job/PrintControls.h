#pragma once

#include "model/JobSettings.h"

#include <QString>

// The printer controls of the job window as a job reads them when it starts: list positions
// for the fixed lists, texts for the port, baud and number boxes, and the feed-mode box. The
// command-line tool and the tests fill it from the settings as the window would show them.
struct PrintControls {
    int cmbPrintSensor = 0;   // positions
    int cmbPrintRibbon = 0;
    int cmbPrintSpeed = 0;
    int cmbPrintDarkness = 0;
    int cmbPrintDPI = 0;
    int cmbPrintRotation = 0;
    int cmbOstrel = 0;
    QString cmbPrintPort;     // texts
    QString cmbPrintStatusPort;
    QString cmbPrintBaud;
    QString txtPrintGap;      // millimetres
    QString txtPrintU1U2;     // millimetres
    QString txtPrintX;        // millimetres
    QString txtPrintY;        // millimetres
    QString txtQuantity;
    bool cbFeed = false;      // feed mode: the printer prints its image buffer again
};

// The controls as the job window shows the settings when it opens: lengths in millimetres
// (25 tenths as "2.5"), an empty quantity as "1".
PrintControls printControlsFromSettings(const JobSettings& settings);

// The settings refresh that starts a label job and the blank feed: the list positions, the
// port texts, the gap, the feed adjustment (limited to -4000 … 4000), the quantity and the
// print offsets. Every text is converted before any setting changes, so a text that is no
// number (ConversionError) leaves the settings as they were.
void refreshPrintSettings(JobSettings& settings, const PrintControls& controls, int offsetX, int offsetY);

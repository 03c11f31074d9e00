#pragma once

#include <QString>

// The label's own settings, stored in the label file beside the job settings. One shared
// instance serves the whole program (labelSettings()); the document keeps copies of the
// size, background and lock, refreshed whenever a label is set up or loaded.
struct LabelSettings {
    int Width = 1300;  // tenths of a millimetre
    int Height = 900;  // tenths of a millimetre
    int Rotation = 0;  // 0 portrait, 3 landscape; the jobs turn the label by it
    int labelLock = 0; // objects cannot be dragged with the pointer
    QString BGFile;    // background picture; empty = none
    int BGX = 0;       // millimetres
    int BGY = 0;
    int BGWidth = 0;
    int BGHeight = 0;
    float Zoom = 1.0f; // the view's zoom, set to the fitting zoom at start-up

    friend bool operator==(const LabelSettings&, const LabelSettings&) = default;
};

LabelSettings& labelSettings();

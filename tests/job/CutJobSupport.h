#pragma once

#include "job/CutStream.h"

#include <QString>

// A label set up as a new one (130 × 90 mm, the settings' initial values) holding one cut
// rectangle, and the window's controls filled from its settings.
struct CutJobFixture {
    JobSettings settings;
    LabelSettings label;
    JobControls controls = controlsFromSettings(settings);
    ShapeList objects{cutRectangle()};
    bool stopRequested = false;

    CutJobInputs inputs() { return {controls, settings, label, objects, stopRequested}; }

    // A 30 × 20 mm rectangle 10 mm from the label's top-left corner.
    static Tshape cutRectangle();
    // A label of every family: a 10 × 5 mm ellipse in the top-left corner, a rectangle
    // switched off, a print object, then the enabled rectangle.
    static ShapeList mixedObjects();
};

// Makes path the working directory for its lifetime: the cut job writes "cutToFile" there.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const QString& path);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    QString m_previous;
};

#pragma once

#include <QString>

class Tobject;
struct LabelSettings;

// The label setup as the operator typed it: sizes in millimetres (decimals allowed), the
// background placement in whole millimetres. The dialog is created once and keeps what it
// held last, so the background fields keep their text while no background is in use.
struct LabelSetupForm {
    QString width = QStringLiteral("130");
    QString height = QStringLiteral("90");
    bool landscape = false;
    bool useBackground = false;
    QString bgFile;
    QString bgWidth = QStringLiteral("77");
    QString bgHeight = QStringLiteral("62");
    QString bgX = QStringLiteral("3");
    QString bgY = QStringLiteral("3");
    bool lock = false;
};

// The size, in tenths of a millimetre, and the rotation a confirmed setup gives the label.
struct LabelSize {
    int width = 0;
    int height = 0;
    int rotation = 0; // 0 portrait, 3 landscape

    friend bool operator==(const LabelSize&, const LabelSize&) = default;
};

// Loads the form from the label settings. Without a background the file name is emptied
// and the four placement fields keep their last text.
void fillLabelSetupForm(LabelSetupForm& form, const LabelSettings& settings);

// Why the form cannot be confirmed (the message the operator sees), or an empty string.
QString labelSetupProblem(const LabelSetupForm& form);

// Stores the lock and the background in the label settings and their copies in the
// document, and returns the size and rotation to apply to the view. Raises ConversionError
// for a field that is not a number, before anything is stored.
LabelSize applyLabelSetup(const LabelSetupForm& form, LabelSettings& settings, Tobject& document);

// The background picture must be a Windows bitmap: the name ends in ".bmp", lower case.
bool hasBitmapExtension(const QString& fileName);

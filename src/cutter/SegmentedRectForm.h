#pragma once

#include "cutter/SegmentedRect.h"

#include <QString>

#include <optional>

// What the operator typed into the segmented-rectangle dialog: millimetres, the delay in
// milliseconds.
struct SegmentedRectForm {
    QString left;        // txtLeft
    QString top;         // txtTop
    QString width;       // txtWidth
    QString height;      // txtHeight
    QString radius;      // txtR
    QString jointLength; // txtJointLen
    QString gapOffset;   // txtGapOffset
    QString delayms;     // txtDelayms
    QString upLine;      // txtUpLine: start distance on the top side
    QString leftLine;    // txtLeftLine
    QString rightLine;   // txtRightLine
    QString downLine;    // txtDownLine
    int direction = 0;   // cmbDirection: 0 "逆时针", 1 "顺时针"
    RectSide side = RectSide::Left;
};

// The start distance typed for a side, and for the chosen one.
QString& sideDistance(SegmentedRectForm& form, RectSide side);
const QString& sideDistance(const SegmentedRectForm& form);

// The checks of the dialog's "确定", in their order. The first that fails is shown with
// the caption "提示" and the information icon, and nullopt is returned so the dialog stays
// open. A field that is not a number raises ConversionError, also while the dialog is still
// open. The joint offset and the delay are checked but do not shape the chain.
std::optional<SegmentedRect> acceptSegmentedRectForm(const SegmentedRectForm& form);

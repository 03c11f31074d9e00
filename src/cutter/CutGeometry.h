#pragma once

// What the cut job fixes once per job and hands to every cut object it turns into cutter
// text. Model values are tenths of a millimetre; the factors convert them to the
// plotter's pulses.
struct CutContext {
    float kx = 0; // pulses per tenth of a millimetre along the label's width
    float ky = 0; // pulses per tenth of a millimetre along the label's height
    int offsetX = 0; // tenths of a millimetre from the cutter's origin to the label's left edge
    int offsetY = 0; // tenths of a millimetre from the cutter's origin to the label's top edge
    bool commandMode = true; // the plotter draws curves itself ("指令雕刻")
    bool rotated = false;    // the label is shown a quarter turn away from the paper
    int labelWidth = 0;      // the label width as shown, tenths of a millimetre

    // The factor for a pulses-per-millimetre figure the operator chose (66.667 → 6.6667).
    static float pulseFactor(double pulsesPerMillimetre);
};

// A model value in pulses: the value as a 32-bit float times the factor, rounded half up
// with the product and the sum kept in extended precision.
int ToPulses(float value, float factor);

// Sine and cosine of whole degrees. Every path the cutter receives steps through whole
// degrees, and the quarter and thirty-degree points must land exactly (a corner of radius
// 2 pulses reaches 1 pulse at 30°, not 0.99999), so the values come from one table of the
// first quadrant with its exact entries fixed.
long double sinDegrees(long long degrees);
long double cosDegrees(long long degrees);

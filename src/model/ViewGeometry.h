#pragma once

#include <QSize>

// The arithmetic of the label view, kept apart from any widget so that it can be tested
// and used by the headless tools.

// The zoom at which a label of width x height tenths of a millimetre fits a scrolling area
// of the given pixel size, leaving a 30-pixel margin. The smaller of the two ratios wins.
float fitZoom(int width, int height, int dpi, QSize area);

// Pixel size of the label surface at a zoom: trunc(size x dpi / 254 x zoom) on each axis.
QSize labelImageSize(int width, int height, int dpi, float zoom);

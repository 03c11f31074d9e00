#pragma once

#include <QSize>
#include <QStringList>

#include <optional>

// The zoom list of the tool bar: entry 0 fits the label to the view, the others are fixed
// percentages from 50 % to 500 %.
QStringList zoomEntryTexts();

// The zoom of an entry, given the fitting zoom for entry 0; none for an index outside.
std::optional<float> zoomOfEntry(int index, float fitZoom);

// "放大" steps to the next entry and stops at the last; "缩小" steps back but never below
// the first percentage, so it also leaves the fitted entry for 50 %.
int zoomInEntry(int index);
int zoomOutEntry(int index);

// Pixel size of the label surface when the zoom changes: the size at 100 % in whole
// pixels, then scaled and truncated.
QSize zoomedSurfaceSize(int width, int height, int dpi, float zoom);

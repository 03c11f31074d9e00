#pragma once

#include "model/Tshape.h"
#include "printer/RasterGraphic.h"
#include "support/TestApp.h"

#include <QImage>

// A fresh object of the kind with its model box from (left, top) to (right, bottom).
using testing_support::placedShape;

// The raster of a graphic command turned back into a picture, one pixel per dot (black for a
// set bit), so tests can look at where the dots fall.
QImage decodedRaster(const RasterGraphic& graphic);

// The bounding box of the black pixels; a null rectangle when there are none.
QRect dotBounds(const QImage& dots);

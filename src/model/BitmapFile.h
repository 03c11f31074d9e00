#pragma once

#include <QImage>
#include <QString>

// Loads a picture file as a BMP (whatever its name says), or gives the reason it cannot in
// error: missing, a folder, unreadable, not a bitmap, damaged or too large. Cut outlines and
// printed pictures are both taken from such files.
QImage loadBitmap(const QString& fileName, QString& error);

#pragma once

#include <QImage>
#include <QString>

class QIODevice;

// Loads a picture file as a BMP (whatever its name says), or gives the reason it cannot in
// error: missing, a folder, unreadable, not a bitmap, damaged or too large. Cut outlines and
// printed pictures are both taken from such files.
QImage loadBitmap(const QString& fileName, QString& error);

// The same for a bitmap already open in device; name names it in messages.
QImage readBitmap(QIODevice& device, const QString& name, QString& error);

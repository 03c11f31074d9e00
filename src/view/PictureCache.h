#pragma once

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QString>

// Pictures the label view shows (the background and picture objects), by file. The label
// is redrawn completely after every change; decoding every picture again each time would
// make dragging an object stutter. An entry holds while the file keeps its size and
// modification time, so a picture edited outside the program shows its new content at
// the next redraw; a missing or unreadable file is never cached.
// Used from the main thread only.
class PictureCache {
public:
    explicit PictureCache(qsizetype maxKilobytes = 128 * 1024);

    // The picture as stored; null when the file is missing or cannot be read.
    QImage picture(const QString& fileName);
    // The same picture with its white (255,255,255) pixels made transparent, as picture
    // objects are laid over what lies beneath them.
    QImage pictureWhiteTransparent(const QString& fileName);
    // The part within visible of the picture stretched over target on the white sheet, as the
    // label's background shows. Stretching it anew on every redraw would make dragging on a
    // large label stutter, so the last part made is kept while the file and the place stay.
    QImage sheetBackground(const QString& fileName, const QRect& target, const QRect& visible);

    void clear();

    // How many times a file had to be decoded since the cache was made or cleared.
    int loadCount() const { return loads; }

private:
    struct Entry {
        qint64 size = 0;
        QDateTime modified;
        QImage plain;
        QImage whiteTransparent; // made on first use
        // The last part of the picture stretched over the sheet, and where.
        QRect stretchedTarget;
        QRect stretchedVisible;
        QImage stretched;
    };

    Entry* entryFor(const QString& fileName);

    QCache<QString, Entry> entries;
    QString oversizeName;
    Entry oversize;
    int loads = 0;
};

// The program's picture cache.
PictureCache& pictureCache();

// A copy of image in which every pure white pixel is transparent.
QImage withWhiteTransparent(const QImage& image);

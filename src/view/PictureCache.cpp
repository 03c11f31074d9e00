#include "view/PictureCache.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace {

qsizetype kilobytesOf(const QImage& image)
{
    return std::max<qsizetype>(1, image.sizeInBytes() / 1024);
}

} // namespace

PictureCache::PictureCache(qsizetype maxKilobytes)
    : entries(maxKilobytes)
{
}

PictureCache::Entry* PictureCache::entryFor(const QString& fileName)
{
    if (fileName.isEmpty())
        return nullptr;
    const QFileInfo info(fileName);
    if (!info.isFile())
        return nullptr;
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    if (Entry* entry = entries.object(fileName); entry && entry->size == size && entry->modified == modified)
        return entry;
    if (oversizeName == fileName && oversize.size == size && oversize.modified == modified)
        return &oversize;

    entries.remove(fileName);
    QImageReader reader(fileName);
    QImage image = reader.read();
    ++loads;
    if (image.isNull())
        return nullptr;
    // Twice the picture: its white-transparent copy may join it.
    const qsizetype cost = 2 * kilobytesOf(image);
    if (cost > entries.maxCost()) {
        // Larger than the whole cache: kept aside until another such picture is shown.
        oversize = Entry{size, modified, std::move(image), {}, {}, {}, {}};
        oversizeName = fileName;
        return &oversize;
    }
    entries.insert(fileName, new Entry{size, modified, std::move(image), {}, {}, {}, {}}, cost);
    return entries.object(fileName);
}

QImage PictureCache::picture(const QString& fileName)
{
    const Entry* entry = entryFor(fileName);
    return entry ? entry->plain : QImage();
}

QImage PictureCache::pictureWhiteTransparent(const QString& fileName)
{
    Entry* entry = entryFor(fileName);
    if (!entry)
        return {};
    if (entry->whiteTransparent.isNull())
        entry->whiteTransparent = withWhiteTransparent(entry->plain);
    return entry->whiteTransparent;
}

QImage PictureCache::sheetBackground(const QString& fileName, const QRect& target, const QRect& visible)
{
    Entry* entry = entryFor(fileName);
    if (!entry || visible.isEmpty())
        return {};
    if (entry->stretched.isNull() || entry->stretchedTarget != target || entry->stretchedVisible != visible) {
        QImage part(visible.size(), QImage::Format_RGB32);
        part.fill(Qt::white);
        QPainter painter(&part);
        painter.drawImage(QRectF(target.translated(-visible.topLeft())), entry->plain);
        painter.end();
        entry->stretched = std::move(part);
        entry->stretchedTarget = target;
        entry->stretchedVisible = visible;
    }
    return entry->stretched;
}

void PictureCache::clear()
{
    entries.clear();
    oversize = {};
    oversizeName.clear();
    loads = 0;
}

PictureCache& pictureCache()
{
    static PictureCache cache;
    return cache;
}

QImage withWhiteTransparent(const QImage& image)
{
    if (image.isNull())
        return {};
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        std::replace(line, line + result.width(), qRgb(255, 255, 255), qRgba(0, 0, 0, 0));
    }
    return result;
}

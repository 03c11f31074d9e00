#include "model/BitmapFile.h"

#include "model/ModelText.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>
#include <limits>

namespace {

// The size a BMP file's header declares, for telling the operator why it did not load
// (the reader gives none for pictures it refuses as too large).
QSize declaredSize(QIODevice& file)
{
    if (!file.seek(14))
        return {};
    const QByteArray header = file.read(12);
    if (header.size() < 12)
        return {};
    const auto number = [&header](int offset, int bytes) {
        qint64 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value * 256 + quint8(header[offset + i]);
        return value;
    };
    const qint64 infoSize = number(0, 4);
    if (infoSize == 12) // the old OS/2 header: 16-bit sizes
        return QSize(int(number(4, 2)), int(number(6, 2)));
    if (infoSize < 40)
        return {};
    const qint32 width = qint32(quint32(number(4, 4)));
    const qint32 height = qint32(quint32(number(8, 4)));
    if (width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min())
        return {};
    return QSize(width, std::abs(height)); // a negative height stores the rows top down
}

} // namespace

QImage loadBitmap(const QString& fileName, QString& error)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        error = ModelText::tr("位图文件“%1”不存在。").arg(fileName);
        return {};
    }
    QFile file(fileName);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        error = ModelText::tr("无法打开位图文件“%1”：%2")
                    .arg(fileName, info.isDir() ? ModelText::tr("这是文件夹") : file.errorString());
        return {};
    }
    return readBitmap(file, fileName, error);
}

QImage readBitmap(QIODevice& device, const QString& name, QString& error)
{
    QImageReader reader(&device, "bmp");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        error = ModelText::tr("“%1”不是位图（BMP）文件。").arg(name);
        return {};
    }
    QImage picture = reader.read();
    const QSize size = picture.isNull() ? declaredSize(device) : picture.size();
    if (picture.isNull() && size.isValid())
        error = ModelText::tr("位图文件“%1”（%2 × %3 像素）已损坏或太大，无法读入。")
                    .arg(name)
                    .arg(size.width())
                    .arg(size.height());
    else if (picture.isNull())
        error = ModelText::tr("位图文件“%1”已损坏。").arg(name);
    return picture;
}

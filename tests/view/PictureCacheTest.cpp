#include "view/PictureCache.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage filled(int size, QRgb colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(PictureCache, ReusesAnUnchangedFileAndNeverShowsAStaleOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(filled(4, qRgb(255, 0, 0)).save(path));

    PictureCache cache;
    EXPECT_EQ(cache.picture(path).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(cache.picture(path).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(cache.loadCount(), 1) << "an unchanged file is decoded once";

    // Edited outside the program: a new size and modification time.
    ASSERT_TRUE(filled(6, qRgb(0, 0, 255)).save(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    file.close();
    EXPECT_EQ(cache.picture(path).pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(cache.loadCount(), 2);

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(cache.picture(path).isNull()) << "a deleted file shows nothing";
    EXPECT_TRUE(cache.pictureWhiteTransparent(path).isNull());
}

TEST(PictureCache, MissingUnreadableAndOversizePictures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString garbage = dir.filePath(QStringLiteral("garbage.bmp"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not really a bitmap");
    file.close();
    const QString big = dir.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(filled(100, qRgb(0, 255, 0)).save(big));

    PictureCache cache(1); // one kilobyte: the 100 x 100 picture does not fit
    for (const QString& path : {QString(), dir.filePath(QStringLiteral("none.bmp")), garbage, dir.path()})
        EXPECT_TRUE(cache.picture(path).isNull()) << qPrintable(path);
    EXPECT_EQ(cache.picture(big).pixel(50, 50), qRgb(0, 255, 0)) << "too large to keep, still shown";
    EXPECT_EQ(cache.pictureWhiteTransparent(big).pixel(50, 50), qRgb(0, 255, 0));
}

TEST(PictureCache, OnlyPureWhiteBecomesTransparent)
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(1, 0, qRgb(254, 255, 255));
    image.setPixel(2, 0, qRgb(0, 0, 0));
    const QImage result = withWhiteTransparent(image);
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
    EXPECT_EQ(result.pixel(1, 0), qRgb(254, 255, 255));
    EXPECT_EQ(result.pixel(2, 0), qRgb(0, 0, 0));
}

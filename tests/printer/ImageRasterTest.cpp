#include "PrinterTestSupport.h"

#include "model/MessageError.h"
#include "printer/ImageRaster.h"
#include "printer/Tcom.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage filled(QRgb colour, int width = 40, int height = 30)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

ImageGraphic pictureAt(int x, int y, int width, int height, bool rotate)
{
    ImageGraphic request;
    request.x = x;
    request.y = y;
    request.width = width;
    request.height = height;
    request.rotate = rotate;
    request.dpi = 305;
    return request;
}

int dotCount(const RasterGraphic& graphic)
{
    int count = 0;
    for (const char byte : graphic.raster)
        count += __builtin_popcount(quint8(byte));
    return count;
}

TEST(ImageRaster, UprightPicturesPrintDarkPixelsSidewaysOnlyBlackOnes)
{
    // 100 × 50 tenths at 305 dpi: 120 × 60 dots.
    struct Case {
        QRgb colour;
        bool rotate;
        bool prints;
    } const cases[] = {
        {qRgb(140, 140, 140), false, true},  // mean 140: still dark enough
        {qRgb(141, 141, 140), false, true},  // mean 140.67 truncates to 140
        {qRgb(141, 141, 141), false, false},
        {qRgb(255, 0, 165), false, true},    // mean 140
        {qRgb(140, 140, 140), true, false},  // sideways: grey is white
        {qRgb(0, 0, 1), true, false},
        {qRgb(0, 0, 0), true, true},
    };
    for (const Case& c : cases) {
        const std::optional<RasterGraphic> graphic =
            imageGraphic(pictureAt(10, 20, 100, 50, c.rotate), filled(c.colour));
        ASSERT_TRUE(graphic);
        EXPECT_EQ(dotCount(*graphic), c.prints ? 120 * 60 : 0) << qRed(c.colour) << "," << c.rotate;
    }
}

TEST(ImageRaster, SizeAndHeadFollowTheLabelAndTheFeedDirection)
{
    // 50 × 30 tenths at 305 dpi: 60 × 36 dots.
    const std::optional<RasterGraphic> upright = imageGraphic(pictureAt(10, 20, 50, 30, false), filled(qRgb(0, 0, 0)));
    ASSERT_TRUE(upright);
    EXPECT_EQ(upright->head(), QByteArray("{SG;0010,0020,0064,0036,1,"));
    EXPECT_EQ(dotBounds(decodedRaster(*upright)), QRect(0, 0, 60, 36)); // 4 blank columns

    // Sideways: rows are the picture's columns from the right, the height raised to 40.
    const std::optional<RasterGraphic> sideways = imageGraphic(pictureAt(500, 900, 50, 30, true), filled(qRgb(0, 0, 0)));
    ASSERT_TRUE(sideways);
    EXPECT_EQ(sideways->head(), QByteArray("{SG;0467,0851,0040,0060,1,")); // 500 - 40*254/305, 900 - 60*254/305
    EXPECT_EQ(dotBounds(decodedRaster(*sideways)), QRect(0, 0, 36, 60));
}

TEST(ImageRaster, SidewaysPictureIsTurnedAQuarter)
{
    // A black left half: sideways, the picture's left becomes the raster's bottom rows.
    QImage picture = filled(qRgb(255, 255, 255), 60, 36);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 30; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    const std::optional<RasterGraphic> graphic = imageGraphic(pictureAt(0, 0, 50, 30, true), picture);
    ASSERT_TRUE(graphic);
    EXPECT_EQ(dotBounds(decodedRaster(*graphic)), QRect(0, 30, 36, 30));
}

TEST(ImageRaster, MissingOrDamagedFileEndsTheJobWithItsReason)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.bmp"));
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BM\x10\x00garbage");
    }
    Tcom link(dir.filePath(QStringLiteral("out.prn")));
    ASSERT_TRUE(link.Open(QString()));
    for (const QString& name : {dir.filePath(QStringLiteral("missing.bmp")), damaged}) {
        ImageGraphic request = pictureAt(0, 0, 100, 100, false);
        request.fileName = name;
        try {
            SendImageGraphic(link, request);
            ADD_FAILURE() << "no error for " << qPrintable(name);
        } catch (const MessageError& error) {
            EXPECT_TRUE(error.message().contains(name)) << qPrintable(error.message());
        }
    }
}

TEST(ImageRaster, PictureWithoutSizeSendsNothingAndAHugeOneIsRefused)
{
    EXPECT_FALSE(imageGraphic(pictureAt(0, 0, 0, 100, false), filled(qRgb(0, 0, 0))));
    EXPECT_FALSE(imageGraphic(pictureAt(0, 0, 100, -5, true), filled(qRgb(0, 0, 0))));
    EXPECT_THROW(imageGraphic(pictureAt(0, 0, 100000, 100, false), filled(qRgb(0, 0, 0))), GraphicRangeError);
}

} // namespace

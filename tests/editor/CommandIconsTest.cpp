#include "editor/CommandIcons.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

// Every picture number the command table uses.
const int usedImages[] = {0, 1, 2, 3, 6, 10, 11, 14, 15, 18, 19, 20, 22, 24, 25, 26, 27, 28,
                          29, 31, 32, 33, 34};

int paintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

} // namespace

TEST(CommandIcons, EveryUsedNumberHasItsOwnVisiblePicture)
{
    QSet<QByteArray> seen;
    for (const int index : usedImages) {
        const QImage image = commandImage(index);
        ASSERT_FALSE(image.isNull()) << "picture " << index;
        EXPECT_EQ(image.size(), QSize(16, 16)) << "picture " << index;
        EXPECT_GT(paintedPixels(image), 10) << "picture " << index << " is nearly blank";
        const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bits)) << "picture " << index << " repeats another";
        seen.insert(bits);
        EXPECT_FALSE(commandIcon(index).isNull()) << "picture " << index;
    }
}

TEST(CommandIcons, UnusedNumbersGiveNoPicture)
{
    for (const int index : {-1, 4, 5, 7, 30, 35, 1000}) {
        EXPECT_TRUE(commandImage(index).isNull()) << "picture " << index;
        EXPECT_TRUE(commandIcon(index).isNull()) << "picture " << index;
    }
}

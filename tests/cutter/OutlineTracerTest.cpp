#include "TracingSupport.h"
#include "cutter/OutlineTracer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using cut_testing::drawing;
using cut_testing::rectangleOutline;

TEST(OutlineTracer, RectangleOutlineWithItsClosingStretch)
{
    struct Row {
        QPoint topLeft;
        QPoint bottomRight;
        int height;
        QList<QPoint> expected;
        const char* what;
    };
    const Row rows[] = {
        // 26 steps round: the closing list holds every turn and no 50th-step point.
        {{2, 2}, {9, 8}, 10,
         {{2, 5}, {2, 5}, {2, 8}, {9, 8}, {9, 2}, {2, 2}, {2, 5}, {2, 8}, {9, 8}, {9, 2}, {2, 2}},
         "shorter than 50 steps"},
        // S = (2, 15); down 6, east 29, then 14 of the 19 steps north make 49.
        {{2, 2}, {31, 21}, 30,
         {{2, 15}, {2, 15}, {2, 21}, {31, 21}, {31, 2}, {2, 2}, {2, 15}, {2, 21}, {31, 21}, {31, 7}},
         "the point after 49 steps closes the list"},
        // Odd height: the search starts on row 11 div 2 = 5, the rectangle's top row, so
        // the trace sets off east.
        {{0, 5}, {3, 7}, 11, {{0, 5}, {0, 5}, {3, 5}, {3, 7}, {0, 7}, {0, 5}, {3, 5}, {3, 7}, {0, 7}},
         "start on the top-left corner"},
    };
    for (const Row& row : rows) {
        const QImage picture = drawing(40, row.height, rectangleOutline(row.topLeft, row.bottomRight));
        EXPECT_EQ(traceImageOutline(picture), row.expected) << row.what;
    }
}

TEST(OutlineTracer, WhereTheTraceStartsAndStops)
{
    struct Row {
        int width;
        int height;
        QList<QPoint> black;
        QList<QPoint> expected;
        const char* what;
    };
    const Row rows[] = {
        {10, 10, {{3, 1}, {4, 2}, {5, 4}}, {}, "black only above the middle row"},
        {10, 10, {{7, 5}, {3, 6}}, {{7, 5}}, "the first black pixel of the middle row, a lone pixel"},
        {10, 10, {{3, 9}, {6, 8}}, {{6, 8}}, "rows are searched top down, then left to right"},
        {10, 10, {}, {}, "white picture"},
        {1, 1, {{0, 0}}, {{0, 0}}, "one black pixel"},
        {1, 1, {}, {}, "one white pixel"},
        // An L that dead-ends: the tip ends the outline so that its last stretch is cut.
        {10, 10, {{2, 5}, {2, 6}, {2, 7}, {3, 7}, {4, 7}, {5, 7}},
         {{2, 5}, {2, 5}, {2, 7}, {5, 7}, {2, 5}, {2, 7}}, "a spur ends the trace at its tip"},
        // East comes before south-east: the diagonal is taken only where nothing else is.
        {10, 10, {{1, 5}, {2, 6}, {3, 7}, {4, 7}},
         {{1, 5}, {1, 5}, {3, 7}, {4, 7}, {1, 5}, {3, 7}}, "diagonal steps"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(traceImageOutline(drawing(row.width, row.height, row.black)), row.expected) << row.what;
    EXPECT_TRUE(traceImageOutline(QImage()).isEmpty());
}

TEST(OutlineTracer, FilledAreaGivesAZigZagAndEnds)
{
    QList<QPoint> block;
    for (int y = 10; y < 30; ++y)
        for (int x = 5; x < 25; ++x)
            block.append(QPoint(x, y));
    const QImage picture = drawing(40, 40, block);
    const QList<QPoint> outline = traceImageOutline(picture);
    // Every pixel is taken once at most, so the list cannot outgrow the area plus the
    // closing stretch, and every point lies on the area.
    EXPECT_GT(outline.size(), 20);
    EXPECT_LE(outline.size(), block.size() + 51);
    for (const QPoint& point : outline)
        EXPECT_TRUE(block.contains(point)) << point.x() << "," << point.y();
    EXPECT_EQ(outline.first(), QPoint(5, 20));
}

TEST(OutlineTracer, OnlyColourZeroIsBlackInEveryDepth)
{
    const QList<QPoint> frame = rectangleOutline({2, 2}, {9, 8});
    const QList<QPoint> expected = traceImageOutline(drawing(12, 10, frame));
    ASSERT_EQ(expected.size(), 11);
    for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_MonoLSB, QImage::Format_Indexed8,
                                        QImage::Format_ARGB32, QImage::Format_RGB16, QImage::Format_RGB888}) {
        EXPECT_EQ(traceImageOutline(drawing(12, 10, frame, format)), expected) << "format " << format;
    }

    for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_MonoLSB}) {
        for (const int blackIndex : {0, 1}) {
            QImage oneBit(12, 10, format);
            oneBit.setColorTable(blackIndex == 0 ? QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}
                                                 : QList<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)});
            oneBit.fill(1 - blackIndex);
            for (const QPoint& point : frame)
                oneBit.setPixel(point, blackIndex);
            EXPECT_EQ(traceImageOutline(oneBit), expected) << "format " << format << ", black at " << blackIndex;
        }
    }

    // Nearly black is background: the start moves on to the right side.
    QImage grey = drawing(12, 10, frame);
    grey.setPixel(2, 5, qRgb(1, 1, 1));
    EXPECT_EQ(traceImageOutline(grey).value(0), QPoint(9, 5));
    QImage indexedGrey = drawing(12, 10, frame, QImage::Format_Indexed8);
    for (int i = 0; i < indexedGrey.colorCount(); ++i) {
        if (indexedGrey.color(i) == qRgb(0, 0, 0))
            indexedGrey.setColor(i, qRgb(0, 0, 1));
    }
    EXPECT_TRUE(traceImageOutline(indexedGrey).isEmpty()) << "a palette without pure black";
}

class OutlineFile : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

TEST_F(OutlineFile, TracesEveryBitmapDepthAndLeavesTheFileUntouched)
{
    const QList<QPoint> frame = rectangleOutline({2, 2}, {9, 8});
    const QList<QPoint> expected = traceImageOutline(drawing(12, 10, frame));
    for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB32,
                                        QImage::Format_ARGB32}) {
        const QString path = m_dir.filePath(QStringLiteral("frame%1.bmp").arg(format));
        ASSERT_TRUE(drawing(12, 10, frame, format).save(path, "BMP"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const QDateTime modified = QFileInfo(path).lastModified();

        const TracedOutline outline = TraceOutline(path);
        EXPECT_TRUE(outline.ok()) << qPrintable(outline.error);
        EXPECT_EQ(outline.bitmapSize, QSize(12, 10));
        EXPECT_EQ(outline.points, expected) << "format " << format;

        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), bytes);
        EXPECT_EQ(QFileInfo(path).lastModified(), modified);
    }
}

TEST_F(OutlineFile, FilesThatCannotBeTracedSayWhy)
{
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        drawing(12, 10, rectangleOutline({2, 2}, {9, 8})).save(&buffer, "PNG");
    }
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        drawing(8, 8, {}, QImage::Format_Mono).save(&buffer, "BMP");
    }
    // Headers claiming a size the file does not hold.
    const auto withSize = [&bmp](qint32 width, qint32 height) {
        QByteArray bytes = bmp;
        std::memcpy(bytes.data() + 18, &width, 4);
        std::memcpy(bytes.data() + 22, &height, 4);
        return bytes;
    };
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.bmp"));

    struct Row {
        QString path;
        const char* what;
    };
    const Row rows[] = {
        {m_dir.filePath(QStringLiteral("missing.bmp")), "missing"},
        {m_dir.filePath(QStringLiteral("folder.bmp")), "a folder"},
        {write(QStringLiteral("empty.bmp"), {}), "empty file"},
        {write(QStringLiteral("picture.bmp"), png), "a PNG named .bmp"},
        {write(QStringLiteral("text.bmp"), "BM this is not a bitmap"), "garbage after the signature"},
        {write(QStringLiteral("truncated.bmp"), bmp.left(40)), "truncated header"},
        {write(QStringLiteral("huge.bmp"), withSize(20000, 20000)), "20,000 × 20,000 claimed by a short file"},
        {write(QStringLiteral("endless.bmp"), withSize(0x7fffffff, 0x7fffffff)), "the largest size a header holds"},
    };
    for (const Row& row : rows) {
        const TracedOutline outline = TraceOutline(row.path);
        EXPECT_FALSE(outline.ok()) << row.what;
        EXPECT_TRUE(outline.points.isEmpty()) << row.what;
        EXPECT_TRUE(outline.error.contains(row.path)) << row.what << ": " << qPrintable(outline.error);
    }

    const TracedOutline zero = TraceOutline(write(QStringLiteral("zero.bmp"), withSize(0, 0)));
    EXPECT_TRUE(zero.points.isEmpty()) << "0 × 0 traces nothing, whether or not it loads";
}

TEST_F(OutlineFile, BitmapTooLargeToLoadNamesItsSize)
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    drawing(8, 8, {}, QImage::Format_Mono).save(&buffer, "BMP");
    const qint32 side = 20000;
    std::memcpy(bmp.data() + 18, &side, 4);
    std::memcpy(bmp.data() + 22, &side, 4);
    bmp.append(QByteArray(20000 / 8 * 16, '\0'));

    const TracedOutline outline = TraceOutline(write(QStringLiteral("large.bmp"), bmp));
    EXPECT_FALSE(outline.ok());
    EXPECT_TRUE(outline.error.contains(QStringLiteral("20000 × 20000"))) << qPrintable(outline.error);
}

TEST(OutlineTracer, LargeOneBitPictureStaysOneBit)
{
    // 20,000 × 20,000 pixels: the working copy adds one bit per pixel, not a 32-bit copy.
    QImage picture(20000, 20000, QImage::Format_Mono);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);
    for (const QPoint& point : rectangleOutline({100, 9000}, {19900, 19000}))
        picture.setPixel(point, 1);

    const QList<QPoint> expected{{100, 10000}, {100, 10000}, {100, 19000}, {19900, 19000}, {19900, 9000},
                                 {100, 9000},  {100, 10000}, {100, 10049}};
    EXPECT_EQ(traceImageOutline(picture), expected);
}

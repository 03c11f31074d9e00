#include "TracingSupport.h"
#include "cutter/TraceCache.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CountingCache : public testing::Test {
protected:
    CountingCache()
        : m_cache([this](const QString& fileName) {
            ++m_traces;
            return TraceOutline(fileName);
        })
    {
    }

    QString save(const QString& name, const QImage& picture)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    void setModified(const QString& path, const QDateTime& time)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }

    QTemporaryDir m_dir;
    int m_traces = 0;
    TraceCache m_cache;
};

const QList<QPoint> kFrame = cut_testing::rectangleOutline({2, 2}, {9, 8});

} // namespace

TEST_F(CountingCache, UnchangedFileIsTracedOnce)
{
    const QString path = save(QStringLiteral("frame.bmp"), cut_testing::drawing(12, 10, kFrame));
    const auto first = m_cache.outline(path);
    const auto second = m_cache.outline(path);
    EXPECT_EQ(m_traces, 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->points.size(), 11);
    // The same file reached by another spelling of its path.
    m_cache.outline(m_dir.path() + QStringLiteral("/./frame.bmp"));
    EXPECT_EQ(m_traces, 1);
}

TEST_F(CountingCache, ChangedFileIsTracedAgain)
{
    const QString path = save(QStringLiteral("frame.bmp"), cut_testing::drawing(12, 10, kFrame));
    const QDateTime stamp = QDateTime::currentDateTime().addSecs(-3600);
    setModified(path, stamp);
    EXPECT_EQ(m_cache.outline(path)->points.size(), 11);

    // Same size, redrawn, new modification time.
    save(QStringLiteral("frame.bmp"), cut_testing::drawing(12, 10, cut_testing::rectangleOutline({1, 1}, {9, 8})));
    setModified(path, stamp.addSecs(60));
    EXPECT_EQ(m_cache.outline(path)->points.value(0), QPoint(1, 5));
    EXPECT_EQ(m_traces, 2);

    // Other size, same modification time.
    save(QStringLiteral("frame.bmp"), cut_testing::drawing(20, 10, kFrame));
    setModified(path, stamp.addSecs(60));
    EXPECT_EQ(m_cache.outline(path)->bitmapSize, QSize(20, 10));
    EXPECT_EQ(m_traces, 3);
}

TEST_F(CountingCache, MissingFileIsNeverCached)
{
    const QString path = m_dir.filePath(QStringLiteral("later.bmp"));
    EXPECT_FALSE(m_cache.outline(path)->ok());
    EXPECT_FALSE(m_cache.outline(path)->ok());
    EXPECT_EQ(m_traces, 2);

    save(QStringLiteral("later.bmp"), cut_testing::drawing(12, 10, kFrame));
    EXPECT_TRUE(m_cache.outline(path)->ok());
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(m_cache.outline(path)->ok()) << "a deleted file must not be served from the cache";
}

TEST_F(CountingCache, OutlinesHeldByCallersOutliveEviction)
{
    TraceCache small(TraceOutline, 5);
    const QString path = save(QStringLiteral("frame.bmp"), cut_testing::drawing(12, 10, kFrame));
    const auto held = small.outline(path); // 11 points: more than the cache keeps
    small.clear();
    EXPECT_EQ(held->points.size(), 11);
}

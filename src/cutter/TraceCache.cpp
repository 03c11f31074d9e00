#include "cutter/TraceCache.h"

#include <QFileInfo>
#include <QMutexLocker>

TraceCache::TraceCache(Tracer tracer, qsizetype maxPoints)
    : m_tracer(std::move(tracer))
    , m_entries(maxPoints)
{
}

std::shared_ptr<const TracedOutline> TraceCache::outline(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString key = info.absoluteFilePath();
    const bool present = info.exists();
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    {
        QMutexLocker lock(&m_mutex);
        if (const Entry* entry = m_entries.object(key)) {
            if (present && entry->size == size && entry->modified == modified)
                return entry->outline;
            m_entries.remove(key);
        }
    }

    auto traced = std::make_shared<const TracedOutline>(m_tracer(fileName));
    if (present) {
        QMutexLocker lock(&m_mutex);
        m_entries.insert(key, new Entry{size, modified, traced}, traced->points.size() + 1);
    }
    return traced;
}

void TraceCache::clear()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
}

TraceCache& traceCache()
{
    static TraceCache cache;
    return cache;
}

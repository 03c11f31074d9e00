#pragma once

#include "cutter/OutlineTracer.h"

#include <QCache>
#include <QDateTime>
#include <QMutex>
#include <QString>

#include <functional>
#include <memory>

// Traced outlines by bitmap file. The label view draws a cut outline on every redraw and
// the cut job needs it for every label of a run; tracing the same file over and over
// would make both crawl. An entry holds while the file keeps its size and modification
// time; a changed file is traced again, a missing one is never cached.
class TraceCache {
public:
    using Tracer = std::function<TracedOutline(const QString& fileName)>;

    // maxPoints bounds the memory the cache keeps (an outline costs its point count).
    explicit TraceCache(Tracer tracer = TraceOutline, qsizetype maxPoints = 4'000'000);

    std::shared_ptr<const TracedOutline> outline(const QString& fileName);
    void clear();

private:
    struct Entry {
        qint64 size = 0;
        QDateTime modified;
        std::shared_ptr<const TracedOutline> outline;
    };

    Tracer m_tracer;
    QMutex m_mutex;
    QCache<QString, Entry> m_entries;
};

// The program's one cache, shared by the label view and the cut job.
TraceCache& traceCache();

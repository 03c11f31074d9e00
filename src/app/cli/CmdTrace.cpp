#include "app/cli/CliCommand.h"
#include "cutter/OutlineTracer.h"

#include <cstdio>

// marlune-cli trace BITMAP: the outline the cutter would follow, one "x,y" line per point
// in bitmap pixels, in cutting order.
int runTrace(const QStringList& arguments)
{
    if (arguments.size() != 1) {
        std::fprintf(stderr, "marlune-cli trace: expected one bitmap file (usage: trace BITMAP)\n");
        return 1;
    }
    const TracedOutline outline = TraceOutline(arguments.first());
    if (!outline.ok()) {
        std::fprintf(stderr, "marlune-cli trace: %s\n", qUtf8Printable(outline.error));
        return 1;
    }
    if (outline.points.isEmpty())
        std::fprintf(stderr, "marlune-cli trace: no black line on or below the middle row\n");
    for (const QPoint& point : outline.points)
        std::printf("%d,%d\n", point.x(), point.y());
    return 0;
}

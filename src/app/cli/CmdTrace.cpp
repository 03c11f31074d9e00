#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"
#include "cutter/OutlineTracer.h"

#include <cstdio>

// marlune-cli trace BITMAP: the outline the cutter would follow, one "x,y" line per point
// in bitmap pixels, in cutting order.
int runTrace(const CliArguments& arguments)
{
    const QString path = arguments.argument(0);
    checkInputFile(path);
    const TracedOutline outline = TraceOutline(path);
    if (!outline.ok())
        throw CliFailure{kExitNotStarted, path, outline.error};
    if (outline.points.isEmpty())
        writeCommandLine(QStringLiteral("trace"), path, CliText::tr("注意：中间一行及以下没有黑线，描不出轮廓"));
    for (const QPoint& point : outline.points)
        std::printf("%d,%d\n", point.x(), point.y());
    return kExitDone;
}

// A cutter stream read back as the output preview reads it, and the knife's path written as
// the SVG picture the preview command saves.

#include "FuzzTarget.h"

#include "cutter/CutPathDrawing.h"
#include "cutter/CutterStreamReader.h"

#include <QXmlStreamReader>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray stream = fuzzing::bytesOf(data, size);
    const CutPath path = readCutterStream(stream);
    qsizetype cuts = 0;
    for (const CutStroke& stroke : path.strokes) {
        fuzzing::expect(stroke.points.size() >= 2, "a move goes from one point to another");
        for (const QPointF& point : stroke.points)
            fuzzing::expect(std::isfinite(point.x()) && std::isfinite(point.y()), "the knife stays at finite points");
        cuts += stroke.cuts ? 1 : 0;
    }
    fuzzing::expect(path.starts.size() == cuts, "every cut begins at a marked start");
    for (const StreamProblem& problem : path.problems)
        fuzzing::expect(problem.offset >= 0 && problem.offset <= stream.size(), "a problem lies within the stream");

    QXmlStreamReader svg(cutPathSvg(path));
    while (!svg.atEnd())
        svg.readNext();
    fuzzing::expect(!svg.hasError(), "the knife's path is a well-formed SVG picture", svg.errorString());
    return 0;
}

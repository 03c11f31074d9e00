#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"
#include "cutter/DxfImport.h"
#include "files/LabelFile.h"
#include "model/Convert.h"

#include <QRegularExpression>

namespace {

// "WxH" in millimetres, e.g. "130x90" or "100.5x62", as tenths of a millimetre.
std::optional<std::pair<int, int>> parseSize(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d+(?:\.\d+)?)\s*[xX]\s*(\d+(?:\.\d+)?)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // Up to 100 m, so that the size in tenths of a millimetre always fits.
    constexpr double kLargest = 100000;
    const double width = match.captured(1).toDouble();
    const double height = match.captured(2).toDouble();
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest)
        return std::nullopt;
    return std::pair{tenthsOfMillimetre(match.captured(1)), tenthsOfMillimetre(match.captured(2))};
}

} // namespace

// marlune-cli import-dxf DRAWING.dxf -o LABEL.xml: a new label holding the drawing's lines,
// arcs, circles and ellipses as cut objects.
int runImportDxf(const CliArguments& arguments)
{
    const QString output = arguments.required("output");
    std::pair<int, int> size{1300, 900};
    if (const std::optional<QString> text = arguments.value("size")) {
        const auto parsed = parseSize(*text);
        if (!parsed)
            throw arguments.badValue("size", CliText::tr("“%1”不是标签大小：请给出宽x高（毫米），如 130x90").arg(*text));
        size = *parsed;
    }
    const QString drawing = arguments.argument(0);
    checkInputFile(drawing);
    checkOutputFile(output);

    DxfLabel label = about(drawing, kExitNotStarted, [&] { return importDxfLabel(drawing, size.first, size.second); });
    if (!label.result.ok())
        throw CliFailure{kExitNotStarted, drawing, label.result.error};
    for (const QString& warning : label.result.warnings)
        writeCommandLine(QStringLiteral("import-dxf"), drawing, CliText::tr("注意：%1").arg(warning));
    LabelSettings settings;
    settings.Width = size.first;
    settings.Height = size.second;
    about(output, kExitNotStarted, [&] { SaveLabel(output, label.document, settings, JobSettings{}); });
    return kExitDone;
}

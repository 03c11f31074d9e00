#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"

#include "cutter/DxfImport.h"
#include "files/LabelFile.h"
#include "job/JobSettings.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"

#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

constexpr const char* kName = "import-dxf";

int fail(const QString& reason)
{
    return commandFailed(kName, reason);
}

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

int runImportDxf(const QStringList& arguments)
{
    QString drawing;
    QString output;
    std::pair<int, int> size{1300, 900};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"-o" || argument == u"--output") {
            if (!hasValue)
                return fail(QStringLiteral("-o needs the label file to write"));
            output = arguments[++i];
        } else if (argument == u"--size") {
            if (!hasValue)
                return fail(QStringLiteral("--size needs WxH in millimetres"));
            const auto parsed = parseSize(arguments[++i]);
            if (!parsed) {
                return fail(QStringLiteral("'%1' is not a label size: give WxH in millimetres, "
                                           "e.g. 130x90")
                                .arg(arguments[i]));
            }
            size = *parsed;
        } else if (argument.startsWith(u'-') || !drawing.isEmpty()) {
            return fail(QStringLiteral("unexpected argument '%1'").arg(argument));
        } else {
            drawing = argument;
        }
    }
    if (drawing.isEmpty() || output.isEmpty())
        return fail(QStringLiteral("usage: marlune-cli import-dxf DRAWING.dxf -o LABEL.xml "
                                   "[--size WxH]"));

    DxfLabel label = importDxfLabel(drawing, size.first, size.second);
    if (!label.result.ok())
        return fail(label.result.error);
    for (const QString& warning : label.result.warnings)
        std::fprintf(stderr, "marlune-cli %s: warning: %s\n", kName, qUtf8Printable(warning));
    LabelSettings settings;
    settings.Width = size.first;
    settings.Height = size.second;
    SaveLabel(output, label.document, settings, JobSettings{});
    return 0;
}

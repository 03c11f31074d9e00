#include "app/cli/CliCommand.h"
#include "app/cli/CliOutput.h"
#include "files/LabelFile.h"
#include "model/Convert.h"
#include "model/JobSettings.h"
#include "model/ViewGeometry.h"
#include "view/LabelSurface.h"
#include "view/ZoomList.h"

#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

struct RenderOptions {
    QString label;
    QString output;
    int zoomIndex = 3; // 100 %
    int dpi = 96;
    QSize area{1200, 800};
};

int fail(const QString& reason)
{
    return commandFailed("render", reason);
}

// "fit" or the factor of one of the zoom list's percentages.
std::optional<int> zoomIndexOf(const QString& text)
{
    if (text == u"fit")
        return 0;
    bool ok = false;
    const float factor = static_cast<float>(text.toDouble(&ok));
    for (int index = 1; ok && index < zoomEntryTexts().size(); ++index) {
        if (zoomOfEntry(index, 0) == factor)
            return index;
    }
    return std::nullopt;
}

std::optional<QSize> areaOf(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize area(match.captured(1).toInt(), match.captured(2).toInt());
    return area.width() > 30 && area.height() > 30 ? std::optional(area) : std::nullopt;
}

// Parses the arguments; the reason of the first one that is wrong otherwise.
std::optional<QString> parse(const QStringList& arguments, RenderOptions& options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool takesValue = argument == u"-o" || argument == u"--zoom" || argument == u"--dpi" || argument == u"--area";
        if (!takesValue) {
            if (argument.startsWith(u'-') || !options.label.isEmpty())
                return QStringLiteral("unexpected argument '%1'").arg(argument);
            options.label = argument;
            continue;
        }
        if (++i == arguments.size())
            return QStringLiteral("%1 needs a value").arg(argument);
        const QString& value = arguments[i];
        if (argument == u"-o") {
            options.output = value;
        } else if (argument == u"--zoom") {
            const auto index = zoomIndexOf(value);
            if (!index)
                return QStringLiteral("zoom '%1' is not one of fit, 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 3, 4, 5").arg(value);
            options.zoomIndex = *index;
        } else if (argument == u"--dpi") {
            const int dpi = strToIntDef(value, 0);
            if (dpi < 1 || dpi > 1200)
                return QStringLiteral("dpi '%1' is not a whole number from 1 to 1200").arg(value);
            options.dpi = dpi;
        } else {
            const auto area = areaOf(value);
            if (!area)
                return QStringLiteral("area '%1' is not WxH in pixels, each above 30").arg(value);
            options.area = *area;
        }
    }
    if (options.label.isEmpty() || options.output.isEmpty())
        return QStringLiteral("expected LABEL.xml -o OUT.png");
    return std::nullopt;
}

} // namespace

// marlune-cli render LABEL.xml -o OUT.png: the label surface as the view draws it.
int runRender(const QStringList& arguments)
{
    RenderOptions options;
    if (const auto reason = parse(arguments, options))
        return fail(*reason);

    Tobject document;
    document.dpi = options.dpi;
    LabelSettings label;
    JobSettings job;
    const LabelLoadResult result = LoadLabel(options.label, {document, label, job}, nullptr);
    if (!result.fileFound)
        return fail(QStringLiteral("%1: file not found").arg(options.label));
    if (!result.complete)
        std::fprintf(stderr, "marlune-cli render: %s\n", qUtf8Printable(result.objectStop.describe()));

    const float fit = fitZoom(label.Width, label.Height, document.dpi, options.area);
    const float zoom = zoomOfEntry(options.zoomIndex, fit).value_or(document.zoom);
    const QImage surface = renderLabelSurface(document, label, zoom);
    if (surface.isNull())
        return fail(QStringLiteral("the label at zoom %1 is empty or larger than %2 pixels either way")
                        .arg(zoom)
                        .arg(kMaxSurfaceSide));
    if (!surface.save(options.output, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(options.output));
    return 0;
}

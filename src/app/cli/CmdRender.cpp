#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "app/cli/CliText.h"
#include "model/ViewGeometry.h"
#include "view/LabelSurface.h"
#include "view/ZoomList.h"

#include <QRegularExpression>

namespace {

constexpr int kHundredPercent = 3; // the zoom list's entry for 1

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

struct View {
    int zoomIndex = kHundredPercent;
    int dpi = 96;
    QSize area{1200, 800};
};

View viewOf(const CliArguments& arguments)
{
    View view;
    if (const std::optional<QString> zoom = arguments.value("zoom")) {
        const std::optional<int> index = zoomIndexOf(*zoom);
        if (!index)
            throw arguments.badValue("zoom", CliText::tr("“%1”不是 fit、0.5、0.75、1、1.25、1.5、1.75、2、3、4、5 之一").arg(*zoom));
        view.zoomIndex = *index;
    }
    view.dpi = arguments.wholeNumber("dpi", 1, 1200).value_or(view.dpi);
    if (const std::optional<QString> area = arguments.value("area")) {
        const std::optional<QSize> size = areaOf(*area);
        if (!size)
            throw arguments.badValue("area", CliText::tr("“%1”不是宽x高（像素，都大于 30）").arg(*area));
        view.area = *size;
    }
    return view;
}

// A preview without the marks of the selected objects and the frame of the current one.
void clearMarks(Tobject& document)
{
    for (Tshape& shape : document.objects)
        shape.Selected = false;
    document.current = -1;
}

} // namespace

// marlune-cli render LABEL.xml -o OUT.png: the label surface as the view draws it, with the
// stored values or those of one record.
int runRender(const CliArguments& arguments)
{
    const QString output = arguments.required("output");
    const View view = viewOf(arguments);
    checkOutputFile(output);
    std::optional<CliSheet> sheet;
    openChosenRecord(arguments, sheet);

    CliLabel label;
    Tobject& document = label.document;
    document.dpi = view.dpi;
    const LabelLoadResult result = readCliLabel(arguments, label);
    if (!result.complete)
        writeCommandLine(QStringLiteral("render"), arguments.argument(0), partlyReadReason(result));
    if (sheet)
        about(sheet->name(), kExitNotStarted, [&] { fillFromRecord(document.objects, sheet->record()); });
    if (arguments.isSet("no-marks"))
        clearMarks(document);

    const float fit = fitZoom(label.label.Width, label.label.Height, document.dpi, view.area);
    const float zoom = zoomOfEntry(view.zoomIndex, fit).value_or(document.zoom);
    const QImage surface = renderLabelSurface(document, label.label, zoom);
    if (surface.isNull()) {
        throw CliFailure{kExitNotStarted, arguments.argument(0),
                         CliText::tr("缩放 %1 时标签是空的，或任一边超过 %2 像素").arg(zoom).arg(kMaxSurfaceSide)};
    }
    if (!surface.save(output, "PNG"))
        throw CliFailure{kExitNotStarted, output, CliText::tr("写不进这个文件")};
    return kExitDone;
}

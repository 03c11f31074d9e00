#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "app/cli/CliText.h"
#include "cutter/CutPathDrawing.h"
#include "job/LabelPreview.h"

#include <QSaveFile>

namespace {

// The picture, or the knife's path as SVG, written whole or not at all.
void writeOutput(const QString& path, bool svg, const LabelPreview& preview)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly)
                         && (svg ? file.write(cutPathSvg(preview.cut)) >= 0 : preview.picture.save(&file, "PNG"))
                         && file.commit();
    if (!written)
        throw CliFailure{kExitNotStarted, path, CliText::tr("写不进这个文件：%1").arg(file.errorString())};
}

// The set-up commands of both streams, one a line: machine, command, what it asks for.
void listSettings(const LabelPreview& preview)
{
    for (const PrinterSetting& setting : preview.printed.settings)
        writeLine({QStringLiteral("printer"), printableBytes(setting.command), setting.meaning});
    for (const CutterSetting& setting : preview.cut.settings)
        writeLine({QStringLiteral("cutter"), printableBytes(setting.command), setting.meaning});
}

} // namespace

// marlune-cli preview LABEL.xml -o OUT.png: the label as the printer prints it, with the
// knife's path over it, read back from the streams a print job and a cut job would send.
int runPreview(const CliArguments& arguments)
{
    const QString output = arguments.required("output");
    const bool svg = arguments.isSet("svg");
    checkOutputFile(output);
    std::optional<CliSheet> sheet;
    openChosenRecord(arguments, sheet);
    CliLabel label;
    readWholeLabel(arguments, label);
    if (sheet)
        sheet->checkValues(label.document.objects);

    const LabelPreview preview = previewLabel(
        {label.document.objects, label.label, label.job, sheet ? &sheet->record() : nullptr});
    if (svg && !preview.cut.cutsAnything())
        throw CliFailure{kExitNotStarted, arguments.argument(0), CliText::tr("目前没有雕刻对象！")};
    writeOutput(output, svg, preview);
    listSettings(preview);
    for (const QString& problem : preview.problems)
        writeCommandLine(QStringLiteral("preview"), arguments.argument(0), problem);
    return preview.problems.isEmpty() ? kExitDone : kExitNotFinished;
}

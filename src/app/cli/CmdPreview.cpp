#include "app/cli/CliCommand.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "cutter/CutPathDrawing.h"
#include "data/Tdm.h"
#include "job/LabelPreview.h"
#include "job/TableRecord.h"
#include "model/Convert.h"

#include <QSaveFile>

#include <optional>

namespace {

constexpr const char* kName = "preview";
constexpr int kDrawnInPart = 2;

int fail(const QString& reason)
{
    return commandFailed(kName, reason);
}

struct PreviewOptions {
    QString label;
    QString output;
    bool svg = false;
    std::optional<QString> workbook;
    std::optional<QString> sheet;
    std::optional<QString> record;
};

// The reason of a bad command line, or none.
std::optional<QString> parseOptions(const QStringList& arguments, PreviewOptions& options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        std::optional<QString>* value = argument == u"--workbook" ? &options.workbook
                                        : argument == u"--sheet"  ? &options.sheet
                                        : argument == u"--record" ? &options.record
                                                                  : nullptr;
        if (value || argument == u"-o" || argument == u"--output") {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a value").arg(argument);
            if (value)
                *value = arguments[++i];
            else
                options.output = arguments[++i];
        } else if (argument == u"--svg") {
            options.svg = true;
        } else if (argument.startsWith(u'-') || !options.label.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(argument);
        } else {
            options.label = argument;
        }
    }
    if (options.label.isEmpty() || options.output.isEmpty())
        return QStringLiteral("expected LABEL.xml -o OUT");
    if ((options.workbook || options.sheet) && !options.record)
        return QStringLiteral("--workbook and --sheet go with --record");
    return std::nullopt;
}

// The picture, or the knife's path as SVG, written whole or not at all.
std::optional<QString> writeOutput(const PreviewOptions& options, const LabelPreview& preview)
{
    QSaveFile file(options.output);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write '%1': %2").arg(options.output, file.errorString());
    const bool written = options.svg ? file.write(cutPathSvg(preview.cut)) >= 0 : preview.picture.save(&file, "PNG");
    if (!written || !file.commit())
        return QStringLiteral("cannot write '%1': %2").arg(options.output, file.errorString());
    return std::nullopt;
}

// The set-up commands of both streams, one a line: machine, command, meaning.
void listSettings(const LabelPreview& preview)
{
    for (const PrinterSetting& setting : preview.printed.settings)
        writeLine({QStringLiteral("printer"), QString::fromLatin1(setting.command), setting.meaning});
    for (const CutterSetting& setting : preview.cut.settings)
        writeLine({QStringLiteral("cutter"), QString::fromLatin1(setting.command), setting.meaning});
}

} // namespace

// marlune-cli preview LABEL.xml -o OUT.png: the label as the printer prints it, with the
// knife's path over it, read back from the streams the jobs would send.
int runPreview(const QStringList& arguments)
{
    PreviewOptions options;
    if (const std::optional<QString> reason = parseOptions(arguments, options))
        return fail(*reason);

    Tobject document;
    LabelSettings label;
    JobSettings settings;
    if (const std::optional<QString> reason = loadWholeLabel(kName, options.label, {document, label, settings}))
        return fail(*reason);

    std::optional<TableRecord> record;
    if (options.record) {
        const QString workbook = options.workbook.value_or(settings.dbName);
        const QString sheet = options.sheet.value_or(settings.tableName);
        if (workbook.isEmpty() || sheet.isEmpty())
            return fail(QStringLiteral("'%1' names no workbook and sheet to take record %2 from; give --workbook "
                                       "and --sheet")
                            .arg(options.label, *options.record));
        openRecord(dm(), workbook, sheet, strToInt(*options.record));
        record.emplace(dm());
    }
    const LabelPreview preview =
        previewLabel({document.objects, label, settings, record ? &*record : nullptr});
    record.reset();
    dm().close();
    if (options.svg && !preview.cut.cutsAnything())
        return fail(QStringLiteral("nothing to cut: the label has no cut object that is switched on"));
    if (const std::optional<QString> reason = writeOutput(options, preview))
        return fail(*reason);
    listSettings(preview);
    for (const QString& problem : preview.problems)
        commandFailed(kName, problem);
    return preview.problems.isEmpty() ? 0 : kDrawnInPart;
}

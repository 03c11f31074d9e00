#include "job/LabelPreview.h"

#include "cutter/CutPathDrawing.h"
#include "data/InRange.h"
#include "data/Tdm.h"
#include "job/CutStream.h"
#include "job/JobText.h"
#include "job/LabelJob.h"
#include "job/PrintLabel.h"
#include "job/TableRecord.h"
#include "printer/PrintCommands.h"
#include "printer/Tcom.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

QByteArray printerStream(const PreviewInputs& inputs, QStringList& problems)
{
    LabelJob job;
    job.frame = {inputs.label.Width, inputs.label.Height, inputs.label.Rotation, inputs.settings.printX,
                 inputs.settings.printY};
    job.dpi = printerDpi(inputs.settings.printDpi);
    job.record = inputs.record;
    Tcom link(Tcom::InMemory{});
    try {
        writeLabelJob(link, inputs.objects, job, inputs.settings, 1, inputs.settings.ifFeed != 0);
    } catch (const MessageError& error) {
        problems.append(JobText::tr("打印：打印任务在这里中断，标签不会打印：%1").arg(error.message()));
    }
    return link.memory();
}

struct CutStreamAndPlace {
    QByteArray stream;
    CutContext context;
};

CutStreamAndPlace cutterStream(const PreviewInputs& inputs, QStringList& problems)
{
    // The cut job stores the cutter port it used into the settings; the preview keeps them.
    JobSettings settings = inputs.settings;
    const JobControls controls = controlsFromSettings(settings);
    bool stopRequested = false;
    CutStreamAndPlace result;
    try {
        result.context = cutContextFrom(controls, settings, inputs.label);
        const CutJobInputs job{controls, settings, inputs.label, inputs.objects, stopRequested};
        if (const std::optional<CutStream> stream = buildCutStream(CutJobMode::CurrentLabel, job))
            result.stream = stream->whole();
    } catch (const MessageError& error) {
        problems.append(JobText::tr("雕刻：雕刻任务什么也不会发送：%1").arg(error.message()));
    }
    return result;
}

// Cutter pulses onto the printed label: pulses to millimetres by the cutter's own factors,
// less the distance from the cutter's origin to the label's corner, then printer dots.
QTransform pulsesToDots(const CutPath& path, const CutContext& context, int dpi)
{
    const double dotsPerTenth = dpi / 254.0;
    return QTransform(10.0 / path.pulsesPerMmX * dotsPerTenth, 0, 0, 10.0 / path.pulsesPerMmY * dotsPerTenth,
                      -context.offsetX * dotsPerTenth, -context.offsetY * dotsPerTenth);
}

QImage labelPicture(const PreviewInputs& inputs, const PrintedLabel& printed)
{
    if (!printed.dots.isNull())
        return printed.dots.convertToFormat(QImage::Format_RGB32);
    const bool sideways = inputs.label.Rotation == 3;
    const int dpi = printerDpi(inputs.settings.printDpi);
    QImage blank(qMax(1, dotsOf(sideways ? inputs.label.Height : inputs.label.Width, dpi)),
                 qMax(1, dotsOf(sideways ? inputs.label.Width : inputs.label.Height, dpi)), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

} // namespace

LabelPreview previewLabel(const PreviewInputs& inputs)
{
    LabelPreview preview;
    preview.printerStream = printerStream(inputs, preview.problems);
    const CutStreamAndPlace cut = cutterStream(inputs, preview.problems);
    preview.cutterStream = cut.stream;

    const int dpi = printerDpi(inputs.settings.printDpi);
    preview.printed = readLabelJob(preview.printerStream, dpi);
    for (const StreamProblem& problem : preview.printed.problems)
        preview.problems.append(JobText::tr("打印：") + problem.describe());
    preview.picture = labelPicture(inputs, preview.printed);
    if (preview.cutterStream.isEmpty())
        return preview;

    preview.cut = readCutterStream(preview.cutterStream);
    for (const StreamProblem& problem : preview.cut.problems)
        preview.problems.append(JobText::tr("雕刻：") + problem.describe());
    if (preview.cut.pulsesPerMmX > 0 && preview.cut.pulsesPerMmY > 0) {
        QPainter painter(&preview.picture);
        drawCutPath(painter, preview.cut, pulsesToDots(preview.cut, cut.context, dpi));
    }
    return preview;
}

std::optional<int> firstRecordInRange(int count, const QString& range)
{
    for (int record = 1; record <= count; ++record) {
        if (InRange(record, range))
            return record;
    }
    return std::nullopt;
}

NextLabelPreview previewNextLabel(const ShapeList& objects, const LabelSettings& label, const JobSettings& settings,
                                  const QString& recordRange)
{
    if (settings.ifDBPrint == 0)
        return {previewLabel({objects, label, settings, nullptr}), 0};
    Tdm data;
    data.openQuery(settings.dbName, settings.tableName);
    const std::optional<int> record = firstRecordInRange(data.recordCount(), recordRange);
    if (!record) {
        throw MessageError(QCoreApplication::translate("TfrmOstrel", "表格%1中没有记录在记录范围“%2”内。")
                               .arg(settings.tableName, recordRange));
    }
    data.moveTo(*record);
    const TableRecord fields(data);
    return {previewLabel({objects, label, settings, &fields}), *record};
}

#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"
#include "app/cli/CliWait.h"
#include "job/CutJob.h"

#include <QSaveFile>

namespace {

QString nothingToCut()
{
    return CliText::tr("目前没有雕刻对象！");
}

// -o FILE: exactly the bytes the cutter would receive, in place of sending them.
int writeStream(CutJobMode mode, const CutJobInputs& inputs, const QString& label, const QString& path)
{
    const std::optional<CutStream> stream = about(label, kExitNotStarted, [&] { return buildCutStream(mode, inputs); });
    if (!stream)
        throw CliFailure{kExitNotStarted, label, nothingToCut()};
    QSaveFile file(path);
    const QByteArray bytes = stream->whole();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw CliFailure{kExitNotStarted, path, CliText::tr("写不进这个文件：%1").arg(file.errorString())};
    return kExitDone;
}

// Sends the stream and waits for the cutter, until it answers, Ctrl+C or the time allowed.
int sendStream(const CliArguments& arguments, CutJobMode mode, const CutJobInputs& inputs)
{
    const QString port = inputs.controls.cmbCutPort;
    CliWait wait(arguments, [&stop = inputs.stopRequested] { stop = true; });
    wait.announce(port, CliText::tr("等待雕刻机应答…"));
    const QString subject = portSubject(port);
    const CutJobResult result = about(subject, kExitNotFinished, [&] { return RunCutJob(mode, inputs); });
    CliMessages& messages = CliMessages::instance();
    switch (result.end) {
    case CutJobEnd::Acknowledged:
        return kExitDone;
    case CutJobEnd::NothingToCut:
        throw CliFailure{kExitNotStarted, arguments.argument(0), nothingToCut()};
    case CutJobEnd::Rejected:
        throw CliFailure{kExitNotFinished, subject,
                         CliText::tr("雕刻机没有接受作业（应答“%1”）").arg(QString::fromLatin1(result.reply))};
    case CutJobEnd::Stopped:
        throw CliFailure{wait.exitCode(), subject, wait.reason()};
    case CutJobEnd::PortClosed:
        throw CliFailure{kExitNotFinished, subject, messages.takeOr(CliText::tr("雕刻端口没有打开"))};
    case CutJobEnd::WrittenToFile:
        throw CliFailure{kExitNotFinished, result.file,
                         CliText::tr("雕刻端口是文件输出：雕刻命令流写进了这个文件，没有雕刻")};
    case CutJobEnd::FileFailed:
        break;
    }
    throw CliFailure{kExitNotFinished, result.file, messages.takeOr(CliText::tr("写不进这个文件"))};
}

} // namespace

// marlune-cli cut LABEL.xml: cuts the label with its stored cutter settings, the job
// window's controls as the window would show them.
int runCut(const CliArguments& arguments)
{
    const std::optional<QString> output = arguments.value("output");
    const std::optional<QString> port = arguments.value("port");
    const std::optional<QString> baud = arguments.value("baud");
    if (output && (port || baud || arguments.isSet("timeout")))
        throw arguments.usage(QStringLiteral("-o"), CliText::tr("写文件时不用 --port、--baud 和 --timeout"));
    if (output)
        checkOutputFile(*output);
    CliLabel label;
    readWholeLabel(arguments, label);
    const CutJobMode mode = arguments.isSet("feed") ? CutJobMode::CutterFeed : CutJobMode::CurrentLabel;
    // In feed mode the cutter repeats the job for the stored quantity.
    if (mode == CutJobMode::CutterFeed)
        jobQuantity(arguments, label);
    JobControls controls = controlsFromSettings(label.job);
    if (port)
        controls.cmbCutPort = *port;
    if (baud)
        controls.cmbCutBaud = *baud;
    bool stopRequested = false;
    const CutJobInputs inputs{controls, label.job, label.label, label.document.objects, stopRequested};
    if (output)
        return writeStream(mode, inputs, arguments.argument(0), *output);
    return sendStream(arguments, mode, inputs);
}

#include "job/CutJob.h"

#include "cutter/TCom232.h"
#include "job/JobText.h"
#include "model/MessageService.h"
#include "ports/WaitPumping.h"
#include "printer/Tcom.h"

#include <QDir>

namespace {

// The file output: header, body and trailer in one write into the file named as typed.
CutJobResult writeCutFile(const CutStream& stream, const QString& portText)
{
    CutJobResult result;
    result.file = QDir::current().absoluteFilePath(portText);
    Tcom file(portText);
    const QByteArray bytes = stream.whole();
    bool written = file.Open(QString());
    if (written) {
        file.Write(bytes);
        written = file.written == bytes.size();
    }
    // A file left incomplete is not committed: the previous content stays.
    written = written && file.Close();
    if (!written) {
        showMessage(JobText::tr("错误"), JobText::tr("写入雕刻文件错误：%1").arg(result.file),
                    MessageIcon::Warning);
        result.end = CutJobEnd::FileFailed;
        return result;
    }
    result.end = CutJobEnd::WrittenToFile;
    return result;
}

CutJobResult sendToCutter(const CutStream& stream, const JobControls& controls, bool& stopRequested)
{
    CutJobResult result;
    TCom232 link;
    link.portName = controls.cmbCutPort;
    link.Configure(controls.cmbCutBaud.trimmed());
    // No reply can come over a port that did not open; the link has told the operator.
    if (!link.isOpen()) {
        result.end = CutJobEnd::PortClosed;
        return result;
    }
    // A stop from before the job is not this job's; one given while the stream drains to a
    // slow line is, and the wait takes it.
    stopRequested = false;
    link.Resume();
    link.Write(stream.header);
    link.Write(stream.body);
    link.Write(stream.trailer);

    waitPumping([&link] { return link.status != CutterStatus::Waiting || !link.isOpen(); },
                QDeadlineTimer::Forever, &stopRequested);
    link.Suspend();
    result.reply = link.received;
    if (link.status == CutterStatus::Accepted)
        result.end = CutJobEnd::Acknowledged;
    else if (link.status == CutterStatus::Rejected)
        result.end = CutJobEnd::Rejected;
    else if (stopRequested)
        result.end = CutJobEnd::Stopped;
    else
        result.end = CutJobEnd::PortClosed;
    return result;
}

} // namespace

bool isCutToFile(const QString& portText)
{
    return portText.trimmed().toUpper() == u"CUTTOFILE";
}

CutJobResult RunCutJob(CutJobMode mode, const CutJobInputs& inputs)
{
    const std::optional<CutStream> stream = buildCutStream(mode, inputs);
    if (!stream)
        return {};
    if (isCutToFile(inputs.controls.cmbCutPort))
        return writeCutFile(*stream, inputs.controls.cmbCutPort);
    return sendToCutter(*stream, inputs.controls, inputs.stopRequested);
}

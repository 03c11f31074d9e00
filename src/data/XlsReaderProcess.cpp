#include "data/XlsReaderProcess.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/XlsReaderOutput.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

// Ends a reader that is still running and waits for it, so that none is left behind.
void stop(QProcess& process)
{
    process.kill();
    process.waitForFinished(-1);
}

} // namespace

QString XlsReaderRun::installedProgram()
{
    const QString name = QStringLiteral("marlune-xls-reader");
    const QDir here(QCoreApplication::applicationDirPath());
    // Beside the program in the build; in the installed programs' own folder for helpers
    // (libexec) when installed; programs built into a folder of their own (the benchmarks)
    // find it in the build's bin folder next to that folder.
    const QString beside = here.filePath(name);
    for (const QString& folder : {QStringLiteral(MARLUNE_READER_FROM_BIN), QStringLiteral("../bin")}) {
        const QString candidate = QDir::cleanPath(here.filePath(folder + u'/' + name));
        if (!QFileInfo(beside).isExecutable() && QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return beside;
}

QByteArray runXlsReader(const XlsReaderRun& run, const QString& workbook)
{
    QProcess process;
    // What the reader or a sanitizer says on its way down is no message for the operator.
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(run.program, run.arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        throw DataSourceError(DataText::tr("无法启动读取程序“%1”，无法读取工作簿“%2”。")
                                  .arg(run.program, workbook));

    const QDeadlineTimer deadline(run.timeoutMs);
    QByteArray output;
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            stop(process);
            throw DataSourceError(
                DataText::tr("读取工作簿“%1”超时（%2 秒），文件可能已损坏。")
                    .arg(workbook)
                    .arg(run.timeoutMs / 1000.0));
        }
        // A reader that closed its output but runs on is waited for, not polled.
        if (!process.waitForReadyRead(int(deadline.remainingTime())))
            process.waitForFinished(int(deadline.remainingTime()));
        output += process.readAllStandardOutput();
        if (output.size() > run.outputLimit) {
            stop(process);
            throw DataSourceError(DataText::tr("工作簿“%1”太大（超过 %2 MB），无法读取。")
                                      .arg(workbook)
                                      .arg(run.outputLimit >> 20));
        }
    }
    output += process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || output.size() > run.outputLimit)
        throw DataSourceError(damagedXlsMessage(workbook));
    return output;
}

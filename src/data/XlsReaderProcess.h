#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs the binary-workbook reader process and collects what it writes, within limits: a
// reader that crashes, fails, writes too much or takes too long means a damaged workbook.
struct XlsReaderRun {
    QString program;
    QStringList arguments;
    int timeoutMs = 120'000; // generous: a large sheet reads in a few seconds
    qint64 outputLimit = qint64(1) << 30;

    // The reader beside the running program, in its installed helpers folder
    // (libexec/marlune) or in the build's bin folder.
    static QString installedProgram();
};

// The reader's standard output; throws DataSourceError naming workbook when the reader
// cannot be started, crashes, ends with a non-zero status, exceeds the output limit or
// the time limit (it is killed then).
QByteArray runXlsReader(const XlsReaderRun& run, const QString& workbook);

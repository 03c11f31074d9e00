#pragma once

#include "job/CutStream.h"

#include <QByteArray>
#include <QString>

// How a cut job ended.
enum class CutJobEnd {
    Acknowledged,  // the cutter accepted the job
    NothingToCut,  // no enabled cut object: no port or file was opened
    Rejected,      // the cutter answered something else
    Stopped,       // the operator stopped the wait
    PortClosed,    // the cutter port did not open or went away (the link told the operator)
    WrittenToFile, // the cutter port is the file "cutToFile": the stream is in that file
    FileFailed,    // that file could not be written (the operator was told)
};

struct CutJobResult {
    CutJobEnd end = CutJobEnd::NothingToCut;
    QByteArray reply; // every byte the cutter answered
    QString file;     // the file written, for WrittenToFile and FileFailed

    // Whether the label was cut: only the cutter's acknowledgement says so. A stream written
    // to a file cut nothing, so a run does not go on as if the label were done.
    bool cut() const { return end == CutJobEnd::Acknowledged; }
};

// Whether a cutter port text names the file output rather than a port: "cutToFile" in any
// case, blanks around it allowed.
bool isCutToFile(const QString& portText);

// Cuts the current label once (or runs the cutter feed job): builds the stream from the
// inputs as they stand, then writes it into the file named by the port text or sends it to
// the cutter in three writes and waits, with the program's events running, until the cutter
// answers or the operator stops. A stop requested before the job began is not taken for it;
// one given while the stream goes out is. Raises what buildCutStream raises, before anything
// is sent.
CutJobResult RunCutJob(CutJobMode mode, const CutJobInputs& inputs);

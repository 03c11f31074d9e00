#pragma once

#include "cutter/CutterStreamReader.h"
#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/Tshape.h"
#include "printer/PrinterStreamReader.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

class RecordFields;

// What the preview of one label is made from: the label's objects, its size and rotation,
// the job settings as the job would use them, and the record the job prints (null for the
// stored values).
struct PreviewInputs {
    const ShapeList& objects;
    const LabelSettings& label;
    const JobSettings& settings;
    const RecordFields* record = nullptr;
};

// One label as the machine will make it: the streams a print job and a cut job would send,
// read back the way the printer and the cutter read them.
struct LabelPreview {
    QByteArray printerStream;
    QByteArray cutterStream; // empty when the label has nothing to cut
    PrintedLabel printed;    // one bit, printer dots
    CutPath cut;             // cutter pulses
    // The printed label with the knife's path drawn over it, at the printer's resolution.
    QImage picture;
    // Every command that could not be drawn, and why a job would stop or send nothing.
    QStringList problems;
};

// Builds both streams without sending them (the serial values do not advance) and reads
// them back. Nothing it meets ends it: a picture that cannot be loaded or a record field
// that is missing ends the print stream there, as it ends the job, and is reported.
LabelPreview previewLabel(const PreviewInputs& inputs);

#pragma once

#include "cutter/CutterStreamReader.h"
#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/Tshape.h"
#include "printer/PrinterStreamReader.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <optional>

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

// The record a print from the job window takes first: the first record (from 1) of count
// that the range text selects, none when it selects none. A range item that is no number
// raises ConversionError, as the run does.
std::optional<int> firstRecordInRange(int count, const QString& range);

// The label the next print from the job window would make, and the record it was filled
// from (0 for the stored values).
struct NextLabelPreview {
    LabelPreview label;
    int record = 0;
};

// With records switched on in the settings, the label takes the first record of the range
// on the label's sheet, read through a data module of its own so that a run holding the
// shared one is not disturbed. A workbook or sheet that cannot be read raises
// DataSourceError; a range that selects no record raises MessageError.
NextLabelPreview previewNextLabel(const ShapeList& objects, const LabelSettings& label, const JobSettings& settings,
                                  const QString& recordRange);

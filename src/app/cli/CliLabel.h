#pragma once

#include "files/LabelFile.h"

class CliArguments;

// A label file as a command reads it: the document and both settings records.
struct CliLabel {
    Tobject document;
    LabelSettings label;
    JobSettings job;
};

// Reads the label file the command names first. A file that is missing, unreadable, not XML
// or no label file raises CliFailure (exit 1) naming it. Settings read only in part are a
// notice on stderr, as the desktop program keeps the values it did read; objects read only in
// part are the caller's to judge from the result.
LabelLoadResult readCliLabel(const CliArguments& arguments, CliLabel& label);

// The same for a job or a copy: a label read only in part is refused as well, since the
// machine (or the copy) would leave out the objects that were not read.
void readWholeLabel(const CliArguments& arguments, CliLabel& label);

// How far a label read only in part was read, as a reason.
QString partlyReadReason(const LabelLoadResult& result);

// The quantity of a job: --quantity when the command has it and it was given, else the
// quantity stored in the label. Either must be a whole number from 1 to 9999, the most the
// printer's issue command and the cutter's repeat count can say; else CliFailure (exit 1).
int jobQuantity(const CliArguments& arguments, const CliLabel& label);

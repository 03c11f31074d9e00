#pragma once

#include "cutter/DxfReader.h"
#include "model/Tobject.h"

#include <QStringList>

#include <optional>

class QIODevice;

struct DxfImportResult {
    int added = 0; // objects added to the label
    // Why the import ended before the drawing's end; empty when the whole drawing was
    // imported. A drawing that cannot be opened or read, is no DXF drawing or holds too many
    // entities added nothing.
    QString error;
    // Where a value that is not a number ended the import (error holds its text); the
    // objects before it were added. The window shows it as the failure of a typed value.
    std::optional<DxfReadStop> stop;
    QStringList warnings;

    bool ok() const { return error.isEmpty(); }
};

// Adds the lines, arcs, circles and ellipses of a DXF drawing to the label as cut objects,
// in file order, through the document's add operations: lines and arcs with the knife down
// at their start and up at their end, circles and ellipses as single cut circles. The last
// object added is the only one selected.
//
// One undo snapshot is taken before the first object is added, so Undo takes back the
// whole import. A drawing that cannot be opened or read, or that holds more entities than a
// label can use (100,000), adds nothing and leaves the undo snapshot alone. A value that is
// not a number ends the import there; the objects added before it stay in the label.
DxfImportResult importDxf(Tobject& document, const QString& fileName);
DxfImportResult importDxf(Tobject& document, QIODevice& device);

struct DxfLabel {
    Tobject document;
    DxfImportResult result;
};

// A new label of width x height tenths of a millimetre holding
// the drawing's objects: what the command line turns a drawing into.
DxfLabel importDxfLabel(const QString& fileName, int width, int height);

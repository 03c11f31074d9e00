#pragma once

#include "job/PrintControls.h"
#include "model/JobSettings.h"
#include "model/Tshape.h"

#include <memory>

class QTcpSocket;
class RecordFields;
class Tcom;
struct LabelJob;

// How a printer job ended. Only Printed counts as a label printed: when the port does not
// open nothing is sent, and when the port stops taking bytes (a printer unplugged mid-job, a
// full disk) the operator is told and the serial values stay where they were.
// Refused: the operator's input was refused with a message before anything was sent.
enum class PrintOutcome { Printed, PortNotOpened, WriteFailed, Cancelled, Refused };

// What a printer job works on: the document's object list (its serial values advance), the
// job settings (refreshed from the controls first), the job window's controls and the
// label's Rotation.
struct PrintJobContext {
    ShapeList& objects;
    JobSettings& settings;
    const PrintControls& controls;
    int rotation = 0;
    // Where a printer on the network leaves its connection, still open, after a label it
    // took whole: its status echo comes back over it. Null: the connection closes with the job.
    std::unique_ptr<QTcpSocket>* echoConnection = nullptr;
};

// Writes one label job to an open link: the header, every printed object's commands (none in
// feed mode) and the issue command for quantity copies. Returns false when the link did not
// take every byte. Raises what writeObjectCommands raises; what was written stays written.
bool writeLabelJob(Tcom& link, const ShapeList& objects, const LabelJob& label, const JobSettings& settings,
                   int quantity, bool feedMode);

// One label job: refreshes the settings, opens the printer port ("打开打印端口错误" when it
// does not open), writes the header, every printed object's commands (none in feed mode) and
// the issue command for quantity copies, closes the port and advances the serial values.
// record is the spreadsheet record the job prints, or null for the stored values. Failures
// raised at an object (a size or picture that cannot be used, a record field that cannot be
// read) end the job there; what was written stays written and the port is closed.
PrintOutcome PrintLabel(const PrintJobContext& job, int width, int height, int offsetX, int offsetY, int quantity,
                        const RecordFields* record);

// The message of a port that does not open, with the reason when it is known.
void reportPortNotOpened(const QString& hint);
// The message of a port that stopped taking the job's bytes, with the reason when it is known.
void reportWriteFailed(const QString& portName, const QString& reason = QString());

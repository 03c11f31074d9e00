#pragma once

#include "cutter/CutGeometry.h"
#include "job/JobControls.h"
#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/Tshape.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Cut the current label once, or (cutter feed) let the cutter move the paper itself and
// repeat the job for the quantity.
enum class CutJobMode { CurrentLabel = 0, CutterFeed = 1 };

// Everything a cut job reads and writes besides its mode: the window's controls as they
// stand, the job settings (the job stores the cutter port typed in the window), the label's
// size and rotation, the label's objects and the window's stop flag.
struct CutJobInputs {
    const JobControls& controls;
    JobSettings& settings;
    const LabelSettings& label;
    const ShapeList& objects;
    bool& stopRequested;
};

// The stream the cutter receives for one job, in the three writes the link makes.
struct CutStream {
    QByteArray header;
    QByteArray body;
    QByteArray trailer;

    QByteArray whole() const { return header + body + trailer; }
};

// Pulse factors, offsets and form of the cut text. The label is centred across the
// cutter's working width, moved by a fixed 10.5 mm and by the operator's margins. Raises
// ConversionError when a pulse factor or a margin is not a number.
CutContext cutContextFrom(const JobControls& controls, const JobSettings& settings,
                          const LabelSettings& label);

// The set-up commands before the cut objects and the closing commands after them. The
// header raises ConversionError when a speed whose box is ticked is not a whole number.
QString cutStreamHeader(const JobControls& controls, CutJobMode mode, const JobSettings& settings,
                        const LabelSettings& label);
QString cutStreamTrailer(const JobControls& controls, CutJobMode mode);

// Speed commands for a value of the window's scale (" C125" for 85). The cutting speed is
// held within 80 … 200 first; a travel speed outside the window's list has no command.
QString cuttingSpeedCommand(int value);
QString travelSpeedCommand(int value);

// The command the print button sends alone in cutter feed mode: the cutter moves the paper
// by the label pitch (or to the black mark, when ticked) for the quantity typed.
QByteArray cutterFeedCommand(const JobControls& controls, const JobSettings& settings,
                             const LabelSettings& label);

// Builds the stream from the inputs in the order the job reads them, and stores the cutter
// port typed in the window into the settings. Nothing to cut (no enabled cut object): no
// stream. Raises ConversionError for a number that is not one, and MessageError when a cut
// object cannot be cut (a traced picture that cannot be loaded).
std::optional<CutStream> buildCutStream(CutJobMode mode, const CutJobInputs& inputs);

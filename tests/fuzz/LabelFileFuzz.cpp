// A label file's bytes, read as File > Open reads them; what was read is written and read
// again, and its cut objects are turned into cutter text with the label's own settings.

#include "FuzzTarget.h"

#include "cutter/CutText.h"
#include "files/FileError.h"
#include "files/LabelTestData.h"
#include "job/CutStream.h"
#include "job/JobControls.h"
#include "model/ConversionError.h"

namespace {

void cutEveryObject(const LabelState& label)
{
    try {
        CutContext context = cutContextFrom(controlsFromSettings(label.job), label.job, label.label);
        for (const bool commandMode : {true, false}) {
            context.commandMode = commandMode;
            for (const Tshape& shape : label.document.objects)
                CutObjectText(shape, context);
        }
    } catch (const ConversionError&) {
        // The cut job ends with this message before it sends anything.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LabelState first;
    try {
        readLabel(fuzzing::bytesOf(data, size), QStringLiteral("fuzz.xml"), first.target());
    } catch (const FileError&) {
        return 0;
    }
    cutEveryObject(first);

    // Saving what was read and opening it again loses nothing and changes nothing.
    const QByteArray saved = first.bytes();
    LabelState second;
    LabelLoadResult reread;
    try {
        reread = readLabel(saved, QStringLiteral("saved.xml"), second.target());
    } catch (const FileError& error) {
        fuzzing::broken("a saved label opens again", error.message());
    }
    fuzzing::expect(reread.complete && reread.settingsComplete, "a saved label opens whole",
                    reread.objectStop.describe() + reread.settingsStop.describe());
    fuzzing::expect(second.document.objects.size() == first.document.objects.size(),
                    "a saved label keeps its objects");
    fuzzing::expect(second.bytes() == saved, "a saved label saves the same again");
    return 0;
}

// A DXF drawing, imported into a label as the import command does, then every imported
// object turned into cutter text with the machine's default settings.

#include "FuzzTarget.h"

#include "cutter/CutText.h"
#include "cutter/DxfImport.h"
#include "job/CutStream.h"
#include "job/JobControls.h"
#include "model/ConversionError.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = fuzzing::bytesOf(data, size);
    QBuffer drawing(&bytes);
    drawing.open(QIODevice::ReadOnly);
    Tobject document;
    try {
        importDxf(document, drawing);
    } catch (const ConversionError&) {
        // The import stops with this message; what came before it stays in the label.
    }
    fuzzing::expect(document.objects.size() <= 100'000, "an import adds at most 100,000 objects");

    const JobSettings job;
    LabelSettings label;
    label.Width = 1300;
    label.Height = 900;
    CutContext context = cutContextFrom(controlsFromSettings(job), job, label);
    for (const bool commandMode : {true, false}) {
        context.commandMode = commandMode;
        for (const Tshape& shape : document.objects)
            CutObjectText(shape, context);
    }
    return 0;
}

// The record range an operator types: the first two bytes pick the record asked about,
// the rest is the text.

#include "FuzzTarget.h"

#include "data/InRange.h"
#include "model/ConversionError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int record = data[0] << 8 | data[1];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    try {
        const bool inRange = InRange(record, text);
        // A listed record is found whether or not the items after it can be read.
        if (inRange)
            fuzzing::expect(InRange(record, text + QStringLiteral(",x")), "a match ends the reading");
    } catch (const ConversionError&) {
        // The run does not start; the message names the item.
    }
    return 0;
}

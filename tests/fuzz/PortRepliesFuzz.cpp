// What arrives from the cutter and on the printer's status port, in pieces as the line
// hands them over: each byte 0x01 in the input ends one arrival.

#include "FuzzTarget.h"

#include "cutter/TCom232.h"
#include "printer/TReadThread.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TCom232 cutter;
    TReadThread statusReader;
    const QList<QByteArray> arrivals = fuzzing::bytesOf(data, size).split('\x01');
    for (const QByteArray& arrival : arrivals) {
        cutter.receive(arrival);
        statusReader.receive(arrival);
        fuzzing::expect(cutter.status >= 0 && cutter.status <= 2, "the cutter's reply has a verdict of 0, 1 or 2");
        fuzzing::expect(statusReader.status >= 0 && statusReader.status <= 2,
                        "the printer's report has a verdict of 0, 1 or 2");
        // A report is judged once it holds 13 characters; nothing more is kept for it.
        fuzzing::expect(statusReader.received.size() < 13, "the status reader drops each judged report");
    }
    return 0;
}

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
        const CutterStatus cutterBefore = cutter.status;
        const PrinterStatus printerBefore = statusReader.status;
        cutter.receive(arrival);
        statusReader.receive(arrival);
        // Five characters are enough for the cutter's verdict, and an acceptance is never
        // taken back by what follows it.
        fuzzing::expect(cutter.received.size() < 5 || cutter.status != CutterStatus::Waiting,
                        "the cutter's reply is judged from its fifth character");
        fuzzing::expect(cutterBefore != CutterStatus::Accepted || cutter.status == CutterStatus::Accepted,
                        "the cutter's acceptance stands");
        fuzzing::expect(printerBefore == PrinterStatus::Waiting || statusReader.status != PrinterStatus::Waiting,
                        "an interim report does not undo the printer's verdict");
        // A report is judged once it holds 13 characters; nothing more is kept for it.
        fuzzing::expect(statusReader.received.size() < 13, "the status reader drops each judged report");
    }
    return 0;
}

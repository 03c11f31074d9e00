#include "app/cli/CliArguments.h"
#include "app/cli/CliLabel.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliRecord.h"
#include "job/DateStyle.h"
#include "job/ValueListing.h"

// marlune-cli values LABEL.xml [--workbook BOOK --sheet SHEET --record K]: what each print
// object of the label sends to the printer, from the stored values or from record K. Nothing
// is printed unless every value could be made.
int runValues(const CliArguments& arguments)
{
    std::optional<CliSheet> sheet;
    openChosenRecord(arguments, sheet);
    CliLabel label;
    readWholeLabel(arguments, label);
    const QStringList lines = sheet ? about(sheet->name(), kExitNotStarted, [&] {
        return valueListing(label.document.objects, &sheet->record(), systemDateSeparator());
    })
                                    : valueListing(label.document.objects, nullptr, systemDateSeparator());
    for (const QString& line : lines)
        writeStdout(line + u'\n');
    return kExitDone;
}

#include "app/cli/CliCommand.h"

#include <array>

namespace {

const std::array kCommands{
    CliCommand{"sheets", "BOOK", "List the sheet names of a workbook, one a line.", runSheets},
    CliCommand{"fields", "BOOK SHEET", "List the column names of a sheet, one a line.", runFields},
    CliCommand{"records", "BOOK SHEET [--range R]",
               "Print the records of a sheet: number, then values, tab-separated.", runRecords},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

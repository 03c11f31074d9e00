#include "app/cli/CliCommand.h"

#include <array>

namespace {

const std::array kCommands{
    CliCommand{"dump", "LABEL.xml", "Prints the label's settings and objects as one JSON object.",
               runDump},
    CliCommand{"resave", "LABEL.xml -o OUT.xml", "Loads a label and saves it again.", runResave},
    CliCommand{"trace", "BITMAP", "Prints the outline traced from a bitmap, one \"x,y\" line per point.",
               runTrace},
    CliCommand{"import-dxf", "DRAWING.dxf -o LABEL.xml [--size WxH]",
               "Imports a DXF drawing as cut objects into a new label (WxH in millimetres, "
               "default 130x90).",
               runImportDxf},
    CliCommand{"sheets", "BOOK", "Lists the sheet names of a workbook, one a line.", runSheets},
    CliCommand{"fields", "BOOK SHEET", "Lists the column names of a sheet, one a line.", runFields},
    CliCommand{"records", "BOOK SHEET [--range R]",
               "Prints the records of a sheet: number, then values, tab-separated.", runRecords},
    CliCommand{"values", "LABEL.xml [--workbook BOOK --sheet SHEET --record K]",
               "Prints what each print object sends to the printer: index, Type and value, "
               "tab-separated (the stored values, or those of record K).",
               runValues},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

#include "app/cli/CliCommand.h"

#include <array>

namespace {

const std::array kCommands{
    CliCommand{"dump", "LABEL.xml", "Prints the label's settings and objects as one JSON object.",
               runDump},
    CliCommand{"resave", "LABEL.xml -o OUT.xml", "Loads a label and saves it again.", runResave},
    CliCommand{"print",
               "LABEL.xml [-o FILE] [--port NAME] [--quantity N] [--workbook BOOK --sheet SHEET --record K] "
               "[--blank]",
               "Runs one label job: writes the printer stream to FILE, or sends it to the port (the label's "
               "printer port unless --port). --blank feeds blank labels instead.",
               runPrint},
    CliCommand{"trace", "BITMAP", "Prints the outline traced from a bitmap, one \"x,y\" line per point.",
               runTrace},
    CliCommand{"import-dxf", "DRAWING.dxf -o LABEL.xml [--size WxH]",
               "Imports a DXF drawing as cut objects into a new label (WxH in millimetres, "
               "default 130x90).",
               runImportDxf},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

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
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

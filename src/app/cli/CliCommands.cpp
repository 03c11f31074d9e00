#include "app/cli/CliCommand.h"

#include <array>

namespace {

const std::array kCommands{
    CliCommand{"import-dxf", "DRAWING.dxf -o LABEL.xml [--size WxH]",
               "Imports a DXF drawing as cut objects into a new label (WxH in millimetres, "
               "default 130x90).",
               runImportDxf},
    CliCommand{"trace", "BITMAP", "Prints the outline traced from a bitmap, one \"x,y\" line per point.",
               runTrace},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

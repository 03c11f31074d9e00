#include "app/cli/CliCommand.h"

#include <array>

namespace {

const std::array kCommands{
    CliCommand{"dump", "LABEL.xml", "print the label's settings and objects as one JSON object", runDump},
    CliCommand{"resave", "LABEL.xml -o OUT.xml", "load a label and save it again", runResave},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

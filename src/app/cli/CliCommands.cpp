#include "app/cli/CliCommand.h"

#include <array>

namespace {

const std::array<CliCommand, 0> kCommands{};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

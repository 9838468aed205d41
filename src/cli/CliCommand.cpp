#include "cli/CliCommand.h"

namespace tessark::cli {

const std::vector<CliCommand>& AllCommands()
{
    static const std::vector<CliCommand> commands = {
    };
    return commands;
}

}  // namespace tessark::cli

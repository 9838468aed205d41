#include "cli/CliCommand.h"

#include "cli/GenDataCommand.h"

namespace tessark::cli {

const std::vector<CliCommand>& AllCommands()
{
    static const std::vector<CliCommand> commands = {
        {"gen-data", "DIR [--seed N]", false, &RunGenData},
    };
    return commands;
}

}  // namespace tessark::cli

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessark::cli {

// Exit statuses of the command-line tool.
enum ExitStatus : int {
    kExitOk = 0,
    kExitMapFailed = 1,
    kExitUsage = 2,
    kExitDataFailed = 3,
};

// What every command gets: the data directory (already resolved), its own arguments, and
// whether --verbose was given.
struct CliContext {
    std::string dataDirectory;
    std::vector<std::string> args;
    bool verbose = false;
};

struct CliCommand {
    std::string_view name;
    std::string_view usage;
    bool needsGameData;
    int (*run)(const CliContext& context);
};

// Every command, in the order the help lists them.
const std::vector<CliCommand>& AllCommands();

}  // namespace tessark::cli

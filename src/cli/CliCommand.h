#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessark {
class MessageSink;
struct GameData;
}  // namespace tessark

namespace tessark::cli {

// Exit statuses of the command-line tool.
enum ExitStatus : int {
    kExitOk = 0,
    kExitMapFailed = 1,
    kExitUsage = 2,
    kExitDataFailed = 3,
};

// What every command gets: the data directory (already resolved), its own arguments, and
// whether --verbose was given. The game data is loaded before commands that need it run;
// messages are the tool's stand-in for message boxes.
struct CliContext {
    std::string dataDirectory;
    std::vector<std::string> args;
    bool verbose = false;
    GameData* data = nullptr;
    MessageSink* messages = nullptr;
};

struct CliCommand {
    std::string_view name;
    std::string_view usage;
    bool needsGameData;
    int (*run)(const CliContext& context);
};

// Every command, in the order the help lists them.
const std::vector<CliCommand>& AllCommands();

// Loads the game data when the command needs it (as the editor's start-up does, messages on
// standard error), then runs the command. kExitDataFailed when start-up would have stopped.
int RunCommand(const CliCommand& command, CliContext context);

}  // namespace tessark::cli

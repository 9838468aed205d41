#include "cli/CliCommand.h"

#include <iostream>
#include <memory>

#include "cli/DataInfoCommand.h"
#include "cli/GenDataCommand.h"
#include "cli/GenMapCommand.h"
#include "cli/MapCommands.h"
#include "cli/RenderCommand.h"
#include "cli/SheetCommand.h"
#include "cli/SpriteSheetCommand.h"
#include "cli/StderrMessageSink.h"
#include "data/DataLoader.h"
#include "data/GameData.h"

namespace tessark::cli {

const std::vector<CliCommand>& AllCommands()
{
    static const std::vector<CliCommand> commands = {
        {"datainfo", "", true, RunDataInfo},
        {"info", "MAP", true, RunInfo},
        {"dump", "MAP", true, RunDump},
        {"verify", "MAP", true, RunVerify},
        {"convert", "IN OUT [--template T.qzbm] [--import M.qzbm]...", true, RunConvert},
        {"render",
         "MAP -o OUT.png [--floor Z] [--zoom F] [--center X,Y | --scroll PX,PY] [--size WxH] [--no-shade] "
         "[--no-spawns] [--no-creatures] [--animation N]",
         true, RunRender},
        {"minimap", "MAP -o OUT.png [--floor Z] [--area X,Y,W,H]", true, RunMinimap},
        {"gen-data", "DIR [--seed N]", false, RunGenData},
        {"gen-map", "OUT.qzbm [--size N] [--seed N]", true, RunGenMap},
        {"sprite-sheet", "-o OUT.png [--columns N] [--first ID] [--last ID]", true, RunSpriteSheet},
        {"sheet", "-o OUT.png [--material NAME] [--columns N]", true, RunSheet},
        {"copy", "MAP --area X,Y,W,H [--floor Z | --floors Z1-Z2] -o CLIP.bin | MAP --thing X,Y,Z,N -o CLIP.bin",
         true, RunCopy},
        {"paste", "MAP CLIP.bin --at X,Y,Z -o OUT [--thing]", true, RunPaste},
    };
    return commands;
}

int RunCommand(const CliCommand& command, CliContext context)
{
    StderrMessageSink messages(std::cerr, context.verbose);
    context.messages = &messages;
    if (!command.needsGameData) {
        return command.run(context);
    }
    auto data = std::make_unique<GameData>();
    const bool loaded = LoadDataFiles(context.dataDirectory, *data, messages);
    // The editor sends this to the debugger output; --verbose is the tool's debugger.
    if (context.verbose && !data->materials.LastDebugOutput().empty()) {
        std::cerr << "debug: creatures.xml: " << data->materials.LastDebugOutput() << '\n';
    }
    if (!loaded) {
        return kExitDataFailed;
    }
    context.data = data.get();
    return command.run(context);
}

}  // namespace tessark::cli

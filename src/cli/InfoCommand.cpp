#include <iostream>

#include "cli/CliMapDocument.h"
#include "cli/MapCommands.h"
#include "json/MapJson.h"

namespace tessark::cli {

int RunInfo(const CliContext& context)
{
    if (context.args.size() != 1) {
        std::cerr << "tessark-cli: usage: info MAP\n";
        return kExitUsage;
    }
    CliMapDocument map(*context.data, *context.messages);
    const bool read = map.Open(context.args[0]);
    // What a failed read left in the map is printed before the open's message.
    std::cout << MapInfoJson(map.Document()) << '\n' << std::flush;
    map.ReleaseMessages();
    return read ? kExitOk : kExitMapFailed;
}

}  // namespace tessark::cli

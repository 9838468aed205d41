#include <iostream>

#include "cli/CliMapDocument.h"
#include "cli/MapCommands.h"
#include "edit/VerifyCheck.h"

namespace tessark::cli {

int RunVerify(const CliContext& context)
{
    if (context.args.size() != 1) {
        std::cerr << "tessark-cli: usage: verify MAP\n";
        return kExitUsage;
    }
    CliMapDocument map(*context.data, *context.messages);
    const bool read = map.Open(context.args[0]);
    for (const VerifyEntry& entry : VerifyMap(map.Document())) {
        std::cout << entry.text << '\n';
    }
    std::cout << std::flush;
    map.ReleaseMessages();
    return read ? kExitOk : kExitMapFailed;
}

}  // namespace tessark::cli

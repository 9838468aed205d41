#include <cstdio>
#include <iostream>
#include <string>

#include "cli/CliMapDocument.h"
#include "cli/MapCommands.h"
#include "json/MapJson.h"

namespace tessark::cli {

int RunDump(const CliContext& context)
{
    if (context.args.size() != 1) {
        std::cerr << "tessark-cli: usage: dump MAP\n";
        return kExitUsage;
    }
    CliMapDocument map(*context.data, *context.messages);
    const bool read = map.Open(context.args[0]);
    // A large map gives millions of lines: they go out in big blocks.
    std::string block;
    const auto flush = [&block] {
        std::cout.write(block.data(), static_cast<std::streamsize>(block.size()));
        block.clear();
    };
    DumpMapJson(map.Document(), [&](std::string_view line) {
        block.append(line);
        block.push_back('\n');
        if (block.size() >= (1u << 20)) {
            flush();
        }
    });
    flush();
    std::cout << std::flush;
    map.ReleaseMessages();
    return read ? kExitOk : kExitMapFailed;
}

}  // namespace tessark::cli

#include "cli/GenDataCommand.h"

#include <charconv>
#include <iostream>
#include <string>

#include "samples/gendata/DataKitWriter.h"

namespace tessark::cli {

namespace {

bool ParseSeed(const std::string& text, uint64_t& seed)
{
    const char* end = text.data() + text.size();
    auto [at, error] = std::from_chars(text.data(), end, seed);
    return error == std::errc() && at == end && !text.empty();
}

int Usage(const std::string& problem)
{
    std::cerr << "tessark-cli gen-data: " << problem << "\nusage: tessark-cli gen-data DIR [--seed N]\n";
    return kExitUsage;
}

}  // namespace

int RunGenData(const CliContext& context)
{
    std::string directory;
    uint64_t seed = gendata::kDefaultSeed;
    const auto& args = context.args;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--seed") {
            if (i + 1 >= args.size()) {
                return Usage("--seed needs a number");
            }
            if (!ParseSeed(args[++i], seed)) {
                return Usage("not a seed: " + args[i]);
            }
        } else if (args[i].starts_with("--")) {
            return Usage("unknown option " + args[i]);
        } else if (directory.empty()) {
            directory = args[i];
        } else {
            return Usage("more than one directory given");
        }
    }
    if (directory.empty()) {
        return Usage("no directory given");
    }
    const gendata::DataKitResult result = gendata::WriteDataKit(directory, seed);
    if (!result.ok) {
        std::cerr << "error: " << result.error << '\n';
        return kExitMapFailed;
    }
    if (context.verbose) {
        std::cerr << "wrote the sample game data to " << directory << " (seed " << seed << ")\n";
    }
    return kExitOk;
}

}  // namespace tessark::cli

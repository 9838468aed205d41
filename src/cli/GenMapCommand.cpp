#include "cli/GenMapCommand.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "cli/CliMapDocument.h"
#include "data/GameData.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "samples/genmap/WorldGenerator.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::cli {

namespace {

constexpr const char* kUsage = "gen-map OUT.qzbm [--size N] [--seed N]";

template <class Number>
bool ParseNumber(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && at == end && !text.empty();
}

int Usage(const std::string& problem)
{
    std::cerr << "tessark-cli gen-map: " << problem << "\nusage: tessark-cli " << kUsage << '\n';
    return kExitUsage;
}

}  // namespace

int RunGenMap(const CliContext& context)
{
    std::string output;
    genmap::WorldSettings settings;
    const auto& args = context.args;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--size" || arg == "--seed") {
            if (i + 1 >= args.size()) {
                return Usage(arg + " needs a number");
            }
            const std::string& value = args[++i];
            const bool parsed = arg == "--size" ? ParseNumber(value, settings.size) : ParseNumber(value, settings.seed);
            if (!parsed) {
                return Usage("not a number: " + value);
            }
        } else if (arg.starts_with("--")) {
            return Usage("unknown option " + arg);
        } else if (output.empty()) {
            output = arg;
        } else {
            return Usage("more than one map given");
        }
    }
    if (output.empty()) {
        return Usage("no map given");
    }
    if (settings.size < genmap::WorldSettings::kSmallestSize || settings.size > genmap::WorldSettings::kLargestSize) {
        return Usage("the size must lie between " + std::to_string(genmap::WorldSettings::kSmallestSize) + " and " +
                     std::to_string(genmap::WorldSettings::kLargestSize));
    }

    genmap::WorldPalette palette;
    const std::string missing = palette.Resolve(context.data->items);
    if (!missing.empty()) {
        context.messages->ShowMessage(missing, MessageIcon::Error);
        return kExitDataFailed;
    }
    CliMapDocument map(*context.data, *context.messages);
    CTessarkDoc& document = map.Document();
    document.OnNewDocument();
    genmap::WorldGenerator(document, palette, settings).Generate();
    // Save As: the side files are named after the new map.
    const SaveResult saved =
        document.DoSave({}, true, [&](const std::string&) { return std::optional<std::string>(output); });
    if (saved != SaveResult::Saved) {
        const std::string message = "Could not save " + output + ".";
        context.messages->Ask({message, MessageIcon::Error, document.errorDetail});
        return kExitMapFailed;
    }
    if (context.verbose) {
        std::cerr << "wrote a world of " << settings.size << " x " << settings.size << " tiles to " << output
                  << " (seed " << settings.seed << ")\n";
    }
    return kExitOk;
}

}  // namespace tessark::cli

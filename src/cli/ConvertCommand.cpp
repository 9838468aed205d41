#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliMapDocument.h"
#include "cli/MapCommands.h"
#include "mapfiles/MapImport.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"

namespace tessark::cli {

namespace {

constexpr const char* kUsage = "convert IN OUT [--template T.qzbm] [--import M.qzbm]...";

struct ConvertArguments {
    std::string input;
    std::string output;
    std::optional<std::string> templatePath;
    std::vector<std::string> imports;
};

std::optional<ConvertArguments> ParseArguments(const std::vector<std::string>& args)
{
    ConvertArguments parsed;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--template" || arg == "--import") {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            if (arg == "--template") {
                parsed.templatePath = args[++i];
            } else {
                parsed.imports.push_back(args[++i]);
            }
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return std::nullopt;
    }
    parsed.input = positional[0];
    parsed.output = positional[1];
    return parsed;
}

}  // namespace

int RunConvert(const CliContext& context)
{
    const std::optional<ConvertArguments> args = ParseArguments(context.args);
    if (!args) {
        std::cerr << "tessark-cli: usage: " << kUsage << '\n';
        return kExitUsage;
    }
    CliMapDocument map(*context.data, *context.messages);
    CTessarkDoc& document = map.Document();
    // A template or an import that cannot be read fails the conversion: a map converted
    // without it is not what was asked for.
    if (args->templatePath && !LoadTemplateFile(document, *args->templatePath)) {
        return kExitMapFailed;
    }
    const bool read = map.Open(args->input);
    map.ReleaseMessages();
    if (!read) {
        return kExitMapFailed;
    }
    for (const std::string& path : args->imports) {
        if (!ImportMap(document, path)) {
            return kExitMapFailed;
        }
    }
    // Save As: the side-file names are derived afresh from the new name.
    const SaveResult saved = document.DoSave(
        {}, true, [&](const std::string&) { return std::optional<std::string>(args->output); });
    if (saved != SaveResult::Saved) {
        const std::string message = "Could not save " + args->output + ".";
        context.messages->Ask({message, MessageIcon::Error, document.errorDetail});
        return kExitMapFailed;
    }
    return kExitOk;
}

}  // namespace tessark::cli

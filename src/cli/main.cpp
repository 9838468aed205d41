#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliCommand.h"
#include "data/DataLoader.h"

namespace {

using namespace tessark::cli;

constexpr const char* kVersionText = "Tessark Version " TESSARK_VERSION;

void PrintUsage(std::ostream& out)
{
    out << "usage: tessark-cli [--data DIR] [--verbose] COMMAND [ARGS...]\n"
           "       tessark-cli --version\n"
           "       tessark-cli --help\n\ncommands:\n";
    for (const auto& command : AllCommands()) {
        out << "  " << command.name << ' ' << command.usage << '\n';
    }
}

// The directory of the running executable, where the editor looks for its data first too.
std::string ExecutableDirectory(const char* argv0)
{
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::absolute(argv0, error);
    }
    return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv)
{
    CliContext context;
    std::string commandName;
    int i = 1;
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--version") {
            std::cout << kVersionText << '\n';
            return kExitOk;
        }
        if (arg == "--help") {
            PrintUsage(std::cout);
            return kExitOk;
        }
        if (arg == "--verbose") {
            context.verbose = true;
        } else if (arg == "--data") {
            if (++i >= argc) {
                std::cerr << "tessark-cli: --data needs a directory\n";
                PrintUsage(std::cerr);
                return kExitUsage;
            }
            context.dataDirectory = argv[i];
        } else if (arg.starts_with("--")) {
            std::cerr << "tessark-cli: unknown option " << arg << '\n';
            PrintUsage(std::cerr);
            return kExitUsage;
        } else {
            commandName = arg;
            ++i;
            break;
        }
    }
    if (commandName.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    for (; i < argc; ++i) {
        context.args.emplace_back(argv[i]);
    }
    if (context.dataDirectory.empty()) {
        context.dataDirectory = tessark::ChooseDataDirectory(ExecutableDirectory(argv[0]), TESSARK_INSTALLED_DATA);
    }
    for (const auto& command : AllCommands()) {
        if (command.name == commandName) {
            return RunCommand(command, std::move(context));
        }
    }
    std::cerr << "tessark-cli: unknown command " << commandName << '\n';
    PrintUsage(std::cerr);
    return kExitUsage;
}

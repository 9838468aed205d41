#include "support/GeneratedWorld.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "data/DataLoader.h"
#include "mapfiles/MapFormats.h"
#include "samples/gendata/DataKitWriter.h"

namespace tessark::test {

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ToolRun RunTool(const ScratchDirectory& scratch, const std::string& arguments)
{
    const std::string outPath = scratch.File("tool-stdout.txt");
    const std::string errPath = scratch.File("tool-stderr.txt");
    const std::string command = std::string("'") + TESSARK_CLI_PATH + "' " + arguments + " >'" + outPath +
                                "' 2>'" + errPath + "' </dev/null";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadWholeFile(outPath);
    run.err = ReadWholeFile(errPath);
    return run;
}

GeneratedWorld& GeneratedWorld::Get()
{
    static GeneratedWorld world;
    return world;
}

GeneratedWorld::GeneratedWorld() : data_(std::make_unique<GameData>())
{
    gendata::WriteDataKit(DataDirectory(), gendata::kDefaultSeed);
    generation_ = RunTool(scratch_, "--data '" + DataDirectory() + "' gen-map '" + MapPath() + "' --size " +
                                        std::to_string(kSize) + " --seed " + std::to_string(kSeed));
    SilentMessageSink quiet;
    LoadDataFiles(DataDirectory(), *data_, quiet);
    document_ = std::make_unique<CTessarkDoc>(data_->items, messages_);
    RegisterMapFormats(*document_);
    document_->OnOpenDocument(MapPath());
}

}  // namespace tessark::test

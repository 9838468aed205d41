#pragma once

#include <memory>
#include <string>

#include "data/GameData.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "support/ScratchDirectory.h"

namespace tessark::test {

// What a run of the built command-line tool left: its exit status and its two output streams.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs tessark-cli with the arguments (already quoted for the shell where needed), its output
// kept in files of the scratch directory.
ToolRun RunTool(const ScratchDirectory& scratch, const std::string& arguments);

std::string ReadWholeFile(const std::string& path);

// The sample data kit and one world generated from it by the tool, made once for the whole
// test program and opened as the editor opens a map, its messages recorded.
class GeneratedWorld {
public:
    static constexpr int kSize = 512;
    static constexpr int kSeed = 7;

    static GeneratedWorld& Get();

    const ScratchDirectory& Scratch() const { return scratch_; }
    std::string DataDirectory() const { return scratch_.File("data"); }
    std::string MapPath() const { return scratch_.File("world.qzbm"); }

    const ToolRun& Generation() const { return generation_; }
    GameData& Data() { return *data_; }
    CTessarkDoc& Document() { return *document_; }
    const RecordingMessageSink& OpenMessages() const { return messages_; }

private:
    GeneratedWorld();

    ScratchDirectory scratch_;
    ToolRun generation_;
    std::unique_ptr<GameData> data_;
    RecordingMessageSink messages_;
    std::unique_ptr<CTessarkDoc> document_;
};

}  // namespace tessark::test

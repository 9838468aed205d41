#pragma once

#include <memory>
#include <string>

#include "data/GameData.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "support/CliRun.h"
#include "support/ScratchDirectory.h"

namespace tessark::test {

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

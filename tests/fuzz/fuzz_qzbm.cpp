// Reads arbitrary bytes as a QZBM map, as Open does and as a merge, and as a ground template.
// The one-pass reader must agree with the node-file loader's tree walk (QzbmWalkReader.h) on
// the result, the error kind and code, the messages and everything read; a map that was read
// must save, and what was saved must read back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzMapSupport.h"
#include "QzbmWalkReader.h"
#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "mapfiles/TemplateLoader.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;

struct Reader {
    ItemDatabase database;
    RecordingMessageSink messages;
    Reader() { fuzz::FillFuzzDatabase(database); }
    std::unique_ptr<CTessarkDoc> Fresh()
    {
        messages.messages.clear();
        return std::make_unique<CTessarkDoc>(database, messages);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Reader streamed;
    static Reader walked;
    const std::string folder = fuzz::ScratchFolder();
    const std::string input = folder + "/input.qzbm";
    fuzz::WriteInput(input, data, size);

    auto first = streamed.Fresh();
    auto second = walked.Fresh();
    const bool read = LoadQzbm(*first, input, false);
    const bool walkRead = fuzz::LoadQzbmByWalk(*second, input, false);
    if (read != walkRead || fuzz::Summary(*first) != fuzz::Summary(*second) ||
        streamed.messages.messages != walked.messages.messages ||
        first->UniqueIds() != second->UniqueIds()) {
        std::abort();
    }

    // The same file merged into what was read.
    const bool merged = LoadQzbm(*first, input, true);
    const bool walkMerged = fuzz::LoadQzbmByWalk(*second, input, true);
    if (merged != walkMerged || fuzz::Summary(*first) != fuzz::Summary(*second)) {
        std::abort();
    }

    if (read) {
        const std::string saved = folder + "/saved.qzbm";
        if (!SaveQzbm(*first, saved)) {
            std::abort();
        }
        auto again = streamed.Fresh();
        if (!LoadQzbm(*again, saved, false)) {
            std::abort();
        }
    }

    auto templ = streamed.Fresh();
    if (!LoadTemplate(*templ, input) && !templ->groundTemplate.empty()) {
        std::abort();
    }
    return 0;
}

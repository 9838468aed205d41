// Reads arbitrary text as a house file and as a spawn file; what was read must save and read
// back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzMapSupport.h"
#include "platform/MessageSink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessark;
    static ItemDatabase database;
    static bool filled = false;
    if (!filled) {
        fuzz::FillFuzzDatabase(database);
        filled = true;
    }
    SilentMessageSink messages;
    const std::string folder = fuzz::ScratchFolder();
    const std::string input = folder + "/input.xml";
    fuzz::WriteInput(input, data, size);

    CTessarkDoc document(database, messages);
    if (document.Houses().LoadHouses(input, messages)) {
        const std::string saved = folder + "/saved-house.xml";
        CTessarkDoc again(database, messages);
        if (!document.Houses().SaveHouses(saved) || !again.Houses().LoadHouses(saved, messages) ||
            again.Houses().Size() != document.Houses().Size()) {
            std::abort();
        }
    }
    if (document.Spawns().LoadSpawns(input, messages)) {
        const std::string saved = folder + "/saved-spawn.xml";
        CTessarkDoc again(database, messages);
        if (!document.Spawns().SaveSpawns(saved) || !again.Spawns().LoadSpawns(saved, messages)) {
            std::abort();
        }
    }
    return 0;
}

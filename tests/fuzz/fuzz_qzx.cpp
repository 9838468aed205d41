// Reads arbitrary text as a QZX map, with a ground template in force; a map that was read must
// save, and what was saved must read back with the same tiles. Read a few bytes at a time, the
// text must give the same outcome.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzMapSupport.h"
#include "mapfiles/QzxReader.h"
#include "mapfiles/QzxWriter.h"
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
    const std::string input = folder + "/input.qzx";
    fuzz::WriteInput(input, data, size);

    CTessarkDoc document(database, messages);
    document.groundTemplate[1] = {2, 10, 999, 40};
    document.templateLoaded = 1;
    const bool read = LoadQzx(document, input);
    CTessarkDoc windowed(database, messages);
    windowed.groundTemplate = document.groundTemplate;
    windowed.templateLoaded = 1;
    if (LoadQzx(windowed, input, 2 + size % 13) != read || windowed.errorKind != document.errorKind ||
        windowed.errorDetail != document.errorDetail || windowed.Tiles().Size() != document.Tiles().Size() ||
        windowed.Towns().Size() != document.Towns().Size() || windowed.width != document.width) {
        std::abort();
    }
    if (!read) {
        return 0;
    }
    const std::string saved = folder + "/saved.qzx";
    if (!SaveQzx(document, saved)) {
        std::abort();
    }
    CTessarkDoc again(database, messages);
    if (!LoadQzx(again, saved)) {
        std::abort();
    }
    return 0;
}

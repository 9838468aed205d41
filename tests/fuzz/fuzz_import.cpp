// A hostile map imported into an open map with the sample data kit, as "Import..." does. A
// failed import changes nothing in the open map; a successful one leaves a map that saves and
// reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzKit.h"
#include "mapfiles/MapFormats.h"
#include "mapfiles/MapImport.h"
#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "model/ThingFactory.h"

namespace {

using namespace tessark;

// A small open map in the kit's types: grounds, an item on top, a house tile and a town.
const std::string& BaseMap()
{
    static const std::string path = [] {
        GameData& game = fuzz::KitData();
        SilentMessageSink messages;
        CTessarkDoc document(game.items, messages);
        RegisterMapFormats(document);
        document.width = document.height = 64;
        int32_t ground = -1;
        int32_t other = -1;
        for (const auto& [key, type] : game.items.ServerTypes()) {
            if (type.group == ItemGroup::Ground && ground < 0) {
                ground = key;
            } else if (type.group == ItemGroup::None && other < 0) {
                other = key;
            }
        }
        for (int32_t x = 2; x < 10; ++x) {
            for (int32_t y = 2; y < 6; ++y) {
                CTile* tile = document.StoreTile(std::make_unique<CTile>(), x, y, 7);
                tile->AddThing(game.items, CreateThing(game.items, ground, 0), false);
                if ((x + y) % 3 == 0) {
                    tile->AddThing(game.items, CreateThing(game.items, other, 0), false);
                }
            }
        }
        document.Houses().GetHouse(4, true)->AddTile(document.GetTile(3, 3, 7));
        document.Towns().GetTown(1, true)->name = "Harbour";
        const std::string saved = fuzz::ScratchFolder() + "/base.qzbm";
        if (!SaveQzbm(document, saved)) {
            std::abort();
        }
        return saved;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    BaseMap();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GameData& game = fuzz::KitData();
    const std::string input = fuzz::ScratchFolder() + "/import.qzbm";
    fuzz::WriteInput(input, data, size);

    SilentMessageSink messages;
    CTessarkDoc document(game.items, messages);
    RegisterMapFormats(document);
    if (!LoadQzbm(document, BaseMap(), false)) {
        std::abort();
    }
    const std::string before = fuzz::Summary(document);
    const auto usedIds = document.UniqueIds();
    if (!ImportMap(document, input)) {
        // The message carries the error; the map itself must be as it was.
        document.errorKind = 0;
        document.errorCode = 0;
        if (fuzz::Summary(document) != before || document.UniqueIds() != usedIds) {
            std::abort();
        }
        return 0;
    }
    const std::string saved = fuzz::ScratchFolder() + "/imported.qzbm";
    CTessarkDoc again(game.items, messages);
    if (!SaveQzbm(document, saved) || !LoadQzbm(again, saved, false)) {
        std::abort();
    }
    return 0;
}

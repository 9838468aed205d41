// Tile groups and single things as the clipboard and drag and drop carry them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "data/ItemDatabase.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;

ItemDatabase& Database()
{
    static ItemDatabase* database = [] {
        auto* made = new ItemDatabase();
        const ItemGroup groups[] = {ItemGroup::Ground, ItemGroup::None,     ItemGroup::Rune,
                                    ItemGroup::Splash, ItemGroup::Teleport, ItemGroup::Depot,
                                    ItemGroup::Creature, ItemGroup::Door};
        int32_t key = 0;
        for (ItemGroup group : groups) {
            for (int variant = 0; variant < 4; ++variant, ++key) {
                ItemType type;
                type.group = group;
                type.stackable = variant == 1;
                type.alwaysOnTop = variant >= 2;
                type.topOrder = static_cast<uint8_t>(variant);
                type.hangeable = variant == 3 && group == ItemGroup::None;
                type.horizontal = variant == 2;
                type.minimapColor = static_cast<uint16_t>(key * 9);
                made->SetServerType(key, type);
            }
        }
        return made;
    }();
    return *database;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ItemDatabase& database = Database();
    const std::span<const uint8_t> bytes(data, size);

    {
        ArchiveReader reader(bytes);
        while (auto item = LoadThing(database, reader)) {
            ArchiveWriter writer;
            StoreThing(*item, writer);
        }
    }

    SilentMessageSink messages;
    CTessarkDoc document(database, messages);
    ArchiveReader reader(bytes);
    std::vector<Position> offsets;
    if (document.SerializeTiles(reader, offsets)) {
        document.PasteCopyBuffer({100, 100, 7});
        std::vector<Position> pasted;
        for (const Position& offset : offsets) {
            const auto add = [](int32_t base, int32_t offset) {
                return static_cast<int32_t>(static_cast<uint32_t>(base) + static_cast<uint32_t>(offset));
            };
            pasted.push_back({add(100, offset.x), add(100, offset.y), add(7, offset.z)});
        }
        for (const Position& position : pasted) {
            if (const CTile* tile = document.GetTile(position)) {
                tile->GetMinimapColor(database);
            }
        }
        ArchiveWriter writer;
        document.SerializeTiles(writer, pasted);
    }
    return 0;
}

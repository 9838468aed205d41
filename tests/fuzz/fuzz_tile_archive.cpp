// Tile groups and single things as the clipboard and drag and drop carry them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzMapSupport.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "platform/MessageSink.h"

using namespace tessark;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ItemDatabase& database = fuzz::VariantDatabase();
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

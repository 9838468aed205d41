// Feeds one input as items.xml, materials.xml and creatures.xml to a small item database.
#include <cstdint>
#include <string>

#include "FuzzMapSupport.h"
#include "data/GameData.h"
#include "platform/MessageSink.h"

namespace {

void FillDatabase(tessark::ItemDatabase& items)
{
    items.clientItemCount = 120;
    for (int32_t key = 0; key < 30; ++key) {
        tessark::ItemType type;
        type.serverId = key + 100;
        type.group = static_cast<tessark::ItemGroup>(key % 4);
        type.pickupable = key % 3 == 0;
        type.hangeable = key % 5 == 0;
        items.SetServerType(key, type);
        items.SetClientType(key, type);
    }
    for (int32_t key = 30; key < 40; ++key) {
        items.SetClientType(key, tessark::ItemType{});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = tessark::fuzz::InputFile("game.xml", data, size);
    {
        tessark::GameData game;
        FillDatabase(game.items);
        tessark::SilentMessageSink messages;
        game.items.LoadItemNames(path);
        game.materials.LoadMaterials(path, game.items, messages);
        game.materials.LoadCreatures(path, game.items, messages);
        for (int i = -1; i <= game.materials.GetMaterialCount(); ++i) {
            const tessark::CBaseMaterial& material = game.materials.GetMaterial(i);
            for (int k = 0; k < material.GetCount(); ++k) {
                game.materials.FindMaterialOfItem(material.GetItem(k));
            }
        }
    }
    return 0;
}

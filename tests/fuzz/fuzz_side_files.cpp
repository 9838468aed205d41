// The house and spawn side files: loading whatever the file holds, saving and loading again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzMapSupport.h"
#include "model/HouseList.h"
#include "model/SpawnList.h"
#include "model/Tile.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;

const ItemDatabase& Database()
{
    static ItemDatabase* database = [] {
        auto* made = new ItemDatabase();
        const char* names[] = {"Rat", "rat", "Dragon", "Troll"};
        int32_t key = 100;
        for (const char* name : names) {
            ItemType type;
            type.group = ItemGroup::Creature;
            type.name = name;
            made->SetServerType(key++, type);
        }
        ItemType statue;
        statue.name = "Statue";
        made->SetServerType(5, statue);
        return made;
    }();
    return *database;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input = fuzz::InputFile("side.xml", data, size);
    const std::string output = fuzz::ScratchFolder() + "/side-out.xml";
    SilentMessageSink messages;

    CTile tile;  // outlives the houses that point at it
    HouseList houses;
    houses.GetHouse(1, true)->AddTile(&tile);
    if (houses.LoadHouses(input, messages) && houses.SaveHouses(output)) {
        HouseList again;
        again.LoadHouses(output, messages);
    }

    CSpawnList spawns(Database());
    if (spawns.LoadSpawns(input, messages)) {
        for (size_t i = 0; i < spawns.Size(); ++i) {
            spawns.GetSpawn(i)->SetRadius(spawns.GetSpawn(i)->GetRadius() / 2);
            spawns.FindSpawnAt(spawns.GetSpawn(i)->GetCenter());
        }
        if (spawns.SaveSpawns(output)) {
            CSpawnList again(Database());
            again.LoadSpawns(output, messages);
        }
    }
    return 0;
}

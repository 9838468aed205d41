// The house and spawn side files: loading whatever the file holds, saving and loading again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "data/ItemDatabase.h"
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

std::string TempPath(const char* pattern)
{
    std::string path = std::string(P_tmpdir) + "/" + pattern;
    const int descriptor = mkstemp(path.data());
    if (descriptor >= 0) {
        close(descriptor);
    }
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string input = TempPath("tessark-fuzz-side-XXXXXX");
    static const std::string output = TempPath("tessark-fuzz-side-out-XXXXXX");
    if (std::FILE* file = std::fopen(input.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
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

#include "support/MapTestWorld.h"

#include <algorithm>

#include "json/MapJson.h"
#include "model/DepotItem.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"

namespace tessark::test {

void FillMapTestDatabase(ItemDatabase& database)
{
    database.itemsMajorVersion = kMapTestMajorVersion;
    database.itemsMinorVersion = kMapTestMinorVersion;
    FillTestItems(database);
    // Client ids of the ground types are 500 and 501 in maps that use client ids.
    database.MapClientToServer(400, kGrass);
    database.MapClientToServer(401, kDirt);
}

CItem* Place(CTessarkDoc& document, int32_t key, int32_t x, int32_t y, int32_t z, int32_t count)
{
    std::unique_ptr<CItem> item = CreateThing(document.Database(), key, count);
    if (!item) {
        return nullptr;
    }
    CTile* tile = document.GetTile(x, y, z);
    if (!tile) {
        tile = document.StoreTile(std::make_unique<CTile>(), x, y, z);
    }
    CItem* placed = item.get();
    tile->AddThing(document.Database(), std::move(item), false);
    return placed;
}

void BuildVariedWorld(CTessarkDoc& document, const WorldKeys& keys)
{
    document.width = 600;
    document.height = 400;
    document.temple = {120, 130, 7};
    document.SetDescription("A test world & <its> \"quirks\"");

    // Ground rows on floor 7 across two blocks in x and two in y, and patches on 6 and 8.
    for (int32_t x = 250; x < 262; ++x) {
        for (int32_t y = 250; y < 259; ++y) {
            Place(document, (x + y) % 3 == 0 ? keys.otherGround : keys.ground, x, y, 7);
        }
    }
    for (int32_t x = 10; x < 14; ++x) {
        Place(document, keys.ground, x, 20, 6);
        Place(document, keys.otherGround, x, 20, 8);
    }
    // A tile right at the map's edge is kept; the writers drop tiles beyond it.
    Place(document, keys.ground, 600, 400, 7);

    // Stacks: always-on-top items of orders 1 and 2, a hanging item on the wall, ordinary items.
    Place(document, keys.border, 251, 251, 7);
    Place(document, keys.wall, 251, 251, 7);
    Place(document, keys.hanging, 251, 251, 7);
    Place(document, keys.stackable, 251, 251, 7, 37);
    Place(document, keys.fluid, 251, 251, 7, 0);
    Place(document, keys.splash, 252, 251, 7, 9);
    Place(document, keys.rune, 252, 251, 7, 3);
    // Two walls on one square: the verify check lists it.
    Place(document, keys.wall, 253, 252, 7);
    Place(document, keys.wall, 253, 252, 7);
    // Ids and texts, with bytes that need escaping in the binary file and entities in XML.
    if (CItem* readable = Place(document, keys.readable, 254, 252, 7)) {
        readable->SetText("Hello,\nworld & <friends> \xFE\xFD\xFF");
        readable->SetSpecialDescription("a \"quoted\" 'note'");
        readable->SetActionId(1000);
        readable->SetUniqueId(4001);
    }
    if (CItem* plain = Place(document, keys.plain, 254, 253, 7)) {
        plain->SetUniqueId(4002);
        plain->SetActionId(65535);
    }
    if (auto* teleport = static_cast<CTeleportItem*>(Place(document, keys.teleport, 255, 255, 7))) {
        teleport->SetDestination(300, 301, 8);
    }
    if (auto* far = static_cast<CTeleportItem*>(Place(document, keys.teleport, 256, 256, 7))) {
        far->SetDestination(1000, 2000, 6);
    }
    if (auto* depot = static_cast<CDepotItem*>(Place(document, keys.depot, 257, 256, 7))) {
        depot->SetDepotId(3);
    }
    // Tiles with items and no ground, and an empty-floored tile on another floor.
    Place(document, keys.plain, 40, 40, 9);
    Place(document, keys.stackable, 41, 40, 9, 100);

    document.GetTile(250, 250, 7)->SetProtectionZone(true);
    document.UniqueIds().Register(4001);
    document.UniqueIds().Register(4002);

    // Houses: two tiles of house 7 with a door, one tile of house 9; towns 1 and 2.
    House* house = document.Houses().GetHouse(7, true);
    house->name = "Harbour Lane 1";
    house->entryX = 259;
    house->entryY = 257;
    house->entryZ = 7;
    house->rent = 450;
    house->townId = 2;
    house->AddTile(document.GetTile(259, 257, 7));
    house->AddTile(document.GetTile(259, 258, 7));
    if (CItem* door = Place(document, keys.door, 259, 257, 7)) {
        door->SetCount(5);
        house->AddDoor(5);
    }
    House* other = document.Houses().GetHouse(9, true);
    other->townId = 1;
    other->AddTile(document.GetTile(260, 257, 7));
    Town* first = document.Towns().GetTown(1, true);
    first->name = "Fairhaven";
    first->templeX = 120;
    first->templeY = 130;
    first->templeZ = 7;
    Town* second = document.Towns().GetTown(2, true);
    second->templeX = 255;
    second->templeY = 254;
    second->templeZ = 7;

    // Spawns with creatures.
    if (keys.creature >= 0) {
        CSpawn* spawn = document.Spawns().CreateSpawn({252, 254, 7}, 3);
        for (int i = 0; i < 2; ++i) {
            auto creature = std::make_unique<CCreature>(keys.creature);
            creature->SetSpawnTime(90 + i);
            creature->SetDirection(static_cast<uint32_t>(i));
            std::unique_ptr<CCreature> held = std::move(creature);
            spawn->AddCreature(held, {252 + i, 254 - i, 7});
        }
        CSpawn* third = document.Spawns().CreateSpawn({11, 20, 8}, 2);
        std::unique_ptr<CCreature> lone = std::make_unique<CCreature>(keys.creature);
        third->AddCreature(lone, {12, 21, 8});
    }
}

std::string DumpText(const CTessarkDoc& document)
{
    std::string text;
    DumpMapJson(document, [&text](std::string_view line) {
        text.append(line);
        text.push_back('\n');
    });
    return text;
}

std::string FirstDifferentLine(const std::string& expected, const std::string& actual)
{
    size_t lineNumber = 1;
    size_t a = 0;
    size_t b = 0;
    while (a < expected.size() || b < actual.size()) {
        const size_t endA = std::min(expected.find('\n', a), expected.size());
        const size_t endB = std::min(actual.find('\n', b), actual.size());
        const std::string_view lineA = std::string_view(expected).substr(a, endA - a);
        const std::string_view lineB = std::string_view(actual).substr(b, endB - b);
        if (lineA != lineB || (a >= expected.size()) != (b >= actual.size())) {
            return "line " + std::to_string(lineNumber) + "\nexpected: " + std::string(lineA) +
                   "\nactual:   " + std::string(lineB);
        }
        a = endA + 1;
        b = endB + 1;
        ++lineNumber;
    }
    return {};
}

}  // namespace tessark::test

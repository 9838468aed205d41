#pragma once

#include <cstdint>

#include "data/ItemDatabase.h"
#include "data/ItemType.h"

namespace tessark::test {

// Type keys of the small item database that the model, map file and command tests share.
enum TestItemKey : int32_t {
    kGrass = 1,
    kDirt = 2,
    kPlain = 10,
    kStackable = 11,
    kFluid = 12,
    kSplash = 13,
    kRune = 14,
    kDoor = 15,
    kReadable = 16,
    kHorizontalWall = 20,
    kVerticalWall = 21,
    kBorder = 22,    // always on top, order 1
    kTopThree = 23,  // always on top, order 3
    kHanging = 30,
    kTeleport = 40,
    kDepot = 41,
    kRat = 50,       // creature type "Rat"
    kClientOnly = 60,  // known only as a client type
};

inline ItemType MakeType(ItemGroup group, int32_t key)
{
    ItemType type;
    type.group = group;
    type.serverId = key + kTypeKeyOffset;
    type.clientId = key + kTypeKeyOffset;
    return type;
}

inline ItemType MakeTopType(int32_t key, uint8_t topOrder)
{
    ItemType type = MakeType(ItemGroup::None, key);
    type.alwaysOnTop = true;
    type.topOrder = topOrder;
    return type;
}

// One type of every kind a map holds, under the keys above.
inline void FillTestItems(ItemDatabase& database)
{
    ItemType grass = MakeType(ItemGroup::Ground, kGrass);
    grass.minimapColor = 24;
    database.SetServerType(kGrass, grass);
    ItemType dirt = MakeType(ItemGroup::Ground, kDirt);
    dirt.minimapColor = 180;  // pure red: shows whether red and blue are swapped
    database.SetServerType(kDirt, dirt);
    database.SetServerType(kPlain, MakeType(ItemGroup::None, kPlain));
    ItemType stackable = MakeType(ItemGroup::None, kStackable);
    stackable.stackable = true;
    database.SetServerType(kStackable, stackable);
    database.SetServerType(kFluid, MakeType(ItemGroup::FluidContainer, kFluid));
    database.SetServerType(kSplash, MakeType(ItemGroup::Splash, kSplash));
    database.SetServerType(kRune, MakeType(ItemGroup::Rune, kRune));
    database.SetServerType(kDoor, MakeType(ItemGroup::Door, kDoor));
    ItemType readable = MakeType(ItemGroup::None, kReadable);
    readable.readable = true;
    database.SetServerType(kReadable, readable);
    ItemType horizontal = MakeTopType(kHorizontalWall, 2);
    horizontal.horizontal = true;
    horizontal.minimapColor = 86;
    database.SetServerType(kHorizontalWall, horizontal);
    ItemType vertical = MakeTopType(kVerticalWall, 2);
    vertical.vertical = true;
    database.SetServerType(kVerticalWall, vertical);
    database.SetServerType(kBorder, MakeTopType(kBorder, 1));
    database.SetServerType(kTopThree, MakeTopType(kTopThree, 3));
    ItemType hanging = MakeType(ItemGroup::None, kHanging);
    hanging.hangeable = true;
    database.SetServerType(kHanging, hanging);
    database.SetServerType(kTeleport, MakeType(ItemGroup::Teleport, kTeleport));
    database.SetServerType(kDepot, MakeType(ItemGroup::Depot, kDepot));
    ItemType rat = MakeType(ItemGroup::Creature, kRat);
    rat.name = "Rat";
    database.SetServerType(kRat, rat);
    database.SetClientType(kClientOnly, MakeType(ItemGroup::None, kClientOnly));
}

}  // namespace tessark::test

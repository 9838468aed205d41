#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/ItemDatabase.h"
#include "model/Item.h"
#include "model/ThingFactory.h"
#include "platform/ViewHint.h"

namespace tessark::model_test {

// Type keys of the small item database the model tests share.
enum Key : int32_t {
    kGround = 1,
    kOtherGround = 2,
    kPlain = 10,
    kStackable = 11,
    kFluid = 12,
    kSplash = 13,
    kRune = 14,
    kDoor = 15,
    kReadable = 16,
    kHorizontalWall = 20,
    kVerticalWall = 21,
    kBorder = 22,        // always on top, order 1
    kTopThree = 23,      // always on top, order 3
    kTopTwo = 24,        // always on top, order 2, no wall
    kOtherBorder = 25,   // always on top, order 1
    kTopZero = 26,       // always on top, order 0
    kHanging = 30,
    kOtherHanging = 31,
    kTeleport = 40,
    kDepot = 41,
    kRat = 50,           // creature type "Rat"
    kDragonStatue = 51,  // an item named "Dragon", not a creature
    kDragon = 52,        // creature type "Dragon"
    kClientOnly = 60,    // known only as a client type
    kMarker = 1407,
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

inline void FillTestDatabase(ItemDatabase& database)
{
    ItemType ground = MakeType(ItemGroup::Ground, kGround);
    ground.minimapColor = 1;
    database.SetServerType(kGround, ground);
    ItemType otherGround = MakeType(ItemGroup::Ground, kOtherGround);
    otherGround.minimapColor = 0;
    database.SetServerType(kOtherGround, otherGround);
    ItemType plain = MakeType(ItemGroup::None, kPlain);
    plain.name = "Stone";
    database.SetServerType(kPlain, plain);
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
    ItemType three = MakeTopType(kTopThree, 3);
    three.minimapColor = 300;  // outside the palette
    database.SetServerType(kTopThree, three);
    database.SetServerType(kTopTwo, MakeTopType(kTopTwo, 2));
    database.SetServerType(kOtherBorder, MakeTopType(kOtherBorder, 1));
    database.SetServerType(kTopZero, MakeTopType(kTopZero, 0));

    ItemType hanging = MakeType(ItemGroup::None, kHanging);
    hanging.hangeable = true;
    database.SetServerType(kHanging, hanging);
    ItemType otherHanging = MakeType(ItemGroup::None, kOtherHanging);
    otherHanging.hangeable = true;
    database.SetServerType(kOtherHanging, otherHanging);

    database.SetServerType(kTeleport, MakeType(ItemGroup::Teleport, kTeleport));
    database.SetServerType(kDepot, MakeType(ItemGroup::Depot, kDepot));
    ItemType rat = MakeType(ItemGroup::Creature, kRat);
    rat.name = "Rat";
    database.SetServerType(kRat, rat);
    ItemType statue = MakeType(ItemGroup::None, kDragonStatue);
    statue.name = "Dragon";
    database.SetServerType(kDragonStatue, statue);
    ItemType dragon = MakeType(ItemGroup::Creature, kDragon);
    dragon.name = "Dragon";
    database.SetServerType(kDragon, dragon);
    database.SetClientType(kClientOnly, MakeType(ItemGroup::None, kClientOnly));
    database.SetServerType(kMarker, MakeType(ItemGroup::None, kMarker));
}

inline std::unique_ptr<CItem> Make(const ItemDatabase& database, int32_t key, int32_t count = 0)
{
    return CreateThing(database, key, count);
}

// Keeps every hint in order.
class HintRecorder : public ViewHintListener {
public:
    void OnViewHint(const ViewHint& hint) override { hints.push_back(hint); }
    std::vector<ViewHint> hints;
};

}  // namespace tessark::model_test

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/ItemDatabase.h"
#include "model/Item.h"
#include "model/ThingFactory.h"
#include "platform/ViewHint.h"
#include "support/TestItems.h"

namespace tessark::model_test {

using namespace test;  // the shared keys and type makers

// The shared keys under the names the model tests use, and the kinds only they need.
enum ModelKey : int32_t {
    kGround = kGrass,
    kOtherGround = kDirt,
    kTopTwo = 24,        // always on top, order 2, no wall
    kOtherBorder = 25,   // always on top, order 1
    kTopZero = 26,       // always on top, order 0
    kOtherHanging = 31,
    kDragonStatue = 51,  // an item named "Dragon", not a creature
    kDragon = 52,        // creature type "Dragon"
    kMarker = 1407,
};

inline void FillTestDatabase(ItemDatabase& database)
{
    FillTestItems(database);
    database.FindServerType(kPlain)->name = "Stone";  // a name to find
    database.SetServerType(kTopTwo, MakeTopType(kTopTwo, 2));
    database.SetServerType(kOtherBorder, MakeTopType(kOtherBorder, 1));
    database.SetServerType(kTopZero, MakeTopType(kTopZero, 0));
    ItemType otherHanging = MakeType(ItemGroup::None, kOtherHanging);
    otherHanging.hangeable = true;
    database.SetServerType(kOtherHanging, otherHanging);
    ItemType statue = MakeType(ItemGroup::None, kDragonStatue);
    statue.name = "Dragon";
    database.SetServerType(kDragonStatue, statue);
    ItemType dragon = MakeType(ItemGroup::Creature, kDragon);
    dragon.name = "Dragon";
    database.SetServerType(kDragon, dragon);
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

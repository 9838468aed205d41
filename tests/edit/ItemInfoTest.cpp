#include <gtest/gtest.h>

#include "edit/ItemInfo.h"
#include "edit/EditTestWorld.h"

namespace tessark::edit_test {
namespace {

using Lines = std::vector<std::string>;

ItemType Typed(ItemGroup group)
{
    ItemType type = MakeType(group, 7);
    type.clientId = 321;
    type.weight = 12.5;
    type.moveable = false;
    return type;
}

TEST(ItemInfoTest, LinesFollowTheGroup)
{
    ItemType ground = Typed(ItemGroup::Ground);
    ground.speed = 150;
    ground.blockPath = true;
    ground.decayTo = 1234;
    ground.decayTime = 60;
    ground.width = 2;
    ItemType weapon = Typed(ItemGroup::Weapon);
    weapon.attack = 14;
    weapon.defence = 9;
    ItemType thrown = weapon;
    thrown.group = ItemGroup::StackableWeapon;
    thrown.stackable = true;
    ItemType container = Typed(ItemGroup::Container);
    container.capacity = 8;
    ItemType carried = container;
    carried.pickupable = true;
    ItemType wall = Typed(ItemGroup::Door);
    wall.alwaysOnTop = true;
    wall.topOrder = 2;
    wall.vertical = true;
    wall.hangeable = true;
    ItemType rat = Typed(ItemGroup::Creature);
    rat.name = "Rat";

    struct Case {
        ItemType type;
        Lines lines;
    };
    const Case cases[] = {
        {ground,
         {"Group: ground", "Speed index: 150", "Blocking: No", "Blocking path: Yes",
          "Decay time: 60 seconds", "Decay to: 1234", "Size: 64 x 32"}},
        {weapon, {"Group: Weapon", "Stats: atk:14, def:9 ", "Useable: No", "Weight: 12.50"}},
        {thrown, {"Group: Weapon", "Stats: atk:14, def:9 ", "Stackable: Yes", "Weight: 12.50"}},
        // The weight shows only for what can be moved or picked up; no decay without decayTo.
        {container, {"Group: Container", "Capacity: 8", "Moveable: No", "Useable: No", "Pickupable: No"}},
        {carried,
         {"Group: Container", "Capacity: 8", "Moveable: No", "Useable: No", "Pickupable: Yes",
          "Weight: 12.50"}},
        {wall,
         {"Group: None", "Always on top: Yes", "Top order: 2", "Vertical: Yes", "Moveable: No",
          "Useable: No", "Pickupable: No", "Stackable: No", "Blocking: No", "Blocking path: No",
          "Blocking projectile: No", "Hangeable: Yes", "Has height: No"}},
        {Typed(ItemGroup::Splash), {"Group: Splash"}},
        {rat, {"Group: Creature", "Name: Rat"}},
    };
    for (const Case& c : cases) {
        const ItemInfoText text = ItemInfo::Describe(7, c.type);
        EXPECT_EQ(text.lines, c.lines) << c.lines.front();
        EXPECT_EQ(text.id, "107");
        EXPECT_EQ(text.clientId, "321");
    }
}

TEST(ItemInfoTest, WindowFollowsTheChosenItemOrTheBrushAndSkipsWhatItShows)
{
    ToolWorld world;
    world.document.width = world.document.height = 100;
    world.Put(kGround, {40, 40, 7});
    world.Put(kWall, {40, 40, 7});
    world.document.currentItemKey = kPlain;
    ToolContext& context = world.controller->Context();

    EXPECT_EQ(ItemInfo::FollowedKey(context), kPlain);
    world.Tool(ToolKind::Eraser);
    EXPECT_EQ(ItemInfo::FollowedKey(context), std::nullopt);
    world.Tool(ToolKind::Select);
    EXPECT_EQ(ItemInfo::FollowedKey(context), std::nullopt);
    const ToolOutcome picked = world.Click({40, 40, 7});
    EXPECT_TRUE(picked.refreshItemInfo);
    EXPECT_EQ(ItemInfo::FollowedKey(context), kWall);
    world.Put(kPlain, {40, 40, 7});  // the chosen thing's tile changed: it is forgotten
    EXPECT_EQ(ItemInfo::FollowedKey(context), std::nullopt);

    ItemInfo info;
    EXPECT_TRUE(info.Show(world.database, kWall).has_value());
    EXPECT_EQ(info.Show(world.database, kWall), std::nullopt);
    EXPECT_EQ(info.Show(world.database, 999), std::nullopt);  // no such type
    EXPECT_EQ(info.ShownKey(), kWall);
    EXPECT_TRUE(info.Show(world.database, kGround).has_value());
}

}  // namespace
}  // namespace tessark::edit_test

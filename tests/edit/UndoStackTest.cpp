#include <gtest/gtest.h>

#include "edit/BrushSize.h"
#include "edit/EditCommandIds.h"
#include "edit/HouseSettings.h"
#include "edit/ItemPropertiesEditor.h"
#include "edit/SpawnPropertiesEditor.h"
#include "edit/UndoWorld.h"
#include "mapfiles/MapImport.h"
#include "model/EditStep.h"
#include "model/MapProperties.h"
#include "model/Spawn.h"

namespace tessark {
namespace {

using namespace edit_test;

bool HasGround(const CTile& tile) { return tile.GetGround() != nullptr; }

// The world gives unique ids only to the first ordinary item of a tile.
CItem* FirstOrdinary(const CTile& tile)
{
    return tile.GetOrdinaryItems().empty() ? nullptr : tile.GetOrdinaryItems().front();
}

bool HoldsUniqueId(const CTile& tile)
{
    return FirstOrdinary(tile) && FirstOrdinary(tile)->GetUniqueId() != 0;
}

// The key of an ordinary item somewhere on the map, for the brush.
int32_t PlainKey(const UndoWorld& world)
{
    const Position at = world.FindTile(7, [](const CTile& t) { return FirstOrdinary(t) != nullptr; });
    return FirstOrdinary(*world.document.GetTile(at))->GetTypeKey();
}

void Paint(UndoWorld& world, int32_t key, int radius, std::initializer_list<Position> tiles)
{
    world.Run(command::kPaintBrush);
    world.Run(BrushSize::BrushCommand(radius));
    world.document.currentItemKey = key;
    world.Stroke(tiles);
}

void Select(UndoWorld& world, const Position& corner, int size)
{
    world.Run(command::kSelectionTool);
    for (int dy = 0; dy < size; ++dy) {
        for (int dx = 0; dx < size; ++dx) {
            world.controller->Context().GetSelection().Add(world.document,
                                                           {corner.x + dx, corner.y + dy, corner.z});
        }
    }
}

struct StepCase {
    const char* name;
    std::function<void(UndoWorld&)> edit;
};

// Every kind of step, undone and redone, gives back exactly the map before and after it; the
// modified flag follows.
TEST(UndoStackTest, EveryKindOfStepUndoesAndRedoesExactly)
{
    const std::vector<StepCase> cases = {
        {"Paint", [](UndoWorld& w) {
             const Position at = w.FindTile(7, [](const CTile& t) { return t.HasFlags(CTile::kHouseFlag); });
             Paint(w, PlainKey(w), 1, {at, {at.x + 1, at.y, at.z}, {at.x + 3, at.y + 1, at.z}});
         }},
        {"Erase", [](UndoWorld& w) {
             w.Run(command::kEraser);
             w.Run(BrushSize::EraserCommand(4));
             const Position at = w.FindTile(7, HoldsUniqueId);
             w.Stroke({at, {at.x + 2, at.y, at.z}});
         }},
        {"Protection Zone", [](UndoWorld& w) {
             w.Run(command::kProtectionZoneTool);
             const Position at = w.FindTile(7, HasGround);
             w.Stroke({at, {at.x, at.y + 1, at.z}, {at.x, at.y + 2, at.z}, {at.x, 500, at.z}});  // no tile at y 500
         }},
        {"House Tiles", [](UndoWorld& w) {
             const Position house = w.FindTile(7, [](const CTile& t) { return t.HasFlags(CTile::kHouseFlag); });
             const Position free = w.FindTile(7, [](const CTile& t) {
                 return t.GetGround() && !t.HasFlags(CTile::kHouseFlag);
             });
             ToolOutcome ignored;
             w.controller->Context().SetSelectedHouse(w.document.FindHouseAt(house), ignored);
             w.Run(command::kHouseTool);
             w.Stroke({house, free});
         }},
        {"Set House Exit", [](UndoWorld& w) {
             const Position at = w.FindTile(7, [](const CTile& t) { return t.HasFlags(CTile::kHouseFlag); });
             ToolOutcome ignored;
             w.controller->Context().SetSelectedHouse(w.document.FindHouseAt(at), ignored);
             w.Hover({at.x + 5, at.y + 3, at.z});
             w.Run(command::kSetHouseExit);
         }},
        {"Fill Ground", [](UndoWorld& w) {
             w.document.currentItemKey = w.document.GetTile(w.FindTile(7, HasGround))->GetGround()->GetTypeKey();
             w.Hover({10, 10, 8});
             w.controller->Commands().FillGround({0, 0, 60, 60, 8});
         }},
        {"Cut", [](UndoWorld& w) {
             Select(w, w.FindTile(7, HoldsUniqueId), 4);
             w.Run(command::kCut);
         }},
        {"Paste", [](UndoWorld& w) {
             Select(w, w.FindTile(7, HoldsUniqueId), 5);
             const ToolOutcome copied = w.Run(command::kCopy);
             w.Hover({60, 60, 7});
             w.controller->Commands().SetClipboardOffers({.tile = true});
             w.controller->Commands().Paste({.tile = copied.clipboard->bytes});
         }},
        {"Delete", [](UndoWorld& w) {
             Select(w, w.FindTile(7, [](const CTile& t) { return t.HasFlags(CTile::kHouseFlag); }), 3);
             w.Run(command::kDelete);
         }},
        {"Move a thing", [](UndoWorld& w) {
             const Position at = w.FindTile(7, HoldsUniqueId);
             w.Run(command::kSelectTool);
             w.Stroke({at, {at.x + 1, at.y + 1, at.z}});
         }},
        {"Move tool drop", [](UndoWorld& w) {
             Select(w, w.FindTile(7, HoldsUniqueId), 3);
             w.Run(command::kMoveTool);
             TileDrag& drag = w.controller->Drag();
             const std::vector<uint8_t> bytes = drag.Start({0, 0});
             drag.Enter(bytes);
             w.Hover({70, 70, 7});
             w.controller->Drag().Drop(DropEffect::Move);
             drag.Finish(DropEffect::Move);
         }},
        {"Item properties", [](UndoWorld& w) {
             const Position at = w.FindTile(7, HoldsUniqueId);
             ItemPropertiesEditor editor(w.document, *FirstOrdinary(*w.document.GetTile(at)), at);
             ItemPropertiesForm form = editor.Form();
             form.uniqueId = 64999;
             form.actionId = 77;
             ASSERT_FALSE(editor.Submit(form));
         }},
        {"Special description only", [](UndoWorld& w) {
             const Position at = w.FindTile(7, HoldsUniqueId);
             EditStep step(w.document, "Describe");
             w.document.NoteTileChange(at);
             FirstOrdinary(*w.document.GetTile(at))->SetSpecialDescription("worn");
         }},
        {"Map properties", [](UndoWorld& w) {
             MapProperties properties = ReadMapProperties(w.document);
             properties.description = "changed";
             properties.width = 300;
             ApplyMapProperties(w.document, properties);
         }},
        {"Spawn", [](UndoWorld& w) {
             w.Run(command::kSpawnTool);
             const Position at = w.FindTile(7, HasGround);
             w.Stroke({at});
         }},
        {"Houses dialog", [](UndoWorld& w) {
             HouseSettings houses(w.document, 1, true, {});
             houses.Delete();
             houses.Close(true);
         }},
        {"Spawn properties", [](UndoWorld& w) {
             CSpawn& spawn = *w.document.Spawns().GetSpawn(0);
             SpawnPropertiesEditor editor(w.document, spawn);
             ASSERT_TRUE(editor.Submit(std::nullopt));  // an empty field is refused: no step
             ASSERT_FALSE(editor.Submit(spawn.GetRadius() + 2));
         }},
        {"Import", [](UndoWorld& w) { ASSERT_TRUE(ImportMap(w.document, SmallWorlds::Get().Path(2))); }},
    };
    for (const StepCase& step : cases) {
        SCOPED_TRACE(step.name);
        UndoWorld world;
        const std::string before = world.Dump();
        step.edit(world);
        const std::string after = world.Dump();
        ASSERT_NE(before, after);
        ASSERT_TRUE(world.document.IsModified());
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(world.Undo().Undo());
            EXPECT_EQ(test::FirstDifferentLine(before, world.Dump()), "");
            EXPECT_FALSE(world.document.IsModified());
            ASSERT_TRUE(world.Undo().Redo());
            EXPECT_EQ(test::FirstDifferentLine(after, world.Dump()), "");
            EXPECT_TRUE(world.document.IsModified());
        }
        EXPECT_EQ(world.Undo().StepCount(), 1u);
    }
}

TEST(UndoStackTest, BudgetDropsTheOldestStepsButKeepsTheNewest)
{
    UndoWorld world;
    const int32_t key = PlainKey(world);
    auto stroke = [&](int i) { Paint(world, key, 2, {{30 + 6 * i, 40, 7}}); };
    stroke(0);
    const size_t oneStep = world.Undo().MemoryBytes();
    world.Undo().SetBudget(3 * oneStep + oneStep / 2);
    std::vector<std::string> states;
    for (int i = 1; i < 8; ++i) {
        states.push_back(world.Dump());
        stroke(i);
    }
    const size_t kept = world.Undo().StepCount();
    EXPECT_GE(kept, 2u);
    EXPECT_LE(kept, 4u);
    EXPECT_LE(world.Undo().MemoryBytes(), world.Undo().Budget());
    while (world.Undo().Undo()) {
    }
    EXPECT_EQ(test::FirstDifferentLine(states[7 - kept], world.Dump()), "");
    // The saved state was dropped with the oldest steps.
    EXPECT_TRUE(world.document.IsModified());

    world.Undo().SetBudget(1);
    stroke(9);
    EXPECT_EQ(world.Undo().StepCount(), 1u);
    EXPECT_TRUE(world.Undo().Undo());
    EXPECT_TRUE(world.Undo().Redo());
    EXPECT_FALSE(world.Undo().Redo());
}

}  // namespace
}  // namespace tessark

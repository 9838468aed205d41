#include <gtest/gtest.h>

#include "edit/DepotPropertiesEditor.h"
#include "edit/ItemPropertiesEditor.h"
#include "model/DepotItem.h"
#include "model/House.h"
#include "model/TeleportItem.h"
#include "support/MapFileFixture.h"

namespace tessark {
void PrintTo(const PropertiesProblem& problem, std::ostream* out)
{
    *out << "field " << static_cast<int>(problem.field) << ": " << problem.message;
}
}  // namespace tessark

namespace tessark::test {
namespace {

using Field = PropertiesField;

class ItemPropertiesEditorTest : public MapFileTest {
protected:
    ItemPropertiesEditorTest()
    {
        doc->width = 300;
        doc->height = 300;
        Place(*doc, kGrass, 20, 20, 7);
        house = doc->Houses().GetHouse(4, true);
        house->AddTile(doc->GetTile(20, 20, 7));
    }

    // An item with a unique id, registered as the readers register it.
    CItem* PlaceWithUniqueId(int32_t key, int32_t x, uint32_t uniqueId)
    {
        CItem* item = Place(*doc, key, x, 10, 7);
        item->SetUniqueId(uniqueId);
        doc->UniqueIds().Register(uniqueId);
        return item;
    }

    House* house = nullptr;
};

std::optional<PropertiesProblem> Range(Field field, int64_t low, int64_t high)
{
    return PropertiesProblem{field, "Enter an integer between " + std::to_string(low) + " and " +
                                        std::to_string(high) + "."};
}

TEST_F(ItemPropertiesEditorTest, UniqueIdIsRefusedWhenTakenAndOtherwiseMovesInTheUsedList)
{
    const std::optional<PropertiesProblem> inUse =
        PropertiesProblem{Field::UniqueId, ItemPropertiesEditor::kUniqueIdInUse};
    struct Case {
        int64_t entered;
        std::optional<PropertiesProblem> problem;
        uint32_t stored;
        std::vector<uint32_t> used;
        std::vector<uint32_t> free;
    };
    const Case cases[] = {
        {5, std::nullopt, 5, {5, 7}, {}},    // unchanged: not "in use"
        {6, std::nullopt, 6, {6, 7}, {5}},   // the old id is freed
        {0, std::nullopt, 0, {7}, {5}},      // none: nothing registered
        {7, inUse, 5, {5, 7}, {}},           // another item's id
        {65535, std::nullopt, 65535, {65535}, {5}},
        // Map files keep 16 bits: 70000 would be saved as 4464.
        {70000, Range(Field::UniqueId, 0, 65535), 5, {5}, {4464, 70000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered);
        doc = NewDocument();
        CItem* item = PlaceWithUniqueId(kPlain, 10, 5);
        PlaceWithUniqueId(kPlain, 11, 7);
        ItemPropertiesEditor editor(*doc, *item, {10, 10, 7});
        ItemPropertiesForm form = editor.Form();
        form.uniqueId = c.entered;
        EXPECT_EQ(editor.Submit(form), c.problem);
        EXPECT_EQ(item->GetUniqueId(), c.stored);
        EXPECT_EQ(doc->IsModified(), !c.problem);
        for (uint32_t id : c.used) {
            EXPECT_TRUE(doc->UniqueIds().IsUsed(id)) << id;
        }
        for (uint32_t id : c.free) {
            EXPECT_FALSE(doc->UniqueIds().IsUsed(id)) << id;
        }
    }
}

TEST_F(ItemPropertiesEditorTest, DoorIdOfAHouseDoorChangesTheFirstListedOccurrence)
{
    struct Case {
        int64_t entered;
        std::optional<PropertiesProblem> problem;
        int32_t count;
        std::vector<uint32_t> doors;
    };
    const Case cases[] = {
        {3, std::nullopt, 3, {3, 9, 3}},  // unchanged: listed no second time
        {5, std::nullopt, 5, {9, 3, 5}},
        {9, PropertiesProblem{Field::DoorId, ItemPropertiesEditor::kDoorIdInUse}, 3, {3, 9, 3}},
        {255, std::nullopt, 255, {9, 3, 255}},
        // Stored as one byte: 256 would be saved as 0.
        {256, Range(Field::DoorId, 1, 255), 3, {3, 9, 3}},
        {0, Range(Field::DoorId, 1, 255), 3, {3, 9, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered);
        while (!house->GetDoors().empty()) {
            house->RemoveDoor(house->GetDoors().front());
        }
        for (uint32_t id : {3u, 9u, 3u}) house->AddDoor(id);
        CItem* door = Place(*doc, kDoor, 20, 20, 7);
        door->SetCount(3);
        ItemPropertiesEditor editor(*doc, *door, {20, 20, 7});
        ASSERT_TRUE(editor.Form().doorMode);
        EXPECT_EQ(editor.Form().doorId, 3);
        ItemPropertiesForm form = editor.Form();
        form.doorId = c.entered;
        form.uniqueId = 40;
        EXPECT_EQ(editor.Submit(form), c.problem);
        EXPECT_EQ(door->GetCount(), c.count);
        EXPECT_EQ(std::vector<uint32_t>(house->GetDoors().begin(), house->GetDoors().end()), c.doors);
        // A refused door id leaves the unique ids alone too.
        EXPECT_EQ(doc->UniqueIds().IsUsed(40), !c.problem);
        doc->RemoveThing(door, 20, 20, 7);
    }
}

TEST_F(ItemPropertiesEditorTest, CountFieldFollowsTheTypeGroupAndAHiddenCountIsKept)
{
    struct Case {
        int32_t key;
        bool enabled;
        PropertiesRange range;
        int64_t entered;
        int32_t stored;
    };
    // Outside a house a door shows no door field; its count is its door id and stays, as a
    // hanging's facing does.
    const Case cases[] = {
        {kStackable, true, {1, 100}, 100, 100}, {kSplash, true, {0, 255}, 0, 0},
        {kFluid, true, {0, 255}, 255, 255},     {kRune, true, {1, 100}, 1, 1},
        {kPlain, false, {0, 0}, 0, 6},          {kDoor, false, {0, 0}, 0, 6},
        {kHanging, false, {0, 0}, 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        CItem* item = Place(*doc, c.key, 30, 30, 7);
        item->SetCount(6);
        ItemPropertiesEditor editor(*doc, *item, {30, 30, 7});
        EXPECT_EQ(editor.Form().countEnabled, c.enabled);
        EXPECT_FALSE(editor.Form().doorMode);
        EXPECT_EQ(editor.Form().count, c.enabled ? 6 : 0);
        EXPECT_EQ(editor.Range(Field::Count).minimum, c.range.minimum);
        EXPECT_EQ(editor.Range(Field::Count).maximum, c.range.maximum);
        ItemPropertiesForm form = editor.Form();
        if (c.enabled) {
            form.count = c.range.maximum + 1;
            EXPECT_EQ(editor.Submit(form), Range(Field::Count, c.range.minimum, c.range.maximum));
            form.count = c.range.minimum - 1;
            EXPECT_EQ(editor.Submit(form), Range(Field::Count, c.range.minimum, c.range.maximum));
        }
        form.count = c.entered;
        EXPECT_EQ(editor.Submit(form), std::nullopt);
        EXPECT_EQ(item->GetCount(), c.stored);
        doc->RemoveThing(item, 30, 30, 7);
    }
}

TEST_F(ItemPropertiesEditorTest, TeleportDestinationAndActionIdRanges)
{
    auto* teleport = static_cast<CTeleportItem*>(Place(*doc, kTeleport, 40, 40, 7));
    teleport->SetDestination(100, 200, 7);
    ItemPropertiesEditor editor(*doc, *teleport, {40, 40, 7});
    ASSERT_TRUE(editor.Form().teleportMode);
    EXPECT_FALSE(editor.Form().countEnabled);
    EXPECT_EQ(editor.Form().destY, 200);
    using F = ItemPropertiesForm;
    const std::tuple<std::optional<int64_t> F::*, std::optional<int64_t>, PropertiesProblem> refused[] = {
        {&F::destX, 0, *Range(Field::DestX, 1, 65535)},
        {&F::destX, std::nullopt, {Field::DestX, "Enter an integer."}},
        // The map files keep 16 bits: 65536 is refused rather than saved as something else.
        {&F::destY, 65536, *Range(Field::DestY, 1, 65535)},
        {&F::destZ, 16, *Range(Field::DestZ, 0, 15)},
        {&F::actionId, 65536, *Range(Field::ActionId, 0, 65535)},
    };
    for (const auto& [member, value, problem] : refused) {
        ItemPropertiesForm form = editor.Form();
        form.*member = value;
        EXPECT_EQ(editor.Submit(form), problem);
    }
    EXPECT_EQ(teleport->GetDestY(), 200u);
    EXPECT_FALSE(doc->IsModified());

    ItemPropertiesForm form = editor.Form();
    form.destX = 65535;
    form.destY = 1;
    form.destZ = 15;
    form.actionId = 65535;
    EXPECT_EQ(editor.Submit(form), std::nullopt);
    EXPECT_EQ(teleport->GetDestX(), 65535u);
    EXPECT_EQ(teleport->GetDestY(), 1u);
    EXPECT_EQ(teleport->GetDestZ(), 15u);
    EXPECT_EQ(teleport->GetActionId(), 65535u);
}

TEST_F(ItemPropertiesEditorTest, TextLineEndsAndLength)
{
    CItem* sign = Place(*doc, kReadable, 50, 50, 7);
    sign->SetText("one\ntwo\r\nthree");
    ItemPropertiesEditor editor(*doc, *sign, {50, 50, 7});
    ASSERT_TRUE(editor.Form().textMode && editor.Form().textEnabled);
    EXPECT_EQ(editor.Form().text, "one\r\ntwo\r\nthree");

    // 512 characters as stored: a line break counts once, a two-byte character once.
    std::string text = "x\r\n" + std::string(500, 'a');
    for (int i = 0; i < 10; ++i) {
        text += "\xC3\xA9";
    }
    ItemPropertiesForm form = editor.Form();
    form.text = text + "a";
    EXPECT_EQ(editor.Submit(form), (PropertiesProblem{Field::Text, "Enter no more than 512 characters."}));
    EXPECT_EQ(sign->GetText(), "one\ntwo\r\nthree");
    form.text = text;
    EXPECT_EQ(editor.Submit(form), std::nullopt);
    EXPECT_EQ(sign->GetText(), ItemPropertiesEditor::ToStoredLineEnds(text));
    EXPECT_EQ(sign->GetText().substr(0, 3), "x\na");

    // An untouched text keeps its bytes, even beyond the limit and with mixed line ends.
    const std::string longText = std::string(600, 'z') + "\r\nend";
    sign->SetText(longText);
    ItemPropertiesEditor again(*doc, *sign, {50, 50, 7});
    ItemPropertiesForm unchanged = again.Form();
    unchanged.actionId = 9;
    EXPECT_EQ(again.Submit(unchanged), std::nullopt);
    EXPECT_EQ(sign->GetText(), longText);
}

TEST_F(ItemPropertiesEditorTest, DepotIdRange)
{
    auto* depot = static_cast<CDepotItem*>(Place(*doc, kDepot, 60, 60, 7));
    DepotPropertiesEditor editor(*doc, *depot);
    EXPECT_EQ(editor.DepotId(), 1);
    EXPECT_EQ(editor.Submit(101), "Enter an integer between 1 and 100.");
    EXPECT_EQ(editor.Submit(std::nullopt), "Enter an integer.");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(editor.Submit(100), std::nullopt);
    EXPECT_EQ(depot->GetDepotId(), 100u);
    EXPECT_TRUE(doc->IsModified());
}

}  // namespace
}  // namespace tessark::test

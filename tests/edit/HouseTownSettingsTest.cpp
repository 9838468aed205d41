#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "edit/HouseSettings.h"
#include "edit/TownSettings.h"
#include "model/House.h"
#include "support/MapFileFixture.h"

namespace tessark {
void PrintTo(const SettingsProblem& problem, std::ostream* out)
{
    *out << "field " << static_cast<int>(problem.field) << ": " << problem.message;
}
}  // namespace tessark

namespace tessark::test {
namespace {

using Field = SettingsField;

std::optional<SettingsProblem> Range(Field field, int64_t low, int64_t high)
{
    return SettingsProblem{field, "Enter an integer between " + std::to_string(low) + " and " +
                                      std::to_string(high) + "."};
}

// Towns 1 "North" and 2 "South"; houses 1, 2, 3 (town 1, 2, 2), house 2 on two tiles with a door.
class HouseTownSettingsTest : public MapFileTest {
protected:
    HouseTownSettingsTest()
    {
        doc->Towns().GetTown(1, true)->name = "North";
        doc->Towns().GetTown(2, true)->name = "South";
        for (uint32_t id : {1, 2, 3}) {
            House* house = doc->Houses().GetHouse(id, true);
            house->name = "Flat " + std::to_string(id);
            house->townId = id == 1 ? 1 : 2;
            house->entryX = house->entryY = 100;
            house->entryZ = 7;
        }
        for (int32_t x : {10, 11}) {
            Place(*doc, kGrass, x, 10, 7);
            doc->Houses().GetHouse(2, false)->AddTile(doc->GetTile(x, 10, 7));
        }
        Place(*doc, kDoor, 11, 10, 7, 4);
        doc->Houses().GetHouse(2, false)->AddDoor(4);
    }

    HouseSettings Dialog(std::optional<uint32_t> preselected = std::nullopt, bool full = true)
    {
        return HouseSettings(*doc, preselected, full, [this](HouseChange change, uint32_t id) {
            told.emplace_back(change, id);
        });
    }

    std::vector<std::pair<HouseChange, uint32_t>> told;
};

TEST_F(HouseTownSettingsTest, FieldLimitsStopTheButtonAndChangeNothing)
{
    struct Case {
        HouseSettingsForm form;
        std::optional<SettingsProblem> problem;
    };
    const std::string name64(64, 'a');
    // 64 characters of two bytes each are within the limit; one more is not.
    std::string umlauts;
    for (int i = 0; i < 64; ++i) umlauts += "\xC3\xA4";
    const Case cases[] = {
        {{name64, 1, 65535, 15, 99999999, 0}, std::nullopt},
        {{umlauts, 1, 1, 0, 0, 0}, std::nullopt},
        {{umlauts + "a", 1, 1, 0, 0, 0}, SettingsProblem{Field::Name, "Enter no more than 64 characters."}},
        // 65536 would be stored as 0 by the map files.
        {{"a", 65536, 1, 7, 0, 0}, Range(Field::X, 1, 65535)},
        {{"a", 5, 0, 7, 0, 0}, Range(Field::Y, 1, 65535)},
        {{"a", 5, 5, 16, 0, 0}, Range(Field::Z, 0, 15)},
        {{"a", 5, 5, 7, 100000000, 0}, Range(Field::Cost, 0, 99999999)},
        {{"a", 5, std::nullopt, 7, 0, 0}, SettingsProblem{Field::Y, "Enter an integer."}},
    };
    std::string stored = "Flat 1";
    for (const Case& c : cases) {
        HouseSettings dialog = Dialog(1);
        EXPECT_EQ(dialog.Save(c.form), c.problem) << c.form.name.size();
        stored = c.problem ? stored : c.form.name;
        EXPECT_EQ(doc->Houses().FindHouse(1)->name, stored);
        // A refused Add creates no house with default values.
        if (c.problem) {
            HouseSettings adding = Dialog();
            EXPECT_EQ(adding.Add(c.form), c.problem);
            EXPECT_EQ(doc->Houses().Size(), 3u);
        }
    }
    TownSettings towns(*doc);
    EXPECT_EQ(towns.Save({"Port", 65536, 5, 7}), Range(Field::X, 1, 65535));
    EXPECT_EQ(towns.Add({"Port", 5, 5, 16}), Range(Field::Z, 0, 15));
    EXPECT_EQ(doc->Towns().Size(), 2u);
}

TEST_F(HouseTownSettingsTest, AddIgnoresCaseAndTakesTheLowestFreeId)
{
    HouseSettings dialog = Dialog();
    doc->Houses().GetHouse(3, false)->name = "\xC3\x84lm";  // Ä
    HouseSettingsForm form{"", 100, 100, 7, 500, 1};
    for (const char* taken : {"fLaT 1", "\xC3\xA4LM"}) {
        form.name = taken;
        dialog.EditName(taken);
        EXPECT_FALSE(dialog.Controls().add) << taken;
        EXPECT_EQ(dialog.Add(form), std::nullopt);
        EXPECT_EQ(doc->Houses().Size(), 3u) << taken;
    }
    dialog.ChooseHouse(0);
    dialog.Delete();
    form.name = "Flat 1";
    EXPECT_EQ(dialog.Add(form), std::nullopt);
    const House* added = doc->Houses().FindHouse(1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(std::tie(added->name, added->rent, added->townId), std::make_tuple(std::string("Flat 1"), 500, 2));
    EXPECT_EQ(dialog.CurrentHouse(), added);
    EXPECT_EQ(told.back(), std::make_pair(HouseChange::Changed, 1u));
}

TEST_F(HouseTownSettingsTest, TownFilterFollowsTheSavedHouse)
{
    HouseSettings dialog = Dialog();
    dialog.ChooseFilter(2);  // South
    EXPECT_EQ(dialog.HouseLines(), (std::vector<SettingsLine>{{"2 - Flat 2", 2}, {"3 - Flat 3", 3}}));
    // With no house current the house's town box shows the filter's town.
    EXPECT_EQ(dialog.Form().townLine, 1);
    dialog.ChooseHouse(1);
    HouseSettingsForm form = dialog.Form();
    form.townLine = 0;  // North
    EXPECT_EQ(dialog.Save(form), std::nullopt);
    EXPECT_EQ(dialog.FilterLine(), 1);
    EXPECT_EQ(dialog.HouseLines(), (std::vector<SettingsLine>{{"1 - Flat 1", 1}, {"3 - Flat 3", 3}}));
    EXPECT_EQ(dialog.HouseLine(), 1);
    EXPECT_EQ(doc->Houses().FindHouse(3)->townId, 1);
    dialog.ChooseFilter(0);
    EXPECT_EQ(dialog.HouseLines().size(), 3u);
    EXPECT_EQ(dialog.CurrentHouse(), nullptr);
}

TEST_F(HouseTownSettingsTest, DeletingATownLeavesItsHousesAndTheirTown)
{
    TownSettings towns(*doc);
    towns.ChooseTown(1);
    towns.Delete();
    EXPECT_EQ(towns.TownLines(), (std::vector<SettingsLine>{{"1 - North", 1}}));
    EXPECT_EQ(towns.IdText(), "1");
    EXPECT_EQ(doc->Houses().FindHouse(3)->townId, 2);

    HouseSettings houses = Dialog();
    EXPECT_EQ(houses.FilterLines(), (std::vector<SettingsLine>{{"Show all", 0}, {"North", 1}}));
    houses.ChooseHouse(0);
    houses.ChooseHouse(2);  // town 2 is gone: no line is shown, not the one shown before
    HouseSettingsForm form = houses.Form();
    EXPECT_EQ(form.townLine, -1);
    form.cost = 900;
    EXPECT_EQ(houses.Save(form), std::nullopt);
    EXPECT_EQ(doc->Houses().FindHouse(3)->townId, 2);
    EXPECT_EQ(doc->Houses().FindHouse(3)->rent, 900);

    towns.Delete();
    EXPECT_EQ(towns.Form(), (TownSettingsForm{"", 0, 0, 0}));
    EXPECT_EQ(towns.Controls(), TownSettingsControls{});
    towns.EditName("Port");
    EXPECT_EQ(towns.Add({"Port", 300, 400, 6}), std::nullopt);
    const Town* port = doc->Towns().GetTown(1, false);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(std::tie(port->name, port->templeX, port->templeY, port->templeZ),
              std::make_tuple(std::string("Port"), 300, 400, 6));
    EXPECT_EQ(towns.Controls(), (TownSettingsControls{true, true, true, true}));
}

TEST_F(HouseTownSettingsTest, RestrictedModeAndSelect)
{
    struct Case {
        bool full;
        int64_t entryZ;
        HouseSettingsControls controls;
        std::optional<Position> centerOn;
    };
    // An entry on floor 0 names the house but does not move the view.
    const Case cases[] = {
        {false, 7, {false, false, true, true, false, false, false}, std::nullopt},
        {true, 0, {true, true, true, true, true, false, true}, std::nullopt},
        {true, 7, {true, true, true, true, true, false, true}, Position{100, 100, 7}},
    };
    for (const Case& c : cases) {
        HouseSettings dialog = Dialog(1, c.full);
        EXPECT_EQ(dialog.Controls(), c.controls) << c.full;
        dialog.EditName("Flat on floor " + std::to_string(c.entryZ));  // a name no house has
        EXPECT_EQ(dialog.Controls().add, c.full);
        std::optional<HouseSettings::Picked> picked;
        HouseSettingsForm form = dialog.Form();
        form.entryZ = c.entryZ;
        EXPECT_EQ(dialog.Select(form, picked), std::nullopt);
        ASSERT_EQ(picked.has_value(), c.full);
        EXPECT_EQ(picked ? picked->centerOn : std::nullopt, c.centerOn);
    }
}

}  // namespace
}  // namespace tessark::test

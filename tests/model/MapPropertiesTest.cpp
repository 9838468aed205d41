#include <gtest/gtest.h>

#include "model/MapProperties.h"
#include "model/ModelTestWorld.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"

namespace tessark {
namespace {

using namespace model_test;

class MapPropertiesTest : public ::testing::Test {
protected:
    MapPropertiesTest() : document(database, messages) { FillTestDatabase(database); }

    ItemDatabase database;
    RecordingMessageSink messages;
    CTessarkDoc document;
};

TEST_F(MapPropertiesTest, NewMapClearsTheMapAndTakesTheValuesUnderItsName)
{
    document.width = 2048;
    document.AddThing(Make(database, kGround), 100, 100, 7, false);
    document.SetDescription("old");
    MapProperties properties = NewMapProperties();
    properties.filename = "Harbour";
    properties.width = 300;
    properties.spawnFile = "maps/harbour-spawn.xml";
    properties.description = "new";
    ASSERT_TRUE(NewMapWithProperties(document, properties));
    EXPECT_EQ(document.GetTile(100, 100, 7), nullptr);
    EXPECT_EQ(document.GetTitle(), "Harbour");
    EXPECT_TRUE(document.GetTitleOverride().empty());
    EXPECT_EQ(document.width, 300);
    EXPECT_EQ(document.height, 1000);
    EXPECT_EQ(document.temple, (Position{100, 100, 7}));
    EXPECT_EQ(document.GetDescription(), "new");
    EXPECT_EQ(document.GetSpawnFile(), "harbour-spawn.xml");
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.GetPathName().empty());
}

TEST_F(MapPropertiesTest, PropertiesReadAndApplyKeepTilesAndMarkTheMapModified)
{
    document.SetTitle("world.qzbm");
    document.temple = {10, 20, 7};
    document.SetHouseFile("world-house.xml");
    document.AddThing(Make(database, kGround), 900, 900, 7, false);
    document.SetModifiedFlag(false);

    MapProperties properties = ReadMapProperties(document);
    EXPECT_EQ(properties.filename, "world.qzbm");
    EXPECT_EQ(properties.temple, (Position{10, 20, 7}));
    EXPECT_EQ(properties.houseFile, "world-house.xml");

    properties.filename = "ignored";
    properties.width = 500;
    properties.houseFile = "";
    ApplyMapProperties(document, properties);
    EXPECT_EQ(document.width, 500);
    EXPECT_TRUE(document.GetHouseFile().empty());
    EXPECT_EQ(document.GetTitle(), "world.qzbm");
    EXPECT_TRUE(document.IsModified());
    // Tiles beyond the smaller size stay until the next save drops them.
    EXPECT_NE(document.GetTile(900, 900, 7), nullptr);
}

}  // namespace
}  // namespace tessark

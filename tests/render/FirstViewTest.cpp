#include <gtest/gtest.h>

#include <memory>

#include "data/ItemDatabase.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "platform/MessageSink.h"
#include "render/FirstView.h"
#include "support/GeneratedWorld.h"

namespace tessark {
namespace {

TEST(FirstViewTest, AGeneratedWorldOpensOnTheFirstTownsTemple)
{
    test::GeneratedWorld& world = test::GeneratedWorld::Get();
    const CTessarkDoc& document = world.Document();
    ASSERT_FALSE(document.Towns().Empty());
    const Town& first = *document.Towns().Towns().begin()->second;
    const std::optional<Position> center = FirstViewCenter(document, 7);
    ASSERT_TRUE(center.has_value());
    EXPECT_EQ(*center, (Position{first.templeX, first.templeY, first.templeZ}));
    // Content, not open water at the map's corner.
    const CTile* tile = document.GetTile(*center);
    ASSERT_NE(tile, nullptr);
    EXPECT_NE(tile->GetGround(), nullptr);
}

TEST(FirstViewTest, WithoutAUsableTownTheMiddleOfTheFloorsTiles)
{
    ItemDatabase database;
    RecordingMessageSink messages;
    CTessarkDoc document(database, messages);
    document.width = 200;
    document.height = 200;
    EXPECT_EQ(FirstViewCenter(document, 7), std::nullopt);

    // Tiles on another floor do not count; the middle of the ground floor's tiles does.
    document.StoreTile(std::make_unique<CTile>(), 5, 5, 6);
    document.StoreTile(std::make_unique<CTile>(), 100, 40, 7);
    document.StoreTile(std::make_unique<CTile>(), 140, 90, 7);
    EXPECT_EQ(FirstViewCenter(document, 7), (Position{120, 65, 7}));

    // A temple outside the map is no place to show.
    Town* town = document.Towns().GetTown(1, true);
    town->templeX = 500;
    town->templeY = 10;
    town->templeZ = 7;
    EXPECT_EQ(FirstViewCenter(document, 7), (Position{120, 65, 7}));
    town->templeX = 30;
    EXPECT_EQ(FirstViewCenter(document, 7), (Position{30, 10, 7}));
}

}  // namespace
}  // namespace tessark

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

}  // namespace
}  // namespace tessark

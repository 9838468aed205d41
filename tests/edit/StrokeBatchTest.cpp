#include <gtest/gtest.h>

#include <optional>

#include "edit/StrokeBatch.h"
#include "edit/EditTestWorld.h"

namespace tessark::edit_test {
namespace {

// A pasted tile arrives as one hint for the whole tile: the batch must reach as far up and left
// as the tile's largest item draws, or the view keeps stale pixels there.
TEST(StrokeBatchTest, PastedTilesReachAsFarAsTheirLargestItem)
{
    ToolWorld world;
    world.Put(kGround, {40, 40, 7});
    world.Put(kBigItem, {40, 40, 7});  // 2 x 3 cells
    world.Put(kPlain, {50, 45, 7});
    world.document.redrawAtOnce = 1;
    {
        StrokeBatch batch(world.document);
        EXPECT_EQ(world.document.redrawAtOnce, 0);
        {
            StrokeBatch inner(world.document);
        }
        EXPECT_EQ(world.document.redrawAtOnce, 0);  // an inner batch leaves the outer one batching
        batch.OnViewHint({ViewHintKind::Tile, 40, 40, 7});
        ASSERT_TRUE(batch.Changed().Drawn().has_value());
        EXPECT_EQ(*batch.Changed().Drawn(), (TileArea{39, 38, 40, 40, 7}));
        EXPECT_EQ(*batch.Changed().Minimap(), (TileArea{40, 40, 40, 40, 7}));
        batch.OnViewHint({ViewHintKind::Tile, 50, 45, 7});
        batch.OnViewHint({ViewHintKind::Tile, 60, 30, 7});  // no tile there any more: one square
        EXPECT_EQ(*batch.Changed().Drawn(), (TileArea{39, 30, 60, 45, 7}));
        EXPECT_FALSE(batch.Changed().Everything());
        batch.OnViewHint({ViewHintKind::Tile, 40, 40, 6});  // another floor
        EXPECT_TRUE(batch.Changed().Everything());
    }
    EXPECT_EQ(world.document.redrawAtOnce, 1);
}

}  // namespace
}  // namespace tessark::edit_test

#include <gtest/gtest.h>

#include "edit/VerifyCheck.h"
#include "support/MapFileFixture.h"

namespace tessark::test {
namespace {

using VerifyCheckTest = MapFileTest;

std::vector<std::string> Lines(const CTessarkDoc& document)
{
    std::vector<std::string> lines;
    for (const VerifyEntry& entry : VerifyMap(document)) {
        lines.push_back(entry.text);
    }
    return lines;
}

// Only repeated top orders above one fail; the list runs by floor, then column, then row, inside
// the map.
TEST_F(VerifyCheckTest, RepeatedTopOrdersAboveOneAreListedInMapOrder)
{
    EXPECT_EQ(Lines(*doc), (std::vector<std::string>{"Verifying map...", "Done."}));
    const auto pair = [this](int32_t first, int32_t second, int32_t x, int32_t y, int32_t z) {
        Place(*doc, first, x, y, z);
        Place(*doc, second, x, y, z);
    };
    doc->width = 1000;
    doc->height = 1000;
    pair(kBorder, kBorder, 1, 1, 7);  // order 1 twice: fine
    pair(kHorizontalWall, kTopThree, 2, 1, 7);  // 2 then 3: fine
    pair(kHorizontalWall, kVerticalWall, 10, 20, 7);  // 2 and 2
    pair(kTopThree, kTopThree, 5, 300, 7);  // 3 and 3; another block, but an earlier column
    pair(kHorizontalWall, kHorizontalWall, 5, 2, 7);
    pair(kHorizontalWall, kHorizontalWall, 300, 1, 7);
    pair(kHorizontalWall, kHorizontalWall, 999, 999, 7);
    pair(kHorizontalWall, kHorizontalWall, 1000, 5, 7);  // x = width: outside the window's scan
    pair(kHorizontalWall, kHorizontalWall, 7, 7, 3);
    EXPECT_TRUE(TilePassesCheck(*doc, {1, 1, 7}));
    EXPECT_TRUE(TilePassesCheck(*doc, {2, 1, 7}));
    EXPECT_FALSE(TilePassesCheck(*doc, {10, 20, 7}));
    EXPECT_FALSE(TilePassesCheck(*doc, {5, 300, 7}));
    EXPECT_TRUE(TilePassesCheck(*doc, {3, 1, 7}));     // no tile
    EXPECT_TRUE(TilePassesCheck(*doc, {10, 20, 16}));  // no such floor
    // The store would file 263 under floor 7; the check takes it as no floor.
    EXPECT_TRUE(TilePassesCheck(*doc, {10, 20, 263}));

    const std::vector<VerifyEntry> entries = VerifyMap(*doc);
    const std::vector<std::string> expected = {
        "Verifying map...",
        "Multiple items of same type found at x: 7, y: 7, z: 3",
        "Multiple items of same type found at x: 5, y: 2, z: 7",
        "Multiple items of same type found at x: 5, y: 300, z: 7",
        "Multiple items of same type found at x: 10, y: 20, z: 7",
        "Multiple items of same type found at x: 300, y: 1, z: 7",
        "Multiple items of same type found at x: 999, y: 999, z: 7",
        "Done."};
    EXPECT_EQ(Lines(*doc), expected);
    EXPECT_EQ(entries.front().position, (Position{0, 0, 0}));
    EXPECT_EQ(entries[4].position, (Position{10, 20, 7}));
    EXPECT_EQ(entries.back().position, (Position{0, 0, 0}));
}

}  // namespace
}  // namespace tessark::test

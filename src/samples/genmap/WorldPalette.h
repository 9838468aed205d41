#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tessark {
class ItemDatabase;
}

namespace tessark::genmap {

// The pieces of one border set, in the order the generator asks for them: edges north, east,
// south, west; outer corners north-west, north-east, south-east, south-west; bends likewise.
struct BorderSet {
    std::array<int32_t, 4> edges{};
    std::array<int32_t, 4> corners{};
    std::array<int32_t, 4> bends{};
};

// One style of masonry with its doors (doors are -1 where the style has none).
struct WallSet {
    int32_t horizontal = -1;
    int32_t vertical = -1;
    int32_t cornerNorthWest = -1;
    int32_t cornerNorthEast = -1;
    int32_t cornerSouthWest = -1;
    int32_t cornerSouthEast = -1;
    int32_t pillar = -1;
    int32_t windowHorizontal = -1;
    int32_t windowVertical = -1;
    int32_t doorHorizontal = -1;
    int32_t doorVertical = -1;
};

// The type keys the world is built from, looked up by the names the sample data kit's
// catalogue gives its types. Resolving checks that the loaded game data holds each of them
// under that name, so a world is never written with types the data does not know.
class WorldPalette {
public:
    // Empty on success, else what is missing.
    std::string Resolve(const ItemDatabase& database);

    struct Grounds {
        int32_t grass, floweryGrass, dryGrass, forestFloor, sand, dirt, gravel, stoneTiles,
            cobblestone, marbleFloor, woodenFloor, darkWoodenFloor, stoneFloor, redCarpet,
            caveFloor, rock, water, roofTiles, lava;
    } ground{};
    BorderSet grassBorder, sandBorder, dirtBorder, caveBorder;
    WallSet brick, stone, wooden, marble;
    int32_t archwayHorizontal = -1;
    int32_t archwayVertical = -1;
    std::vector<int32_t> hangings;  // for rooms: paintings, banners, shields, mirrors
    int32_t wallTorch = -1, wallLantern = -1, wallCandles = -1, blackboard = -1;
    int32_t redBanner = -1, blueBanner = -1;
    std::vector<int32_t> leafyTrees;  // oak, apple, autumn, birch
    int32_t pineTree = -1, palmTree = -1, deadTree = -1, boulder = -1;
    std::vector<int32_t> bushes;
    std::vector<int32_t> flowers;
    int32_t fern = -1, tallGrass = -1, reeds = -1, waterLily = -1, toadstool = -1,
            mushrooms = -1, smallStones = -1, standingStone = -1, mossyStone = -1, treeStump = -1,
            haystack = -1, fallenLog = -1;
    std::vector<int32_t> chairs;  // facing north, east, south, west
    int32_t woodenTable = -1, longTable = -1, roundTable = -1, shopCounter = -1, bench = -1, bed = -1, redBed = -1, wardrobe = -1, bookcase = -1, drawers = -1,
            barrel = -1, waterBarrel = -1, crates = -1, vase = -1, pottedPlant = -1,
            candlestick = -1, brazier = -1, streetLamp = -1, knightStatue = -1, fountain = -1,
            well = -1, oven = -1, altar = -1, coffin = -1, woodenCross = -1, skull = -1,
            bones = -1, furRug = -1, ladder = -1, stairsDown = -1, cobwebNorthWest = -1,
            cobwebNorthEast = -1, hangingVines = -1;
    int32_t woodenSign = -1, signpost = -1, stoneTablet = -1, gravestone = -1,
            noticeBoard = -1;
    int32_t chest = -1, treasureChest = -1, woodenBox = -1, basket = -1;
    int32_t goldCoin = -1, silverCoin = -1, arrow = -1, bolt = -1, apple = -1, fish = -1,
            meat = -1, ruby = -1;
    int32_t vial = -1, bucket = -1, mug = -1, jug = -1, cauldron = -1, splash = -1, pool = -1;
    int32_t redBook = -1, blueBook = -1, letter = -1, parchment = -1;
    int32_t campfire = -1;
    int32_t magicPortal = -1, redPortal = -1, teleportCircle = -1;
    int32_t depotLocker = -1;
    std::vector<int32_t> weapons;  // laid out in shops

    // Creature types (group 15) by name.
    struct Creatures {
        int32_t rat, caveRat, wolf, giantSpider, poisonSpider, orc, orcWarrior, skeleton, ghost,
            troll, dragon, fireDragon, bandit, darkMage, guard, merchant, priest, hunter;
    } creature{};

private:
    int32_t Need(const std::string& name);
    int32_t NeedCreature(const std::string& name);
    void ResolveBorders(BorderSet& set, const std::string& prefix);
    void ResolveWalls(WallSet& set, const std::string& style, bool withDoors);

    const ItemDatabase* database_ = nullptr;
    std::string missing_;
};

}  // namespace tessark::genmap

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/ItemDatabase.h"
#include "model/Item.h"
#include "platform/MessageSink.h"
#include "support/TestItems.h"

namespace tessark {
class CTessarkDoc;
}

namespace tessark::test {

// Items version of the test database.
inline constexpr uint32_t kMapTestMajorVersion = 3;
inline constexpr uint32_t kMapTestMinorVersion = 12;

void FillMapTestDatabase(ItemDatabase& database);

// The keys a world is built from; a key of -1 leaves that kind of thing out (for data sets that
// lack it).
struct WorldKeys {
    int32_t ground = kGrass;
    int32_t otherGround = kDirt;
    int32_t plain = kPlain;
    int32_t stackable = kStackable;
    int32_t fluid = kFluid;
    int32_t splash = kSplash;
    int32_t rune = kRune;
    int32_t door = kDoor;
    int32_t readable = kReadable;
    int32_t wall = kHorizontalWall;
    int32_t border = kBorder;
    int32_t hanging = kHanging;
    int32_t teleport = kTeleport;
    int32_t depot = kDepot;
    int32_t creature = kRat;
};

// Fills an empty document with a small world that uses what both map formats keep: grounds,
// stacks in all three lists with counts, texts and descriptions, action and unique ids,
// teleports, depots, a door on a house tile, a protection zone, tiles without ground, tiles on
// several floors and 256 x 256 blocks, houses, towns, spawns with creatures, a description and
// a temple. Saving and reading it back in either format must give the same dump.
void BuildVariedWorld(CTessarkDoc& document, const WorldKeys& keys = {});

// Adds a thing of the key to the tile at the position (made when missing) without marking the
// document modified; returns it.
CItem* Place(CTessarkDoc& document, int32_t key, int32_t x, int32_t y, int32_t z,
             int32_t count = 0);

// The dump lines of the document, joined with line feeds.
std::string DumpText(const CTessarkDoc& document);

// Empty when the texts are equal, else the number and both versions of the first line that
// differs (a failing map comparison then shows one line, not two whole dumps).
std::string FirstDifferentLine(const std::string& expected, const std::string& actual);

}  // namespace tessark::test

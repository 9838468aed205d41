#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "samples/gendata/SeededRandom.h"

namespace tessark::genmap {

// Names of towns and streets and the texts written on signs, books and letters.
class WorldNames {
public:
    explicit WorldNames(uint64_t seed) : random_(gendata::SeededRandom::For(seed, 0x4E41)) {}

    // A town name not handed out before.
    std::string TownName();
    // The street that leaves a town's square towards a side (0 north, 1 east, 2 south, 3 west).
    static std::string StreetName(int side);

    static std::string BookText(gendata::SeededRandom& random, const std::string& town);
    static std::string LetterText(gendata::SeededRandom& random, const std::string& town);
    static std::string Epitaph(gendata::SeededRandom& random);

private:
    gendata::SeededRandom random_;
    std::vector<std::string> used_;
};

// "north", "east", "south" or "west" for the direction from one point to another.
std::string Direction(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);

}  // namespace tessark::genmap

#include "samples/genmap/WorldNames.h"

#include <algorithm>
#include <cstdlib>

namespace tessark::genmap {

namespace {

const char* const kFronts[] = {"Thorn", "Ash", "Raven", "Mill", "Stone", "Elder", "Frost", "Briar",
                               "Oak", "Wil", "Hollow", "Marsh", "Amber", "Crane", "Fern", "Gull"};
const char* const kEnds[] = {"wick", "ford", "haven", "mere", "holm", "stead", "gate", "brook",
                             "moor", "dale", "cliff", "field", "well", "hurst"};

const char* const kBooks[] = {
    "The first settlers came over the sea with nothing but their tools. They built the temple "
    "before they built their own houses.",
    "Wolves keep to the deep woods. Walk the roads at night and carry a torch.",
    "Below the hills the old mines run further than anyone has mapped. Those who went looking "
    "for the lowest hall did not all come back.",
    "A recipe for fish stew: two fish, an apple, a pinch of salt and a long afternoon.",
    "Ledger of the harbour master. Three ships in, two ships out, one crate of nails missing.",
};

const char* const kLetters[] = {
    "Dear sister, the harvest was good this year. Come and visit before the winter.",
    "To whom it may concern: the rent is due at the end of the month.",
    "I have hidden the key where only you would look. Burn this letter.",
    "Remember to feed the cat and water the plants. Back in three days.",
};

const char* const kBuried[] = {"Old Tomas", "Mira the baker", "Edric", "Captain Holt", "Little Wren",
                               "Bram the smith", "Sister Alda", "Jory"};
const char* const kEpitaphs[] = {"who went into the mine and came back, once.", "beloved by all her neighbours.",
                                 "he paid his rent on time.", "the sea took him, the town remembers him.",
                                 "rest now.", "who never lost an arm wrestle."};

}  // namespace

std::string WorldNames::TownName()
{
    constexpr uint32_t kFrontCount = sizeof(kFronts) / sizeof(kFronts[0]);
    constexpr uint32_t kEndCount = sizeof(kEnds) / sizeof(kEnds[0]);
    std::string name;
    for (int attempt = 0; attempt < 64; ++attempt) {
        name = std::string(kFronts[random_.Below(kFrontCount)]) + kEnds[random_.Below(kEndCount)];
        if (std::find(used_.begin(), used_.end(), name) == used_.end()) {
            break;
        }
    }
    // Past every pairing the number keeps names apart.
    if (std::find(used_.begin(), used_.end(), name) != used_.end()) {
        name += ' ';
        name += std::to_string(used_.size() + 1);
    }
    used_.push_back(name);
    return name;
}

std::string WorldNames::StreetName(int side)
{
    static const char* const kStreets[] = {"Temple Street", "Market Lane", "Harbour Road", "Mill Way"};
    return kStreets[side & 3];
}

std::string WorldNames::BookText(gendata::SeededRandom& random, const std::string& town)
{
    return "Chronicle of " + town + ". " + kBooks[random.Below(sizeof(kBooks) / sizeof(kBooks[0]))];
}

std::string WorldNames::LetterText(gendata::SeededRandom& random, const std::string&)
{
    return kLetters[random.Below(sizeof(kLetters) / sizeof(kLetters[0]))];
}

std::string WorldNames::Epitaph(gendata::SeededRandom& random)
{
    return std::string("Here lies ") + kBuried[random.Below(sizeof(kBuried) / sizeof(kBuried[0]))] + ", " +
           kEpitaphs[random.Below(sizeof(kEpitaphs) / sizeof(kEpitaphs[0]))];
}

std::string Direction(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY)
{
    const int32_t dx = toX - fromX;
    const int32_t dy = toY - fromY;
    if (std::abs(dx) >= std::abs(dy)) {
        return dx >= 0 ? "east" : "west";
    }
    return dy >= 0 ? "south" : "north";
}

}  // namespace tessark::genmap

#pragma once

#include <vector>

#include "cli/CliCommand.h"
#include "cli/SpriteSheet.h"
#include "data/Sprite.h"

namespace tessark::cli {

// sprite-sheet -o OUT.png [--columns N] [--first ID] [--last ID]: every decoded sprite of the
// loaded game data (or those with ids in the range) in a grid, each with its id.
int RunSpriteSheet(const CliContext& context);

// The sprites of the table that hold pixels, in id order, turned top row first.
std::vector<SheetSprite> DecodedSprites(const SpriteTable& sprites);

}  // namespace tessark::cli

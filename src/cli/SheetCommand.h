#pragma once

#include "cli/CliCommand.h"

namespace tessark {
class Surface;
struct GameData;
class SpriteRenderer;
}  // namespace tessark

namespace tessark::cli {

// sheet -o OUT.png [--material NAME] [--columns N]: every item type of every material (or of
// one) drawn as the palette draws it, in 64-pixel cells with the server id underneath.
int RunSheet(const CliContext& context);

// The contact sheet of the materials with index first..last (inclusive).
Surface DrawContactSheet(const GameData& data, SpriteRenderer& renderer, int firstMaterial, int lastMaterial,
                         int columns);

}  // namespace tessark::cli

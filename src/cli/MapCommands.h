#pragma once

#include <cstdint>

#include "cli/CliCommand.h"

#include "cli/PixelImage.h"

namespace tessark {
class CTessarkDoc;
}  // namespace tessark

namespace tessark::cli {

// info MAP: one JSON object describing the opened map.
int RunInfo(const CliContext& context);
// dump MAP: JSON Lines of the map, its towns, houses, spawns and tiles.
int RunDump(const CliContext& context);
// verify MAP: the verify-map list, one entry per line.
int RunVerify(const CliContext& context);
// convert IN OUT [--template T] [--import M]...: Open, imports, Save As.
int RunConvert(const CliContext& context);
// copy MAP --area X,Y,W,H [--floor Z | --floors Z1-Z2] -o CLIP.bin, or --thing X,Y,Z,N: the
// bytes Copy puts on the clipboard.
int RunCopy(const CliContext& context);
// paste MAP CLIP.bin --at X,Y,Z -o OUT [--thing]: Paste with the cursor there, then Save As.
int RunPaste(const CliContext& context);
// minimap MAP -o OUT.png [--floor Z] [--area X,Y,W,H]: one pixel per tile.
int RunMinimap(const CliContext& context);

// The minimap of one floor over the area whose top-left tile is (x, y): one pixel per tile in
// the tile's minimap colour, black where no tile stands.
PixelImage MinimapPicture(const CTessarkDoc& document, int floor, int64_t x, int64_t y, int width,
                          int height);

}  // namespace tessark::cli

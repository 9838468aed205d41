#include "render/AnimationScan.h"

#include <cstdint>
#include <unordered_map>

#include "data/ItemDatabase.h"
#include "model/Creature.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"

namespace tessark {

namespace {

constexpr int kThingsExaminedPerTile = 10;

uint64_t ColumnRowKey(int64_t x, int64_t y)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) | static_cast<uint32_t>(y);
}

bool IsAnimated(const ItemDatabase& database, int32_t typeKey)
{
    return database.GetServerType(typeKey).animationPhases > 1;
}

}  // namespace

std::vector<Rect> AnimatedThingRects(const CTessarkDoc& document, const ViewGeometry& geometry,
                                     const TileSpan& span, bool showCreatures)
{
    std::vector<Rect> rects;
    const ItemDatabase& database = document.Database();
    const int z = geometry.CurrentFloor();
    const int shift = geometry.FloorShift(z);
    const int64_t firstX = int64_t{span.firstColumn} + shift;
    const int64_t lastX = int64_t{span.lastColumn} + shift;
    const int64_t firstY = int64_t{span.firstRow} + shift;
    const int64_t lastY = int64_t{span.lastRow} + shift;

    // The creatures standing in the span, found once per tick rather than once per tile.
    std::unordered_map<uint64_t, std::vector<const CCreature*>> creatures;
    if (showCreatures) {
        const CSpawnList& spawns = document.Spawns();
        for (size_t s = 0; s < spawns.Size(); ++s) {
            const CSpawn* spawn = spawns.GetSpawn(s);
            if (spawn->GetCenterZ() != z) {
                continue;
            }
            for (size_t c = 0; c < spawn->GetCreatureCount(); ++c) {
                const CCreature* creature = spawn->GetCreature(c);
                const int64_t x = int64_t{spawn->GetCenterX()} + creature->GetOffsetX();
                const int64_t y = int64_t{spawn->GetCenterY()} + creature->GetOffsetY();
                if (x >= firstX && x <= lastX && y >= firstY && y <= lastY &&
                    spawn->Contains({static_cast<int32_t>(x), static_cast<int32_t>(y), z})) {
                    creatures[ColumnRowKey(x, y)].push_back(creature);
                }
            }
        }
    }

    for (int64_t x = firstX; x <= lastX; ++x) {
        for (int64_t y = firstY; y <= lastY; ++y) {
            const CTile* tile = document.GetTile(static_cast<int32_t>(x), static_cast<int32_t>(y), z);
            const CItem* animated = nullptr;
            int examined = 0;
            auto examine = [&](const CItem* thing) {
                if (animated != nullptr || examined >= kThingsExaminedPerTile) {
                    return;
                }
                ++examined;
                if (IsAnimated(database, thing->GetTypeKey())) {
                    animated = thing;
                }
            };
            if (tile != nullptr) {
                if (tile->GetGround() != nullptr) {
                    examine(tile->GetGround());
                }
                for (const CItem* item : tile->GetOrdinaryItems()) {
                    examine(item);
                }
                for (const CItem* item : tile->GetTopItems()) {
                    examine(item);
                }
                for (const CItem* item : tile->GetHangingItems()) {
                    examine(item);
                }
            }
            if (animated == nullptr && !creatures.empty()) {
                auto found = creatures.find(ColumnRowKey(x, y));
                if (found != creatures.end()) {
                    for (const CCreature* creature : found->second) {
                        examine(creature);
                    }
                }
            }
            if (animated == nullptr) {
                continue;
            }
            const ItemType& type = database.GetServerType(animated->GetTypeKey());
            if (auto rect = geometry.ItemRect(static_cast<int>(x), static_cast<int>(y), z, type.width, type.height)) {
                rects.push_back(*rect);
            }
        }
    }
    return rects;
}

}  // namespace tessark

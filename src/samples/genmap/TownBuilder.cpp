#include "samples/genmap/TownBuilder.h"

#include <cstdlib>
#include <string>

#include "model/House.h"
#include "model/HouseList.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "model/Town.h"
#include "model/TownList.h"
#include "samples/genmap/BuildingBuilder.h"
#include "samples/genmap/InteriorDecorator.h"
#include "samples/genmap/SpawnPlacer.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldNames.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

namespace {

constexpr int32_t kOutX[4] = {0, 1, 0, -1};
constexpr int32_t kOutY[4] = {-1, 0, 1, 0};
constexpr int32_t kAcrossX[4] = {1, 0, -1, 0};
constexpr int32_t kAcrossY[4] = {0, 1, 0, -1};

}  // namespace

void TownBuilder::Build(const TownPlan& plan, std::span<const TownPlan> towns, const TownPlan& next,
                        gendata::SeededRandom& random)
{
    BuildingBuilder builder(placer_, palette_);
    InteriorDecorator decorator(placer_, palette_, spawns_);
    const InteriorDecorator::Town town{plan.id, plan.name};
    for (const BuildingPlan& building : plan.buildings) {
        builder.Build(building);
        decorator.Furnish(building, town, random);
        if (building.kind == BuildingKind::Temple || building.kind == BuildingKind::Depot) {
            ProtectionZone(building);
        }
    }
    RegisterTown(plan);
    RegisterHouses(plan);
    DecorateSquare(plan, next, random);
    DecorateStreets(plan, towns, random);
    LayGraveyard(plan, random);
}

void TownBuilder::LayGraveyard(const TownPlan& plan, gendata::SeededRandom& random)
{
    const Rect& g = plan.graveyard;
    if (g.x1 < g.x0) {
        return;
    }
    // Rows of graves with a path between them, a cross at each corner, a fresh coffin.
    for (int32_t y = g.y0 + 1; y <= g.y1 - 1; y += 2) {
        for (int32_t x = g.x0 + 1; x <= g.x1 - 1; x += 2) {
            if (x == g.x0 + 3) {
                continue;
            }
            placer_.PlaceText(palette_.gravestone, {x, y, 7}, WorldNames::Epitaph(random));
            if (random.Chance(30)) {
                placer_.Place(palette_.flowers[random.Below(static_cast<uint32_t>(palette_.flowers.size()))],
                              {x, y + 1, 7});
            }
        }
    }
    for (const Position corner : {Position{g.x0, g.y0, 7}, Position{g.x1, g.y0, 7}, Position{g.x0, g.y1, 7},
                                  Position{g.x1, g.y1, 7}}) {
        placer_.Place(palette_.woodenCross, corner);
    }
    placer_.Place(palette_.coffin, {g.x0 + 3, g.y0 + 2, 7});
    placer_.PlaceText(palette_.stoneTablet, {g.x0 + 3, g.y1, 7}, "Graveyard of " + plan.name + ". Be quiet here.");
}

void TownBuilder::RegisterTown(const TownPlan& plan)
{
    Town* town = placer_.Document().Towns().GetTown(plan.id, true);
    town->name = plan.name;
    town->templeX = plan.temple.x;
    town->templeY = plan.temple.y;
    town->templeZ = plan.temple.z;
}

void TownBuilder::RegisterHouses(const TownPlan& plan)
{
    HouseList& houses = placer_.Document().Houses();
    int numbers[4] = {0, 0, 0, 0};
    size_t index = 0;
    for (const BuildingPlan& building : plan.buildings) {
        if (building.houseId == 0) {
            continue;
        }
        const int street = plan.houseStreets[index++];
        House* house = houses.GetHouse(building.houseId, true);
        house->name = WorldNames::StreetName(street) + " " + std::to_string(++numbers[street]) + ", " + plan.name;
        const Position entry = building.Entry();
        house->entryX = entry.x;
        house->entryY = entry.y;
        house->entryZ = entry.z;
        house->townId = static_cast<int32_t>(plan.id);
        house->AddDoor(building.doorId);
        const Rect in = building.Interior();
        for (int storey = 0; storey < building.storeys; ++storey) {
            const int32_t z = BuildingBuilder::StoreyFloor(storey);
            for (int32_t y = in.y0; y <= in.y1; ++y) {
                for (int32_t x = in.x0; x <= in.x1; ++x) {
                    if (CTile* tile = placer_.TileAt({x, y, z})) {
                        house->AddTile(tile);
                    }
                }
            }
        }
        // The door's square belongs to the house too.
        if (CTile* tile = placer_.TileAt(building.Door())) {
            house->AddTile(tile);
        }
        house->rent = static_cast<int32_t>(house->GetTiles().size()) * 10;
    }
}

void TownBuilder::ProtectionZone(const BuildingPlan& building)
{
    const Rect in = building.Interior();
    for (int32_t y = in.y0; y <= in.y1; ++y) {
        for (int32_t x = in.x0; x <= in.x1; ++x) {
            if (CTile* tile = placer_.TileAt({x, y, 7})) {
                tile->SetProtectionZone(true);
            }
        }
    }
}

void TownBuilder::DecorateSquare(const TownPlan& plan, const TownPlan& next, gendata::SeededRandom& random)
{
    const Rect& sq = plan.square;
    const int32_t cx = plan.site.x;
    const int32_t cy = plan.site.y;
    const auto put = [&](int32_t key, int32_t x, int32_t y) {
        return placer_.IsBare({x, y, 7}) ? placer_.Place(key, {x, y, 7}) : nullptr;
    };
    put(palette_.fountain, cx, cy);
    // Fires burn on both sides of the temple's arch.
    for (const BuildingPlan& building : plan.buildings) {
        if (building.kind == BuildingKind::Temple) {
            const Position entry = building.Entry();
            put(palette_.brazier, entry.x - 2, entry.y);
            put(palette_.brazier, entry.x + 2, entry.y);
        }
    }
    for (int32_t dx : {-3, 4}) {
        put(palette_.bench, cx + dx, cy - 3);
        put(palette_.bench, cx + dx, cy + 3);
    }
    for (const Position corner : {Position{sq.x0, sq.y0, 7}, Position{sq.x1, sq.y0, 7},
                                  Position{sq.x0, sq.y1, 7}, Position{sq.x1, sq.y1, 7}}) {
        put(palette_.streetLamp, corner.x, corner.y);
    }
    put(palette_.well, sq.x0 + 3, cy + 3);
    put(palette_.pottedPlant, cx - 2, cy - 2);
    put(palette_.pottedPlant, cx + 1, cy + 1);
    if (placer_.IsBare({cx + 6, sq.y0 + 1, 7}) && placer_.IsBare({cx + 5, sq.y0 + 1, 7})) {
        placer_.PlaceText(palette_.noticeBoard, {cx + 6, sq.y0 + 1, 7},
                          "Notices of " + plan.name + ": Wolves seen on the roads. Miners wanted "
                          "for the old tunnels. Lost: one grey cat.");
    }
    if (next.id != plan.id) {
        placer_.PlaceTeleport(palette_.teleportCircle, plan.teleport, next.arrival);
        placer_.PlaceText(palette_.stoneTablet, {plan.teleport.x + 1, plan.teleport.y + 1, 7},
                          "This circle carries travellers to " + next.name + ".");
    }
    // Market stalls with goods under the lamps.
    const int32_t marketY = cy + 3;
    for (int32_t x = sq.x1 - 5; x <= sq.x1 - 2; x += 3) {
        if (put(palette_.woodenTable, x, marketY)) {
            placer_.Place(random.Chance(50) ? palette_.apple : palette_.fish, {x, marketY, 7}, random.Range(4, 40));
        }
    }
    put(palette_.barrel, sq.x1 - 1, marketY);
    const auto& c = palette_.creature;
    spawns_.AddSpawn({cx - 6, cy, 7}, 2, {c.guard}, random);
    spawns_.AddSpawn({cx + 7, cy - 2, 7}, 2, {c.guard, c.merchant}, random);
}

void TownBuilder::DecorateStreets(const TownPlan& plan, std::span<const TownPlan> towns, gendata::SeededRandom& random)
{
    const int32_t cx = plan.site.x;
    const int32_t cy = plan.site.y;
    // Nothing that blocks may stand in front of a door.
    const auto free = [&](const Position& at) {
        for (const BuildingPlan& building : plan.buildings) {
            const Position entry = building.Entry();
            if (std::abs(entry.x - at.x) + std::abs(entry.y - at.y) <= 1) {
                return false;
            }
        }
        return placer_.IsBare(at);
    };
    for (int side = 0; side < 4; ++side) {
        const Position end = plan.streetEnds[static_cast<size_t>(side)];
        const int32_t length = std::abs(end.x - cx) + std::abs(end.y - cy);
        // Lamps along the street on alternating sides.
        for (int32_t t = 16; t < length; t += 7) {
            const int32_t s = (t / 7) % 2 == 0 ? 2 : -2;
            const Position at{cx + kOutX[side] * t + kAcrossX[side] * s, cy + kOutY[side] * t + kAcrossY[side] * s, 7};
            if (free(at)) {
                placer_.Place(palette_.streetLamp, at);
            }
        }
        // A signpost at the town's edge names the town and points to the nearest other one.
        const Position sign{end.x + kAcrossX[side] * 2, end.y + kAcrossY[side] * 2, 7};
        std::string text = plan.name + ".";
        const TownPlan* nearest = nullptr;
        int64_t best = 0;
        for (const TownPlan& other : towns) {
            const int64_t dx = other.site.x - cx;
            const int64_t dy = other.site.y - cy;
            if (other.id != plan.id && (!nearest || dx * dx + dy * dy < best)) {
                nearest = &other;
                best = dx * dx + dy * dy;
            }
        }
        if (nearest) {
            text += " " + nearest->name + " lies to the " + Direction(cx, cy, nearest->site.x, nearest->site.y) + ".";
        }
        if (free(sign)) {
            placer_.PlaceText(palette_.signpost, sign, text);
        }
    }
    // Gardens: flowers and bushes along the house fronts.
    for (const BuildingPlan& building : plan.buildings) {
        if (building.kind != BuildingKind::House) {
            continue;
        }
        const Rect yard = building.outline.Grown(1);
        for (int32_t x = yard.x0; x <= yard.x1; ++x) {
            for (int32_t y : {yard.y0, yard.y1}) {
                if (random.Chance(18) && placer_.IsBare({x, y, 7})) {
                    const Position at{x, y, 7};
                    const auto entry = building.Entry();
                    if (at.x == entry.x && at.y == entry.y) {
                        continue;
                    }
                    const auto& flowers = palette_.flowers;
                    placer_.Place(flowers[random.Below(static_cast<uint32_t>(flowers.size()))], at);
                }
            }
        }
    }
}

}  // namespace tessark::genmap

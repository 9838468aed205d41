#include "samples/genmap/InteriorDecorator.h"

#include <string>

#include "model/DepotItem.h"
#include "model/Item.h"
#include "model/Tile.h"
#include "samples/genmap/BuildingBuilder.h"
#include "samples/genmap/RoomFurnisher.h"
#include "samples/genmap/SpawnPlacer.h"
#include "samples/genmap/ThingPlacer.h"
#include "samples/genmap/WorldNames.h"
#include "samples/genmap/WorldPalette.h"

namespace tessark::genmap {

namespace {

// Fluid kinds, by the count of a fluid container or splash.
constexpr int32_t kWater = 1;
constexpr int32_t kBeer = 3;
constexpr int32_t kLemonade = 5;
constexpr int32_t kMilk = 6;
constexpr int32_t kMana = 7;

int32_t Pick(const std::vector<int32_t>& keys, gendata::SeededRandom& random)
{
    return keys.empty() ? -1 : keys[random.Below(static_cast<uint32_t>(keys.size()))];
}

// Squares of the room that touch a wall, in a shuffled order.
std::vector<Position> WallSquares(const Rect& in, gendata::SeededRandom& random)
{
    std::vector<Position> squares;
    for (int32_t y = in.y0; y <= in.y1; ++y) {
        for (int32_t x = in.x0; x <= in.x1; ++x) {
            if (x == in.x0 || x == in.x1 || y == in.y0 || y == in.y1) {
                squares.push_back({x, y, 0});
            }
        }
    }
    for (size_t i = squares.size(); i > 1; --i) {
        std::swap(squares[i - 1], squares[random.Below(static_cast<uint32_t>(i))]);
    }
    return squares;
}

// Puts a thing on the first wall square that has room for it.
CItem* AgainstWall(RoomFurnisher& room, int32_t key, gendata::SeededRandom& random, int width = 1, int height = 1)
{
    for (const Position& p : WallSquares(room.Interior(), random)) {
        if (CItem* item = room.Put(key, p.x, p.y, width, height)) {
            return item;
        }
    }
    return nullptr;
}

void KeepWayIn(const BuildingPlan& plan, RoomFurnisher& room)
{
    const Position inside = plan.Inside();
    const Position door = plan.Door();
    const int32_t stepX = inside.x - door.x;
    const int32_t stepY = inside.y - door.y;
    for (int i = 0; i < 3; ++i) {
        room.KeepClear(inside.x + stepX * i, inside.y + stepY * i);
    }
    if (plan.storeys > 1) {
        const Position ladder = plan.Ladder();
        for (int32_t dy = -1; dy <= 1; ++dy) {
            for (int32_t dx = -1; dx <= 1; ++dx) {
                room.KeepClear(ladder.x + dx, ladder.y + dy);
            }
        }
    }
}

}  // namespace

void InteriorDecorator::Furnish(const BuildingPlan& plan, const Town& town, gendata::SeededRandom& random)
{
    RoomFurnisher room(placer_, plan.Interior(), 7);
    KeepWayIn(plan, room);
    switch (plan.kind) {
    case BuildingKind::Temple: Temple(plan, room, town, random); break;
    case BuildingKind::Depot: Depot(plan, room, town, random); break;
    case BuildingKind::Shop: Shop(plan, room, random); break;
    case BuildingKind::Tavern: Tavern(plan, room, random); break;
    case BuildingKind::House: House(plan, room, town, random); break;
    }
    HangOnWalls(plan, 7, random, plan.kind == BuildingKind::House ? 3 : 2);
    LanternByDoor(plan);
    for (int storey = 1; storey < plan.storeys; ++storey) {
        RoomFurnisher upper(placer_, plan.Interior(), BuildingBuilder::StoreyFloor(storey));
        KeepWayIn(plan, upper);
        UpperRoom(upper, town, random);
        HangOnWalls(plan, upper.Floor(), random, 3);
    }
}

void InteriorDecorator::Temple(const BuildingPlan& plan, RoomFurnisher& room, const Town& town,
                               gendata::SeededRandom& random)
{
    const Rect in = plan.Interior();
    const int32_t aisle = plan.Door().x;
    // The altar closes the aisle at the back; in front of it the floor stays open.
    const int32_t back = in.y0 + 1;
    room.Put(palette_.altar, aisle, back);
    room.Put(palette_.candlestick, aisle - 2, back);
    room.Put(palette_.candlestick, aisle + 2, back);
    room.Put(palette_.knightStatue, in.x0, in.y0 + 1, 1, 2);
    room.Put(palette_.knightStatue, in.x1, in.y0 + 1, 1, 2);
    for (int32_t y = in.y0; y <= in.y1; ++y) {
        room.KeepClear(aisle, y);
    }
    for (int32_t x = in.x0; x <= in.x1; ++x) {
        room.KeepClear(x, in.y0 + 2);
        room.KeepClear(x, in.y0 + 3);
    }
    // Pews in rows on both sides of the aisle, with walkways between them.
    for (int32_t y = in.y0 + 4; y <= in.y1 - 1; y += 2) {
        for (int32_t x = aisle - 2; x - 1 >= in.x0; x -= 3) {
            room.Put(palette_.bench, x, y, 2, 1);
        }
        for (int32_t x = aisle + 3; x <= in.x1; x += 3) {
            room.Put(palette_.bench, x, y, 2, 1);
        }
    }
    placer_.PlaceText(palette_.stoneTablet, {in.x0 + 1, in.y1, 7},
                      "Temple of " + town.name + ". All who rest here are under the gods' care.");
    spawns_.AddSpawn({aisle, in.y0 + 2, 7}, 1, {palette_.creature.priest}, random);
}

void InteriorDecorator::Depot(const BuildingPlan& plan, RoomFurnisher& room, const Town& town,
                              gendata::SeededRandom& random)
{
    const Rect in = plan.Interior();
    int lockers = 0;
    for (int32_t x = in.x0; x <= in.x1; x += 2) {
        CItem* locker = room.Put(palette_.depotLocker, x, in.y0);
        if (locker && locker->Kind() == ThingKind::Depot) {
            static_cast<CDepotItem*>(locker)->SetDepotId(town.id);
            ++lockers;
        }
    }
    if (room.PutTable(palette_.longTable, in.x0 + 2, in.y1 - 1, 2)) {
        room.PutOn(palette_.goldCoin, in.x0 + 2, in.y1 - 1, 100);
        room.PutOn(palette_.silverCoin, in.x0 + 2, in.y1 - 1, random.Range(12, 80));
        room.PutTextOn(palette_.parchment, in.x0 + 2, in.y1 - 1,
                       "Ledger of the depot of " + town.name + ". Lockers: " + std::to_string(lockers) + ".");
    }
    room.Put(palette_.chest, in.x1, in.y1);
    room.Put(palette_.woodenBox, in.x1, in.y1 - 1);
    room.Put(palette_.barrel, in.x0, in.y1);
    SignBeside(plan, "Depot of " + town.name + ". Every citizen keeps a locker here.");
}

void InteriorDecorator::Shop(const BuildingPlan& plan, RoomFurnisher& room, gendata::SeededRandom& random)
{
    const Rect in = plan.Interior();
    const Position door = plan.Door();
    // The counter runs across the room two squares in from the door; the merchant stands behind.
    const int32_t counterY = plan.doorSide == Side::North ? in.y0 + 1 : in.y1 - 1;
    const int32_t behindY = plan.doorSide == Side::North ? counterY + 1 : counterY - 1;
    const int32_t backY = plan.doorSide == Side::North ? in.y1 : in.y0;
    room.KeepClear(door.x, counterY);
    room.PutTable(palette_.shopCounter, door.x + 2, counterY, 2);
    room.PutTable(palette_.shopCounter, door.x - 1, counterY, 2);
    room.PutOn(palette_.goldCoin, door.x + 2, counterY, random.Range(5, 40));
    room.PutOn(palette_.vial, door.x - 1, counterY, kMana);
    for (int32_t x = in.x0; x <= in.x1; ++x) {
        room.KeepClear(x, behindY);
    }
    // Goods on tables along the back wall.
    const int32_t goods[] = {palette_.arrow, palette_.bolt, palette_.apple, palette_.fish, palette_.meat};
    int index = 0;
    for (int32_t x = in.x0; x <= in.x1; x += 2) {
        if (!room.PutTable(palette_.woodenTable, x, backY)) {
            continue;
        }
        if (index < 5) {
            room.PutOn(goods[index], x, backY, random.Range(12, 90));
        } else {
            room.PutOn(Pick(palette_.weapons, random), x, backY);
        }
        ++index;
    }
    SignBeside(plan, "General goods. We buy and sell.");
    room.Put(palette_.crates, in.x0, behindY == in.y0 ? in.y1 : in.y0);
    room.Put(palette_.barrel, in.x1, behindY == in.y0 ? in.y1 : in.y0);
    room.Put(palette_.basket, in.x1 - 1, behindY == in.y0 ? in.y1 : in.y0);
    spawns_.AddSpawn({(in.x0 + in.x1) / 2, behindY, 7}, 1, {palette_.creature.merchant}, random);
}

void InteriorDecorator::Tavern(const BuildingPlan& plan, RoomFurnisher& room, gendata::SeededRandom& random)
{
    const Rect in = plan.Interior();
    const int32_t backY = plan.doorSide == Side::North ? in.y1 : in.y0;
    for (int32_t x = in.x0; x <= in.x1; x += 2) {
        room.Put(random.Chance(70) ? palette_.barrel : palette_.waterBarrel, x, backY);
    }
    room.Put(palette_.oven, in.x1, backY == in.y0 ? in.y0 + 1 : in.y1 - 1);
    room.Put(palette_.cauldron, in.x1 - 1, backY == in.y0 ? in.y0 + 1 : in.y1 - 1);
    // Tables with a chair on each side, in rows with room to pass between them.
    for (int32_t y = in.y0 + 1; y <= in.y1 - 1; y += 2) {
        for (int32_t x = in.x0 + 1; x <= in.x1 - 1; ++x) {
            if (DiningTable(room, x, y, palette_.roundTable)) {
                room.PutOn(palette_.mug, x, y, random.Chance(70) ? kBeer : kMilk);
                x += 3;
            }
        }
    }
    SignBeside(plan, "The Jolly Gull. Food, drink and a bed for the night.");
    const Position inside = plan.Inside();
    room.PutFlat(palette_.splash, inside.x + 1, inside.y, kBeer);
    room.PutFlat(palette_.furRug, in.x0, (in.y0 + in.y1) / 2);
    for (int32_t y = in.y0; y <= in.y1; ++y) {
        if (CItem* board = HangOn(plan, {plan.outline.x0, y, 7}, palette_.blackboard)) {
            board->SetText("Today: fish stew, fresh bread, cold beer. No credit.");
            break;
        }
    }
}

void InteriorDecorator::House(const BuildingPlan& plan, RoomFurnisher& room, const Town& town,
                              gendata::SeededRandom& random)
{
    const Rect in = plan.Interior();
    AgainstWall(room, random.Chance(30) ? palette_.redBed : palette_.bed, random, 1, 2);
    AgainstWall(room, palette_.wardrobe, random);
    AgainstWall(room, random.Chance(50) ? palette_.drawers : palette_.bookcase, random);
    const int32_t midX = (in.x0 + in.x1 + 1) / 2;
    const int32_t midY = (in.y0 + in.y1 + 1) / 2;
    if (DiningTable(room, midX, midY, palette_.woodenTable)) {
        if (random.Chance(50)) {
            room.PutTextOn(palette_.letter, midX, midY, WorldNames::LetterText(random, town.name));
        } else {
            room.PutTextOn(palette_.redBook, midX, midY, WorldNames::BookText(random, town.name));
        }
        room.PutOn(random.Chance(50) ? palette_.goldCoin : palette_.apple, midX, midY, random.Range(2, 30));
        room.PutOn(palette_.jug, midX, midY, random.Chance(50) ? kWater : kLemonade);
    }
    AgainstWall(room, random.Chance(50) ? palette_.pottedPlant : palette_.vase, random);
    for (const Position& p : WallSquares(in, random)) {
        if (room.PutFlat(palette_.bucket, p.x, p.y, kWater)) {
            break;
        }
    }
    if (random.Chance(40)) {
        for (const Position& p : WallSquares(in, random)) {
            if (room.PutFlat(palette_.furRug, p.x, p.y)) {
                break;
            }
        }
    }
}

void InteriorDecorator::UpperRoom(RoomFurnisher& room, const Town& town, gendata::SeededRandom& random)
{
    AgainstWall(room, palette_.bed, random, 1, 2);
    AgainstWall(room, palette_.bookcase, random);
    AgainstWall(room, palette_.chest, random);
    for (const Position& p : WallSquares(room.Interior(), random)) {
        if (room.PutTable(palette_.woodenTable, p.x, p.y)) {
            room.PutTextOn(palette_.blueBook, p.x, p.y, WorldNames::BookText(random, town.name));
            break;
        }
    }
}

bool InteriorDecorator::DiningTable(RoomFurnisher& room, int32_t x, int32_t y, int32_t tableKey)
{
    if (!room.IsFree(x, y) || !room.IsFree(x - 1, y) || !room.IsFree(x + 1, y)) {
        return false;
    }
    if (!room.PutTable(tableKey, x, y)) {
        return false;
    }
    // Chairs face the table: the one to its west faces east, the one to its east faces west.
    room.Put(palette_.chairs[1], x - 1, y);
    room.Put(palette_.chairs[3], x + 1, y);
    return true;
}

void InteriorDecorator::SignBeside(const BuildingPlan& plan, std::string_view text)
{
    // Two squares along the wall from the way in, outside.
    const Position entry = plan.Entry();
    const bool alongX = plan.doorSide == Side::North || plan.doorSide == Side::South;
    const Position sign{entry.x + (alongX ? 2 : 0), entry.y + (alongX ? 0 : 2), 7};
    if (placer_.IsBare(sign)) {
        placer_.PlaceText(palette_.woodenSign, sign, text);
    }
}

CItem* InteriorDecorator::HangOn(const BuildingPlan& plan, const Position& at, int32_t key)
{
    const WallSet& walls = WallsOf(palette_, plan.style);
    const Rect& r = plan.outline;
    const int32_t plain = (at.y == r.y0 || at.y == r.y1) ? walls.horizontal : walls.vertical;
    const CTile* tile = placer_.TileAt(at);
    if (!tile || !tile->GetHangingItems().empty()) {
        return nullptr;
    }
    bool onWall = false;
    for (const CItem* item : tile->GetTopItems()) {
        if (item->GetTopOrder(placer_.Database()) < 2) {
            continue;
        }
        if (item->GetTypeKey() != plain) {
            return nullptr;
        }
        onWall = true;
    }
    return onWall ? placer_.Place(key, at) : nullptr;
}

void InteriorDecorator::HangOnWalls(const BuildingPlan& plan, int32_t z, gendata::SeededRandom& random, int every)
{
    const Rect& r = plan.outline;
    const bool temple = plan.kind == BuildingKind::Temple;
    int count = 0;
    for (int32_t x = r.x0 + 1; x < r.x1; ++x) {
        if (++count % every != 0) {
            continue;
        }
        const int32_t key = temple ? (count % (2 * every) == 0 ? palette_.redBanner : palette_.wallCandles)
                                   : (random.Chance(35) ? palette_.wallTorch : Pick(palette_.hangings, random));
        HangOn(plan, {x, r.y0, z}, key);
    }
    count = 0;
    for (int32_t y = r.y0 + 1; y < r.y1; ++y) {
        if (++count % (every + 1) == 0) {
            HangOn(plan, {r.x0, y, z}, temple ? palette_.blueBanner : palette_.wallTorch);
        }
    }
}

void InteriorDecorator::LanternByDoor(const BuildingPlan& plan)
{
    // Only the faces of south and east walls show outside.
    const Position door = plan.Door();
    if (plan.doorSide == Side::South) {
        HangOn(plan, {door.x + 1, door.y, 7}, palette_.wallLantern);
    } else if (plan.doorSide == Side::East) {
        HangOn(plan, {door.x, door.y + 1, 7}, palette_.wallLantern);
    }
}

}  // namespace tessark::genmap

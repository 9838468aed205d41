// Creature outfits and the creatures that wear them.
//
// Outfit areas are painted in the exact colours the renderer replaces: yellow for the head,
// red for the body, green for the legs and blue for the feet. They stay flat (the replacement
// matches whole values), so shape comes from dark detail lines drawn over them and from the
// parts that keep their own colours (skin, metal, bone).
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

enum Facing { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3 };

constexpr Color kDetail = 0x2A1E18;
constexpr Color kEye = 0x141010;
constexpr Color kSteelPart = 0xA8ACB6;

void AreaRect(Canvas& c, int x, int y, int w, int h, Color area)
{
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            c.PutExact(i, j, area);
        }
    }
}

void AreaEllipse(Canvas& c, Point centre, double rx, double ry, Color area)
{
    for (int y = static_cast<int>(centre.y - ry - 1); y <= static_cast<int>(centre.y + ry + 1); ++y) {
        for (int x = static_cast<int>(centre.x - rx - 1); x <= static_cast<int>(centre.x + rx + 1); ++x) {
            const double nx = (x + 0.5 - centre.x) / rx;
            const double ny = (y + 0.5 - centre.y) / ry;
            if (nx * nx + ny * ny <= 1.0) {
                c.PutExact(x, y, area);
            }
        }
    }
}

void AreaPolygon(Canvas& c, const std::vector<Point>& corners, Color area)
{
    Canvas mask(c.Width(), c.Height());
    mask.Polygon(corners, 0x010101);
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            if (mask.IsOpaque(x, y)) {
                c.PutExact(x, y, area);
            }
        }
    }
}

enum class Headgear { Hair, Helmet, Hood, Hat, Topknot, Skull };
enum class Held { Nothing, SwordAndShield, Staff, Bow, Club };

struct Humanoid {
    Color skin;
    Headgear head;
    Held held;
    bool stout;
    bool robe;
};

void PaintHumanoid(Canvas& c, const Frame& f, const Humanoid& h)
{
    if (f.patternX == kWest) {
        // Facing west is facing east in a mirror.
        Canvas east(32, 32);
        Frame turned = f;
        turned.patternX = kEast;
        PaintHumanoid(east, turned, h);
        c.Draw(east.FlippedHorizontally(), 0, 0);
        return;
    }
    const int facing = f.patternX;
    const bool side = facing == kEast || facing == kWest;
    const int widen = h.stout ? 2 : 0;
    GroundShadow(c, {16, 29}, 8 + widen, 2);
    // Feet and legs.
    if (side) {
        AreaRect(c, 12, 27, 5, 2, kOutfitFeet);
        AreaRect(c, 16, 26, 5, 2, kOutfitFeet);
        AreaRect(c, 13, 19, 4, 8, kOutfitLegs);
        AreaRect(c, 16, 19, 4, 7, kOutfitLegs);
        c.Line(16, 20, 16, 25, kDetail);
    } else {
        AreaRect(c, 10 - widen, 26, 5, 3, kOutfitFeet);
        AreaRect(c, 18 + widen, 26, 5, 3, kOutfitFeet);
        AreaRect(c, 11 - widen, 19, 5, 7, kOutfitLegs);
        AreaRect(c, 17 + widen, 19, 5, 7, kOutfitLegs);
    }
    if (h.robe) {
        AreaPolygon(c, {{10, 12}, {23, 12}, {25, 27}, {8, 27}}, kOutfitBody);
        AreaRect(c, 8, 24, 17, 3, kOutfitLegs);
        c.Line(9, 24, 24, 24, kDetail);
    }
    // Torso and arms.
    const int torsoLeft = side ? 12 : 10 - widen;
    const int torsoWidth = side ? 9 : 13 + 2 * widen;
    AreaRect(c, torsoLeft, 11, torsoWidth, 9, kOutfitBody);
    c.Line(torsoLeft, 19, torsoLeft + torsoWidth - 1, 19, kDetail);  // belt
    if (side) {
        AreaRect(c, 15, 12, 4, 7, kOutfitBody);
        c.Line(14, 12, 14, 18, kDetail);
        c.FillRect(15, 19, 3, 2, h.skin);
    } else {
        AreaRect(c, 7 - widen, 12, 3, 7, kOutfitBody);
        AreaRect(c, 23 + widen, 12, 3, 7, kOutfitBody);
        c.FillRect(7 - widen, 19, 3, 2, h.skin);
        c.FillRect(23 + widen, 19, 3, 2, h.skin);
        c.Line(16, 12, 16, 18, kDetail);
    }
    // Head.
    const Point head{16, 7};
    c.Ellipse(head, 4.5, 4.5, h.skin);
    switch (h.head) {
    case Headgear::Hair:
    case Headgear::Topknot:
        if (facing == kNorth) {
            AreaEllipse(c, head, 4.5, 4.5, kOutfitHead);
        } else {
            AreaEllipse(c, {head.x, head.y - 2}, 4.6, 2.6, kOutfitHead);
            if (side) {
                AreaEllipse(c, {facing == kEast ? head.x - 2 : head.x + 2, head.y}, 2.6, 4, kOutfitHead);
            }
        }
        if (h.head == Headgear::Topknot) {
            AreaRect(c, 15, 0, 3, 3, kOutfitHead);
        }
        break;
    case Headgear::Helmet:
        c.Ellipse({head.x, head.y - 0.5}, 5, 4.8, kSteelPart);
        if (facing != kNorth) {
            c.FillRect(side ? (facing == kEast ? 17 : 12) : 13, 7, side ? 4 : 7, 1, kEye);
        }
        AreaRect(c, 15, 0, 3, 4, kOutfitHead);
        AreaRect(c, side ? (facing == kEast ? 12 : 18) : 15, 1, 3, 2, kOutfitHead);
        break;
    case Headgear::Hood:
        AreaEllipse(c, head, 5.2, 5.2, kOutfitHead);
        if (facing != kNorth) {
            c.Ellipse({side ? (facing == kEast ? head.x + 1.5 : head.x - 1.5) : head.x, head.y + 1}, side ? 2.2 : 3, 3,
                      h.skin);
        }
        break;
    case Headgear::Hat:
        AreaPolygon(c, {{9, 5}, {23, 5}, {17, -3}}, kOutfitHead);
        AreaRect(c, 9, 4, 15, 2, kOutfitHead);
        c.Line(9, 5, 23, 5, kDetail);
        if (facing == kNorth) {
            c.Ellipse({head.x, head.y + 2}, 4, 2.5, 0xD8D8D0);  // a white beard from behind is hair
        }
        break;
    case Headgear::Skull:
        AreaRect(c, 12, 1, 9, 3, kOutfitHead);  // a rusty helmet rim
        for (int y = 12; y < 19; y += 2) {
            c.Line(torsoLeft + 1, y, torsoLeft + torsoWidth - 2, y, h.skin);  // ribs through the rags
        }
        break;
    }
    if (facing == kSouth) {
        c.Put(14, 8, kEye);
        c.Put(18, 8, kEye);
        if (h.stout) {
            c.Put(13, 11, 0xF0E8D0);
            c.Put(19, 11, 0xF0E8D0);
        }
    } else if (side) {
        c.Put(facing == kEast ? 19 : 13, 8, kEye);
    }
    // What the hands hold.
    const bool behind = facing == kNorth;
    switch (h.held) {
    case Held::SwordAndShield:
        if (!behind) {
            c.ThickLine({side ? 18.0 : 24.5, 19}, {side ? 24.0 : 24.5, 8}, 1.6, 0xD8DCE4);
            c.Line(side ? 16 : 23, 18, side ? 20 : 26, 18, 0xC8A040);
        }
        c.Polygon(side ? std::vector<Point>{{facing == kEast ? 9.0 : 22.0, 12}, {facing == kEast ? 13.0 : 26.0, 12},
                                           {facing == kEast ? 13.0 : 26.0, 20}, {facing == kEast ? 11.0 : 24.0, 23},
                                           {facing == kEast ? 9.0 : 22.0, 20}}
                       : std::vector<Point>{{3, 12}, {10, 12}, {10, 20}, {6.5, 24}, {3, 20}},
                  0x6A5A8A);
        break;
    case Held::Staff:
        c.ThickLine({25, 28}, {25, 3}, 1.6, 0x7A5230);
        c.Disc({25, 3}, 2, 0x6AD8F0);
        break;
    case Held::Bow:
        Arc(c, {20, 15}, 6, 10, -0.25, 0.25, 1.4, 0x7A5230);
        c.Line(20, 5, 20, 25, 0xE0DCD0);
        break;
    case Held::Club:
        c.ThickLine({25, 21}, {27, 8}, 2.4, 0x6A4A2A);
        c.Disc({27, 8}, 3, 0x7A5A34);
        break;
    case Held::Nothing:
        break;
    }
    c.Outline(0x141010);
}

// Four-legged animals: seen from above when facing north or south, from the side otherwise.
void PaintBeast(Canvas& c, const Frame& f, double size, bool wolf)
{
    const int facing = f.patternX;
    GroundShadow(c, {16, 26}, 11 * size, 2.5);
    if (facing == kEast || facing == kWest) {
        Canvas side(32, 32);
        const double cx = 15;
        const double cy = 19;
        AreaRect(side, static_cast<int>(cx - 8 * size), static_cast<int>(cy + 3 * size), 2, static_cast<int>(5 * size),
                 kOutfitLegs);
        AreaRect(side, static_cast<int>(cx + 5 * size), static_cast<int>(cy + 3 * size), 2, static_cast<int>(5 * size),
                 kOutfitLegs);
        AreaRect(side, static_cast<int>(cx - 8 * size), static_cast<int>(cy + 3 * size + 5 * size), 3, 1, kOutfitFeet);
        AreaRect(side, static_cast<int>(cx + 5 * size), static_cast<int>(cy + 3 * size + 5 * size), 3, 1, kOutfitFeet);
        AreaEllipse(side, {cx, cy}, 10 * size, 5 * size, kOutfitBody);
        AreaEllipse(side, {cx + 10 * size, cy - 3 * size}, 4.5 * size, 3.8 * size, kOutfitHead);
        AreaPolygon(side, {{cx + 13 * size, cy - 4 * size}, {cx + 17 * size, cy - 1 * size}, {cx + 12 * size, cy}},
                    kOutfitHead);
        side.Put(static_cast<int>(cx + 11 * size), static_cast<int>(cy - 4 * size), kEye);
        AreaPolygon(side, {{cx + 8 * size, cy - 6 * size}, {cx + 9 * size, cy - 10 * size}, {cx + 11 * size, cy - 6 * size}},
                    kOutfitHead);
        if (wolf) {
            AreaPolygon(side, {{cx - 9 * size, cy - 2 * size}, {cx - 15 * size, cy + 1 * size}, {cx - 9 * size, cy + 2 * size}},
                        kOutfitFeet);
        } else {
            side.Line(static_cast<int>(cx - 10 * size), static_cast<int>(cy), static_cast<int>(cx - 15 * size),
                      static_cast<int>(cy - 4), 0xD89A9A);
        }
        side.Line(static_cast<int>(cx - 5 * size), static_cast<int>(cy - 2 * size), static_cast<int>(cx + 4 * size),
                  static_cast<int>(cy - 2 * size), kDetail);
        side.Outline(0x141010);
        c.Draw(facing == kEast ? side : side.FlippedHorizontally(), 0, 0);
        return;
    }
    Canvas top(32, 32);
    const double cx = 16;
    const double cy = 16;
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            AreaRect(top, static_cast<int>(cx + sx * 6 * size) - 1, static_cast<int>(cy + sy * 5 * size), 3, 3, kOutfitLegs);
            AreaRect(top, static_cast<int>(cx + sx * 7 * size) - 1, static_cast<int>(cy + sy * 5 * size) + 2, 3, 1,
                     kOutfitFeet);
        }
    }
    AreaEllipse(top, {cx, cy}, 5.5 * size, 9 * size, kOutfitBody);
    AreaEllipse(top, {cx, cy + 9 * size}, 4 * size, 4 * size, kOutfitHead);
    if (wolf) {
        AreaPolygon(top, {{cx - 2, cy - 8 * size}, {cx + 2, cy - 8 * size}, {cx, cy - 15 * size}}, kOutfitFeet);
    } else {
        top.Line(static_cast<int>(cx), static_cast<int>(cy - 9 * size), static_cast<int>(cx + 2), static_cast<int>(cy - 14 * size),
                 0xD89A9A);
    }
    top.Line(static_cast<int>(cx), static_cast<int>(cy - 6 * size), static_cast<int>(cx), static_cast<int>(cy + 4 * size),
             kDetail);
    top.Put(static_cast<int>(cx - 2 * size), static_cast<int>(cy + 10 * size), kEye);
    top.Put(static_cast<int>(cx + 2 * size), static_cast<int>(cy + 10 * size), kEye);
    top.Outline(0x141010);
    // Facing north turns the animal round.
    c.Draw(facing == kSouth ? top : top.FlippedVertically(), 0, facing == kSouth ? 1 : -1);
}

void PaintSpider(Canvas& c, const Frame& f)
{
    Canvas body(32, 32);
    const bool side = f.patternX == kEast || f.patternX == kWest;
    const Point abdomen{side ? 12.0 : 16.0, side ? 17.0 : 12.0};
    const Point head{side ? 21.0 : 16.0, side ? 18.0 : 21.0};
    for (int k = 0; k < 4; ++k) {
        for (int s : {-1, 1}) {
            const double y = head.y - 3 + k * 2.2;
            const Point knee{head.x + s * (7 + k % 2), y - 3};
            const Point foot{head.x + s * (11 - k), y + 5};
            Canvas leg(32, 32);
            leg.ThickLine({head.x, y}, knee, 1.4, kOutfitLegs);
            leg.ThickLine(knee, foot, 1.2, kOutfitLegs);
            for (int yy = 0; yy < 32; ++yy) {
                for (int xx = 0; xx < 32; ++xx) {
                    if (leg.IsOpaque(xx, yy)) {
                        body.PutExact(xx, yy, kOutfitLegs);
                    }
                }
            }
            body.PutExact(static_cast<int>(foot.x), static_cast<int>(foot.y), kOutfitFeet);
        }
    }
    AreaEllipse(body, abdomen, side ? 8 : 7, side ? 6 : 8, kOutfitBody);
    AreaEllipse(body, head, 4, 3.5, kOutfitHead);
    AreaRect(body, static_cast<int>(abdomen.x) - 1, static_cast<int>(abdomen.y) - 3, 2, 6, kOutfitFeet);
    AreaRect(body, static_cast<int>(abdomen.x) - 3, static_cast<int>(abdomen.y) - 1, 6, 2, kOutfitFeet);
    body.Put(static_cast<int>(head.x) - 1, static_cast<int>(head.y), 0xE8202A);
    body.Put(static_cast<int>(head.x) + 1, static_cast<int>(head.y), 0xE8202A);
    body.Outline(0x101010);
    Canvas turned = body;
    if (f.patternX == kWest) {
        turned = body.FlippedHorizontally();
    } else if (f.patternX == kNorth) {
        turned = body.FlippedVertically();
    }
    GroundShadow(c, {16, 26}, 11, 2);
    c.Draw(turned, 0, 0);
}

void PaintGhost(Canvas& c, const Frame& f)
{
    const double lift = f.phase == 0 ? 0 : -2;
    AreaEllipse(c, {16, 9 + lift}, 7, 7, kOutfitHead);
    AreaPolygon(c, {{9, 10 + lift}, {23, 10 + lift}, {25, 24 + lift}, {7, 24 + lift}}, kOutfitBody);
    for (int k = 0; k < 4; ++k) {
        const double x = 8 + k * 5 + (f.phase == 0 ? 0 : 1.5);
        AreaPolygon(c, {{x, 23 + lift}, {x + 4, 23 + lift}, {x + 2, 29 + lift}}, kOutfitLegs);
    }
    // The wisp it trails, seen from every side.
    AreaEllipse(c, {16, 28 + lift}, 3, 1.5, kOutfitFeet);
    if (f.patternX != kNorth) {
        const int shift = f.patternX == kEast ? 2 : (f.patternX == kWest ? -2 : 0);
        AreaRect(c, 12 + shift, static_cast<int>(8 + lift), 2, 3, kOutfitFeet);
        AreaRect(c, 18 + shift, static_cast<int>(8 + lift), 2, 3, kOutfitFeet);
        c.FillRect(14 + shift, static_cast<int>(13 + lift), 4, 2, kDetail);
    }
    c.Outline(0x1A1A24);
    c.DitherEllipse({16, 30}, 7, 1.5, 0x14120E);
}

// A dragon of 2 x 2 cells, painted facing south (head down); the wings beat between the
// two phases.
void PaintDragon(Canvas& c, const Frame& f)
{
    Canvas body(64, 64);
    const double lift = f.phase == 0 ? 0 : 8;
    for (int side : {-1, 1}) {
        auto at = [side](double x, double y) { return Point{32 + side * x, y}; };
        const Point shoulder = at(7, 28);
        const std::vector<Point> tips = {at(30, 8 + lift), at(28, 22 + lift / 2), at(31, 34 + lift / 3)};
        AreaPolygon(body, {shoulder, tips[0], at(24, 18 + lift), tips[1], at(23, 31 + lift / 2), tips[2], at(10, 38)},
                    kOutfitLegs);
        for (const Point& tip : tips) {
            body.Line(static_cast<int>(shoulder.x), static_cast<int>(shoulder.y), static_cast<int>(tip.x),
                      static_cast<int>(tip.y), kDetail);
        }
    }
    Canvas tail(64, 64);
    tail.ThickLine({32, 24}, {30, 12}, 6, 0x010101);
    tail.ThickLine({30, 12}, {38, 3}, 3.5, 0x010101);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (tail.IsOpaque(x, y)) {
                body.PutExact(x, y, kOutfitBody);
            }
        }
    }
    AreaPolygon(body, {{38, 3}, {43, 1}, {40, 6}}, kOutfitHead);
    for (int sx : {-1, 1}) {
        for (int y : {26, 40}) {
            AreaRect(body, 32 + sx * 10 - 2, y, 5, 6, kOutfitBody);
            AreaRect(body, 32 + sx * 10 - 2, y + 6, 5, 2, kOutfitFeet);
        }
    }
    AreaEllipse(body, {32, 33}, 9, 13, kOutfitBody);
    AreaEllipse(body, {32, 35}, 4.5, 9, kOutfitFeet);
    for (int y = 29; y < 44; y += 3) {
        body.Line(29, y, 35, y, kDetail);
    }
    AreaEllipse(body, {32, 50}, 6, 5.5, kOutfitHead);
    AreaEllipse(body, {32, 55}, 3.8, 3.2, kOutfitHead);
    AreaPolygon(body, {{28, 47}, {23, 40}, {30, 45}}, kOutfitHead);
    AreaPolygon(body, {{36, 47}, {41, 40}, {34, 45}}, kOutfitHead);
    body.FillRect(28, 51, 2, 1, 0xF8D020);
    body.FillRect(35, 51, 2, 1, 0xF8D020);
    body.Put(31, 57, kDetail);
    body.Put(33, 57, kDetail);
    body.Outline(0x101010);
    Canvas turned = body;
    switch (f.patternX) {
    case kNorth:
        turned = body.FlippedVertically();
        break;
    case kEast:
        turned = body.Transposed();
        break;
    case kWest:
        turned = body.Transposed().FlippedHorizontally();
        break;
    default:
        break;
    }
    GroundShadow(c, {34, 60}, 22, 3);
    c.Draw(turned, 0, 0);
}

}  // namespace

void AddCreatures(CatalogBuilder& builder)
{
    using F = const Frame&;
    auto humanoid = [&builder](const char* name, Humanoid h) {
        builder.AddOutfit({name, 1, 1, 1, [h](Canvas& c, F f, Random&) { PaintHumanoid(c, f, h); }});
    };
    humanoid("citizen", {0xE8B890, Headgear::Hair, Held::Nothing, false, false});
    humanoid("knight", {0xE8B890, Headgear::Helmet, Held::SwordAndShield, false, false});
    humanoid("mage", {0xE0B088, Headgear::Hat, Held::Staff, false, true});
    humanoid("archer", {0xD8A880, Headgear::Hood, Held::Bow, false, false});
    humanoid("orc", {0x6E8A3A, Headgear::Topknot, Held::Club, true, false});
    humanoid("skeleton", {0xE8E2D0, Headgear::Skull, Held::Nothing, false, false});
    humanoid("troll", {0x7A8A7A, Headgear::Hair, Held::Club, true, false});
    builder.AddOutfit({"rat", 1, 1, 1, [](Canvas& c, F f, Random&) { PaintBeast(c, f, 0.6, false); }});
    builder.AddOutfit({"wolf", 1, 1, 1, [](Canvas& c, F f, Random&) { PaintBeast(c, f, 0.95, true); }});
    builder.AddOutfit({"spider", 1, 1, 1, [](Canvas& c, F f, Random&) { PaintSpider(c, f); }});
    builder.AddOutfit({"ghost", 1, 1, 2, [](Canvas& c, F f, Random&) { PaintGhost(c, f); }});
    builder.AddOutfit({"dragon", 2, 2, 2, [](Canvas& c, F f, Random&) { PaintDragon(c, f); }});

    // Outfit colours index the renderer's table of 133 colours.
    auto creature = [&builder](const char* name, const char* outfit, int head, int body, int legs, int feet,
                               bool monster) {
        builder.AddCreature({name, builder.LookType(outfit), head, body, legs, feet, monster});
    };
    creature("Rat", "rat", 57, 95, 115, 17, true);
    creature("Cave Rat", "rat", 95, 114, 115, 17, true);
    creature("Wolf", "wolf", 57, 95, 95, 57, true);
    creature("Winter Wolf", "wolf", 0, 19, 19, 0, true);
    creature("Giant Spider", "spider", 114, 115, 114, 96, true);
    creature("Poison Spider", "spider", 101, 120, 101, 80, true);
    creature("Orc", "orc", 114, 115, 116, 115, true);
    creature("Orc Warrior", "orc", 114, 113, 115, 95, true);
    creature("Skeleton", "skeleton", 115, 76, 115, 114, true);
    creature("Ghost", "ghost", 0, 0, 19, 89, true);
    creature("Troll", "troll", 57, 116, 115, 114, true);
    creature("Dragon", "dragon", 100, 101, 120, 98, true);
    creature("Fire Dragon", "dragon", 96, 113, 96, 97, true);
    creature("Bandit", "citizen", 114, 95, 114, 95, true);
    creature("Dark Mage", "mage", 114, 110, 114, 114, true);
    creature("Guard", "knight", 87, 106, 106, 114, false);
    creature("Merchant", "citizen", 78, 100, 115, 115, false);
    creature("Priest", "mage", 0, 0, 19, 115, false);
    creature("Hunter", "archer", 101, 101, 115, 115, false);
}

}  // namespace tessark::gendata

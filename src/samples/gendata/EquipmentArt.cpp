// Weapons, armor, keys, runes, jewellery and tools: things a character carries, lying on the
// floor.
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

constexpr Color kSteel = 0xB8BCC6;
constexpr Color kIron = 0x7A7E88;
constexpr Color kGold = 0xE0B040;
constexpr Color kLeather = 0x8A5A30;
constexpr Color kHaft = 0x7A5230;

// Blades lie from the bottom left (grip) to the top right (point).
void PaintBlade(Canvas& c, double length, double width, Color blade, Color guard, bool curved)
{
    const Point hilt{9, 23};
    const double dx = 0.7071;
    const double dy = -0.7071;
    const Point tip{hilt.x + dx * length, hilt.y + dy * length};
    if (curved) {
        Arc(c, {hilt.x + 18, hilt.y + 4}, 18, 22, 0.29, 0.5, width, blade);
    } else {
        c.ThickLine(hilt, tip, width, blade);
        c.ThickLine({hilt.x + 1, hilt.y - 1}, {tip.x - 1, tip.y + 1}, 0.8, Lighten(blade, 110));
    }
    c.ThickLine({hilt.x - 3, hilt.y - 3}, {hilt.x + 3, hilt.y + 3}, 2.2, guard);
    c.ThickLine(hilt, {hilt.x - 5, hilt.y + 5}, 2, kLeather);
    c.Disc({hilt.x - 6, hilt.y + 6}, 1.6, guard);
    FinishObject(c, 0x141418, 40, 40);
}

void PaintAxe(Canvas& c, bool battle, bool halberd)
{
    const double length = halberd ? 30 : 22;
    c.ThickLine({5, 27}, {5 + length * 0.72, 27 - length * 0.72}, 2, kHaft);
    const Point head{5 + length * 0.6, 27 - length * 0.6};
    c.Polygon({{head.x - 2, head.y - 2}, {head.x + 4, head.y - 9}, {head.x + 7, head.y - 3}, {head.x + 2, head.y + 2}},
              kSteel);
    if (battle) {
        c.Polygon({{head.x - 2, head.y - 2}, {head.x - 9, head.y - 5}, {head.x - 6, head.y - 10}, {head.x, head.y - 4}},
                  kSteel);
    }
    if (halberd) {
        c.ThickLine({head.x + 3, head.y - 3}, {head.x + 6, head.y - 7}, 1.5, kSteel);
    }
    c.Line(static_cast<int>(head.x + 4), static_cast<int>(head.y - 8), static_cast<int>(head.x + 6),
           static_cast<int>(head.y - 3), 0xF0F4FA);
    FinishObject(c, 0x141418, 40, 40);
}

void PaintClub(Canvas& c, int kind)
{
    c.ThickLine({6, 27}, {19, 13}, 2.2, kHaft);
    if (kind == 0) {
        c.ThickLine({17, 15}, {25, 6}, 5, 0x8A6234);
        c.Disc({24, 7}, 3.4, 0x9A7040);
    } else if (kind == 1) {
        c.Disc({22, 10}, 5, kIron);
        for (int k = 0; k < 6; ++k) {
            const double a = k / 6.0;
            c.Put(static_cast<int>(22 + CosTurns(a) * 6), static_cast<int>(10 + SinTurns(a) * 6), kSteel);
        }
    } else if (kind == 2) {
        c.Line(19, 13, 22, 10, 0x4A4A52);
        c.Disc({24, 8}, 4, kIron);
        for (int k = 0; k < 8; ++k) {
            const double a = k / 8.0;
            c.Line(static_cast<int>(24 + CosTurns(a) * 3), static_cast<int>(8 + SinTurns(a) * 3),
                   static_cast<int>(24 + CosTurns(a) * 6.5), static_cast<int>(8 + SinTurns(a) * 6.5), kSteel);
        }
    } else {
        c.Polygon({{14, 8}, {20, 2}, {29, 11}, {23, 17}}, kIron);
        c.Line(20, 3, 28, 11, kSteel);
    }
    FinishObject(c, 0x141418, 40, 40);
}

void PaintStaff(Canvas& c, Color gem, bool wand)
{
    if (wand) {
        c.ThickLine({8, 25}, {22, 11}, 2, 0x4A2A5A);
        c.Disc({23, 10}, 3, gem);
        c.Put(22, 9, Lighten(gem, 150));
    } else {
        c.ThickLine({3, 29}, {25, 7}, 2.4, kHaft);
        Arc(c, {26, 6}, 3.5, 3.5, 0.0, 1.0, 1.2, 0x9A7A4A);
        c.Disc({26, 6}, 2, gem);
    }
    FinishObject(c, 0x141418, 50, 40);
}

void PaintBow(Canvas& c, bool crossbow)
{
    if (crossbow) {
        // A stock with a short bow across its front and the string drawn back.
        c.ThickLine({6, 26}, {21, 11}, 3.2, kHaft);
        c.ThickLine({13, 5}, {28, 19}, 2.4, 0x4A4A52);
        c.Line(13, 5, 17, 15, 0xE8E4DA);
        c.Line(28, 19, 17, 15, 0xE8E4DA);
        c.FillRect(10, 21, 2, 4, 0x3A3A40);
    } else {
        Arc(c, {8, 24}, 18, 18, 0.0, 0.25, 2.2, kHaft);
        c.Line(26, 24, 8, 6, 0xE8E4DA);
        c.FillRect(19, 9, 2, 3, kLeather);
    }
    FinishObject(c, 0x141418, 40, 40);
}

void PaintHelmet(Canvas& c, Color metal, int kind)
{
    GroundShadow(c, {16, 26}, 9, 2);
    c.Ellipse({16, 16}, 9, 9, metal);
    c.FillRect(7, 16, 19, 8, metal);
    c.FillRect(7, 22, 19, 2, Darken(metal, 60));
    if (kind == 1) {
        c.FillRect(15, 12, 3, 11, Darken(metal, 90));  // nose guard and slit
        c.FillRect(9, 17, 15, 1, 0x141414);
    } else if (kind == 2) {
        c.Polygon({{8, 12}, {2, 4}, {6, 12}}, 0xE8DCC0);
        c.Polygon({{25, 12}, {31, 4}, {27, 12}}, 0xE8DCC0);
    } else if (kind == 3) {
        c.FillRect(14, 3, 5, 6, 0xC82A2A);
    }
    c.Ellipse({13, 12}, 3, 2, Lighten(metal, 80));
    FinishObject(c, 0x141418, 30, 30);
}

void PaintArmor(Canvas& c, Color body, Color trim, int kind)
{
    GroundShadow(c, {16, 28}, 11, 2);
    c.Polygon({{8, 6}, {12, 4}, {21, 4}, {25, 6}, {29, 13}, {25, 15}, {24, 27}, {9, 27}, {8, 15}, {4, 13}}, body);
    c.Polygon({{13, 4}, {20, 4}, {16.5, 8}}, 0x141414);
    if (kind == 1) {
        for (int y = 8; y < 27; y += 2) {
            for (int x = 8 + (y % 4) / 2; x < 25; x += 2) {
                if (c.IsOpaque(x, y)) {
                    c.Put(x, y, Darken(body, 50));
                }
            }
        }
    } else if (kind == 2) {
        c.FillRect(9, 12, 15, 1, Darken(body, 70));
        c.FillRect(9, 18, 15, 1, Darken(body, 70));
        c.FillRect(16, 8, 1, 19, Lighten(body, 60));
    } else if (kind == 3) {
        c.FillRect(15, 8, 3, 19, trim);
        c.Polygon({{9, 27}, {24, 27}, {27, 30}, {6, 30}}, body);
    }
    c.FillRect(9, 25, 15, 2, trim);
    FinishObject(c, 0x141418, 40, 40);
}

void PaintLegs(Canvas& c, Color cloth, int kind)
{
    GroundShadow(c, {16, 29}, 9, 2);
    c.FillRect(9, 4, 15, 5, cloth);
    c.Polygon({{9, 8}, {16, 8}, {15, 28}, {9, 28}}, cloth);
    c.Polygon({{17, 8}, {24, 8}, {24, 28}, {18, 28}}, cloth);
    c.FillRect(9, 4, 15, 2, Darken(cloth, 70));
    if (kind == 1) {
        for (int y = 10; y < 28; y += 2) {
            c.Line(9, y, 24, y, Darken(cloth, 45));
        }
    } else if (kind == 2) {
        c.FillRect(10, 15, 5, 3, Lighten(cloth, 60));
        c.FillRect(18, 15, 5, 3, Lighten(cloth, 60));
    }
    FinishObject(c, 0x141418, 40, 40);
}

void PaintBoots(Canvas& c, Color leather, bool iron)
{
    GroundShadow(c, {16, 28}, 11, 2);
    for (int x : {6, 17}) {
        c.FillRect(x, 8, 7, 14, leather);
        c.Ellipse({x + 5.0, 24}, 5, 3, leather);
        c.FillRect(x, 8, 7, 2, Lighten(leather, 50));
        if (iron) {
            c.FillRect(x, 14, 7, 2, 0x4A4A52);
        }
    }
    FinishObject(c, 0x141418, 40, 40);
}

void PaintShield(Canvas& c, int kind)
{
    GroundShadow(c, {16, 28}, 10, 2);
    switch (kind) {
    case 0:
        c.Disc({16, 15}, 11, 0x9A6A3A);
        for (int x = 7; x < 26; x += 4) {
            c.Line(x, 5, x, 25, 0x6A4220);
        }
        c.EllipseRing({16, 15}, 11, 11, 1.5, 0x5A5A62);
        break;
    case 1:
        c.Disc({16, 15}, 11, 0xA8402E);
        c.EllipseRing({16, 15}, 11, 11, 2, kIron);
        c.Disc({16, 15}, 3, kSteel);
        for (int k = 0; k < 8; ++k) {
            c.Put(static_cast<int>(16 + CosTurns(k / 8.0) * 7.5), static_cast<int>(15 + SinTurns(k / 8.0) * 7.5), kSteel);
        }
        break;
    case 2:
        c.FillRect(8, 2, 17, 26, 0x4E5A78);
        c.FrameRect(8, 2, 17, 26, kIron);
        c.FillRect(15, 4, 3, 22, kSteel);
        break;
    default:
        c.Polygon({{6, 4}, {27, 4}, {27, 14}, {16.5, 28}, {6, 14}}, kGold);
        c.Polygon({{10, 8}, {23, 8}, {23, 14}, {16.5, 23}, {10, 14}}, 0x8A2A8A);
        c.Disc({16.5, 13}, 2.5, kGold);
        break;
    }
    FinishObject(c, 0x141418, 40, 40);
}

void PaintKey(Canvas& c, Color metal, int bow)
{
    const Point head{9, 12};
    if (bow == 0) {
        Arc(c, head, 4.5, 4.5, 0.0, 1.0, 2, metal);
    } else if (bow == 1) {
        c.FrameRect(5, 8, 9, 9, metal);
        c.FrameRect(6, 9, 7, 7, metal);
    } else {
        for (int k = 0; k < 3; ++k) {
            c.Disc({head.x + CosTurns(k / 3.0 + 0.25) * 3.5, head.y - SinTurns(k / 3.0 + 0.25) * 3.5}, 2.6, metal);
        }
        c.Disc(head, 1.5, metal);
    }
    c.ThickLine({13, 15}, {26, 24}, 2, metal);
    c.ThickLine({22, 22}, {20, 26}, 1.6, metal);
    c.ThickLine({25, 24}, {23, 28}, 1.6, metal);
    FinishObject(c, 0x141418, 70, 50);
}

// A rune stone with its sign carved and glowing in the rune's colour.
void PaintRune(Canvas& c, Color glow, int sign)
{
    GroundShadow(c, {16, 27}, 9, 2);
    c.Polygon({{8, 6}, {24, 5}, {26, 24}, {7, 26}}, 0x8E887C);
    c.Polygon({{8, 6}, {24, 5}, {25, 8}, {8, 9}}, 0xAEA89C);
    const Color g = glow;
    switch (sign) {
    case 1:  // flame
        c.Ellipse({16, 18}, 4, 5, g);
        c.Polygon({{12, 17}, {16, 8}, {20, 17}}, g);
        c.Ellipse({16, 19}, 2, 3, Lighten(g, 120));
        break;
    case 2:  // snowflake
        for (int k = 0; k < 3; ++k) {
            const double a = k / 6.0;
            c.Line(static_cast<int>(16 + CosTurns(a) * 7), static_cast<int>(16 + SinTurns(a) * 7),
                   static_cast<int>(16 - CosTurns(a) * 7), static_cast<int>(16 - SinTurns(a) * 7), g);
        }
        break;
    case 3:  // lightning
        c.Polygon({{18, 8}, {12, 17}, {16, 17}, {13, 24}, {21, 14}, {17, 14}}, g);
        break;
    case 4:  // cross
        c.FillRect(14, 9, 4, 14, g);
        c.FillRect(10, 13, 12, 4, g);
        break;
    case 5:  // drop
        c.Disc({16, 18}, 4, g);
        c.Polygon({{12.5, 17}, {16, 9}, {19.5, 17}}, g);
        break;
    case 6:  // square of stone
        c.FrameRect(11, 11, 10, 10, g);
        c.FrameRect(12, 12, 8, 8, g);
        c.FillRect(15, 15, 2, 2, g);
        break;
    case 7:  // skull-like mark
        c.Disc({16, 14}, 4.5, g);
        c.FillRect(13, 17, 7, 4, g);
        c.Put(14, 14, 0x141414);
        c.Put(18, 14, 0x141414);
        break;
    default:
        break;
    }
    FinishObject(c, 0x1E1C18, 50, 50);
}

void PaintRing(Canvas& c, Color metal, Color stone)
{
    c.EllipseRing({16, 19}, 7, 5, 2, metal);
    if (stone != kClear) {
        c.Disc({16, 13}, 3, stone);
        c.Put(15, 12, Lighten(stone, 150));
    }
    FinishObject(c, 0x141418, 60, 40);
}

void PaintAmulet(Canvas& c, Color metal, Color stone)
{
    Arc(c, {16, 10}, 9, 7, 0.5, 1.0, 1, metal);
    c.Disc({16, 19}, 4.5, metal);
    c.Disc({16, 19}, 2.8, stone);
    FinishObject(c, 0x141418, 60, 40);
}

void PaintCrown(Canvas& c)
{
    GroundShadow(c, {16, 25}, 10, 2);
    c.Polygon({{6, 22}, {6, 10}, {11, 16}, {16, 7}, {21, 16}, {26, 10}, {26, 22}}, kGold);
    c.FillRect(6, 19, 21, 3, Darken(kGold, 40));
    c.Disc({16, 20}, 1.6, 0xD42A3A);
    c.Disc({10, 20}, 1.2, 0x2A5AD8);
    c.Disc({22, 20}, 1.2, 0x2AB85A);
    FinishObject(c, 0x2A1A08, 50, 40);
}

void PaintTool(Canvas& c, int kind)
{
    switch (kind) {
    case 0:  // shovel
        c.ThickLine({6, 6}, {20, 20}, 2, kHaft);
        c.FillRect(4, 4, 5, 2, kHaft);
        c.Polygon({{18, 18}, {24, 16}, {28, 26}, {26, 28}, {16, 24}}, kIron);
        break;
    case 1:  // pick
        c.ThickLine({8, 28}, {20, 10}, 2, kHaft);
        Arc(c, {20, 18}, 12, 10, 0.15, 0.45, 2.4, kIron);
        break;
    case 2:  // rope
        for (int ring = 0; ring < 4; ++ring) {
            Arc(c, {16, 17}, 10 - ring * 2.2, 7 - ring * 1.5, 0.0, 1.0, 1.6, ring % 2 ? 0xC8A46A : 0xB08A52);
        }
        c.ThickLine({24, 20}, {29, 27}, 1.6, 0xC8A46A);
        break;
    case 3:  // fishing rod
        c.ThickLine({4, 28}, {27, 5}, 1.4, kHaft);
        c.Line(27, 5, 28, 18, 0xE8E8E8);
        c.Disc({8, 24}, 2, kIron);
        c.Disc({28, 19}, 1, 0xD42A2A);
        break;
    case 4:  // scythe
        c.ThickLine({8, 29}, {20, 5}, 2, kHaft);
        Arc(c, {10, 10}, 11, 6, 0.0, 0.35, 2.2, kSteel);
        break;
    case 5:  // hammer
        c.ThickLine({8, 26}, {19, 13}, 2, kHaft);
        c.Polygon({{14, 8}, {19, 4}, {27, 12}, {22, 16}}, kIron);
        break;
    case 6:  // saw
        c.Polygon({{6, 14}, {28, 10}, {28, 16}, {6, 20}}, kSteel);
        for (int x = 7; x < 28; x += 2) {
            c.Put(x, 20 - (x - 6) / 5, 0x5A5A62);
        }
        c.FillRect(2, 12, 5, 8, kHaft);
        break;
    default:  // watch
        c.Disc({16, 17}, 7, kGold);
        c.Disc({16, 17}, 5.5, 0xF4F0E4);
        c.Line(16, 17, 16, 13, 0x141414);
        c.Line(16, 17, 19, 17, 0x141414);
        c.FillRect(15, 8, 3, 3, kGold);
        break;
    }
    FinishObject(c, 0x141418, 50, 40);
}

}  // namespace

void AddEquipment(CatalogBuilder& builder)
{
    using F = const Frame&;
    struct WeaponSpec {
        const char* name;
        int attack;
        int defence;
        double weight;
        Painter paint;
    };
    const WeaponSpec weapons[] = {
        {"dagger", 8, 6, 8.8, [](Canvas& c, F, Random&) { PaintBlade(c, 11, 2.2, kSteel, kIron, false); }},
        {"short sword", 12, 10, 35.0, [](Canvas& c, F, Random&) { PaintBlade(c, 16, 2.4, kSteel, kIron, false); }},
        {"long sword", 17, 14, 42.0, [](Canvas& c, F, Random&) { PaintBlade(c, 22, 2.6, kSteel, kGold, false); }},
        {"broadsword", 21, 15, 60.0, [](Canvas& c, F, Random&) { PaintBlade(c, 21, 4, 0xA8ACB6, kIron, false); }},
        {"sabre", 14, 12, 25.0, [](Canvas& c, F, Random&) { PaintBlade(c, 20, 2.2, kSteel, kGold, true); }},
        {"fire sword", 24, 20, 23.0, [](Canvas& c, F, Random&) { PaintBlade(c, 22, 3, 0xE8641E, 0x3A3A40, false); }},
        {"axe", 12, 6, 40.0, [](Canvas& c, F, Random&) { PaintAxe(c, false, false); }},
        {"battle axe", 20, 10, 65.0, [](Canvas& c, F, Random&) { PaintAxe(c, true, false); }},
        {"halberd", 28, 10, 90.0, [](Canvas& c, F, Random&) { PaintAxe(c, false, true); }},
        {"club", 7, 7, 25.0, [](Canvas& c, F, Random&) { PaintClub(c, 0); }},
        {"mace", 16, 11, 38.0, [](Canvas& c, F, Random&) { PaintClub(c, 1); }},
        {"morning star", 22, 12, 54.0, [](Canvas& c, F, Random&) { PaintClub(c, 2); }},
        {"war hammer", 24, 10, 85.0, [](Canvas& c, F, Random&) { PaintClub(c, 3); }},
        {"staff", 10, 12, 38.0, [](Canvas& c, F, Random&) { PaintStaff(c, 0x4AA8E8, false); }},
        {"magic wand", 0, 0, 8.5, [](Canvas& c, F, Random&) { PaintStaff(c, 0xE84AC8, true); }},
        {"bow", 0, 0, 31.0, [](Canvas& c, F, Random&) { PaintBow(c, false); }},
        {"crossbow", 0, 0, 40.0, [](Canvas& c, F, Random&) { PaintBow(c, true); }},
    };
    for (const auto& design : weapons) {
        CatalogItem& item = builder.Add(Section::Equipment, design.name, design.paint);
        item.type.group = ItemGroup::Weapon;
        item.nodeGroup = ItemGroup::Weapon;
        item.type.attack = design.attack;
        item.type.defence = design.defence;
        MakePickupable(item, design.weight);
    }
    struct ArmorSpec {
        const char* name;
        int armor;
        int defence;
        double weight;
        Painter paint;
    };
    const ArmorSpec armors[] = {
        {"leather helmet", 1, 0, 22.0, [](Canvas& c, F, Random&) { PaintHelmet(c, 0x8A5A30, 0); }},
        {"iron helmet", 5, 0, 30.0, [](Canvas& c, F, Random&) { PaintHelmet(c, 0x8E929C, 1); }},
        {"horned helmet", 6, 0, 51.0, [](Canvas& c, F, Random&) { PaintHelmet(c, 0x6E727C, 2); }},
        {"golden helmet", 12, 0, 32.0, [](Canvas& c, F, Random&) { PaintHelmet(c, kGold, 3); }},
        {"leather armor", 4, 0, 60.0, [](Canvas& c, F, Random&) { PaintArmor(c, 0x8A5A30, 0x5A3A1E, 0); }},
        {"chain armor", 6, 0, 100.0, [](Canvas& c, F, Random&) { PaintArmor(c, 0x9A9EA8, 0x5A5E68, 1); }},
        {"plate armor", 10, 0, 120.0, [](Canvas& c, F, Random&) { PaintArmor(c, 0xB8BCC6, 0x6E727C, 2); }},
        {"mage robe", 2, 0, 25.0, [](Canvas& c, F, Random&) { PaintArmor(c, 0x3A3A9A, kGold, 3); }},
        {"leather legs", 1, 0, 18.0, [](Canvas& c, F, Random&) { PaintLegs(c, 0x8A5A30, 0); }},
        {"chain legs", 3, 0, 35.0, [](Canvas& c, F, Random&) { PaintLegs(c, 0x9A9EA8, 1); }},
        {"plate legs", 7, 0, 50.0, [](Canvas& c, F, Random&) { PaintLegs(c, 0xB8BCC6, 2); }},
        {"leather boots", 1, 0, 9.0, [](Canvas& c, F, Random&) { PaintBoots(c, 0x7A4A26, false); }},
        {"iron boots", 3, 0, 25.0, [](Canvas& c, F, Random&) { PaintBoots(c, 0x8E929C, true); }},
        {"wooden shield", 0, 14, 40.0, [](Canvas& c, F, Random&) { PaintShield(c, 0); }},
        {"studded shield", 0, 18, 55.0, [](Canvas& c, F, Random&) { PaintShield(c, 1); }},
        {"tower shield", 0, 30, 82.0, [](Canvas& c, F, Random&) { PaintShield(c, 2); }},
        {"royal shield", 0, 32, 70.0, [](Canvas& c, F, Random&) { PaintShield(c, 3); }},
    };
    for (const auto& design : armors) {
        CatalogItem& item = builder.Add(Section::Equipment, design.name, design.paint);
        item.type.group = ItemGroup::Armor;
        item.nodeGroup = ItemGroup::Armor;
        item.type.armor = design.armor;
        item.type.defence = design.defence;
        MakePickupable(item, design.weight);
    }
    const struct {
        const char* name;
        Color metal;
        int bow;
    } keys[] = {
        {"copper key", 0xC8783A, 0}, {"silver key", 0xC8CCD4, 1}, {"golden key", kGold, 2},
        {"iron key", 0x6E727C, 1},   {"bone key", 0xE8E0CC, 0},   {"crystal key", 0x9AE0F0, 2},
    };
    for (const auto& key : keys) {
        const Color metal = key.metal;
        const int bow = key.bow;
        CatalogItem& item = builder.Add(Section::Equipment, key.name,
                                        [metal, bow](Canvas& c, F, Random&) { PaintKey(c, metal, bow); });
        item.type.group = ItemGroup::Key;
        item.nodeGroup = ItemGroup::Key;
        MakePickupable(item, 1.0);
    }
    const struct {
        const char* name;
        Color glow;
        int level;
    } runes[] = {
        {"blank rune", 0, 0},       {"fire rune", 0xF0641E, 6},   {"ice rune", 0x8ADCF8, 8},
        {"energy rune", 0xF8E040, 10}, {"healing rune", 0xF4F4F4, 4}, {"poison rune", 0x6AD83A, 5},
        {"stone rune", 0xB88A52, 9},   {"death rune", 0xA83AD8, 25},
    };
    for (int sign = 0; sign < 8; ++sign) {
        const Color glow = runes[sign].glow;
        CatalogItem& item = builder.Add(Section::Equipment, runes[sign].name,
                                        [glow, sign](Canvas& c, F, Random&) { PaintRune(c, glow, sign); });
        item.type.group = ItemGroup::Rune;
        item.nodeGroup = ItemGroup::Rune;
        item.type.magicLevel = runes[sign].level;
        MakePickupable(item, 1.2);
    }
    const struct {
        const char* name;
        Painter paint;
    } jewels[] = {
        {"gold ring", [](Canvas& c, F, Random&) { PaintRing(c, kGold, kClear); }},
        {"ruby ring", [](Canvas& c, F, Random&) { PaintRing(c, 0xC8CCD4, 0xD42A3A); }},
        {"silver amulet", [](Canvas& c, F, Random&) { PaintAmulet(c, 0xC8CCD4, 0x2A5AD8); }},
        {"golden amulet", [](Canvas& c, F, Random&) { PaintAmulet(c, kGold, 0x2AB85A); }},
        {"crown", [](Canvas& c, F, Random&) { PaintCrown(c); }},
    };
    for (const auto& jewel : jewels) {
        CatalogItem& item = builder.Add(Section::Equipment, jewel.name, jewel.paint);
        MakePickupable(item, 4.0);
    }
    const char* tools[] = {"shovel", "pick", "rope", "fishing rod", "scythe", "hammer", "saw", "pocket watch"};
    for (int kind = 0; kind < 8; ++kind) {
        CatalogItem& item =
            builder.Add(Section::Equipment, tools[kind], [kind](Canvas& c, F, Random&) { PaintTool(c, kind); });
        MakePickupable(item, kind == 7 ? 1.0 : 20.0);
        item.type.useable = true;
    }
}

}  // namespace tessark::gendata

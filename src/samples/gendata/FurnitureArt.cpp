// Furniture, household things, statues, graves and signs, seen from above with their south
// face showing.
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

constexpr Color kWood = 0x9A6A3A;
constexpr Color kDarkWood = 0x6A4222;
constexpr Color kStone = 0x9A968E;

// A block seen from above: its top, and its south face below it.
void Box(Canvas& c, int x, int y, int w, int h, int depth, Color top)
{
    c.FillRect(x, y, w, h, top);
    c.FillRect(x, y + h, w, depth, Darken(top, 70));
    c.FillRect(x, y + h + depth - 1, w, 1, Darken(top, 120));
}

void WoodGrain(Canvas& c, int x, int y, int w, int h)
{
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (c.IsOpaque(i, j) && (Hash(static_cast<uint32_t>(j), static_cast<uint32_t>(i / 4)) % 5 == 0)) {
                c.Put(i, j, Darken(c.Get(i, j), 30));
            }
        }
    }
}

void PaintTable(Canvas& c, Random&, int width, Color wood, bool cloth)
{
    const int w = width - 6;
    GroundShadow(c, {width / 2.0, 27}, w / 2.0 + 2, 3);
    c.FillRect(4, 18, 2, 9, Darken(wood, 80));
    c.FillRect(width - 6, 18, 2, 9, Darken(wood, 80));
    Box(c, 3, 8, w, 10, 3, wood);
    WoodGrain(c, 3, 8, w, 10);
    if (cloth) {
        c.FillRect(3 + w / 4, 8, w / 2, 13, 0xE8E4D8);
        c.FillRect(3 + w / 4, 19, w / 2, 2, 0xC8C4B8);
    }
    FinishObject(c);
}

void PaintRoundTable(Canvas& c, Random&)
{
    GroundShadow(c, {16, 27}, 10, 3);
    c.FillRect(15, 18, 3, 9, kDarkWood);
    c.Ellipse({16, 16}, 11, 5, Darken(kWood, 80));
    c.Ellipse({16, 14}, 11, 5, kWood);
    c.Ellipse({13, 13}, 5, 2, Lighten(kWood, 30));
    FinishObject(c);
}

// Facing: 0 north, 1 east, 2 south, 3 west: the way someone sitting on it looks.
void PaintChair(Canvas& c, int facing, Color wood)
{
    GroundShadow(c, {16, 27}, 8, 2);
    c.FillRect(10, 21, 2, 6, Darken(wood, 90));
    c.FillRect(20, 21, 2, 6, Darken(wood, 90));
    Box(c, 9, 14, 14, 7, 2, wood);
    switch (facing) {
    case 0:
        Box(c, 9, 20, 14, 3, 4, Darken(wood, 20));
        break;
    case 1:
        Box(c, 8, 4, 3, 17, 3, Darken(wood, 20));
        break;
    case 2:
        Box(c, 9, 3, 14, 11, 2, Darken(wood, 10));
        c.FillRect(12, 5, 8, 1, Darken(wood, 60));
        c.FillRect(12, 8, 8, 1, Darken(wood, 60));
        break;
    default:
        Box(c, 21, 4, 3, 17, 3, Darken(wood, 20));
        break;
    }
    FinishObject(c);
}

void PaintBench(Canvas& c, Random&)
{
    GroundShadow(c, {32, 26}, 27, 3);
    for (int x : {6, 29, 55}) {
        c.FillRect(x, 18, 3, 8, kDarkWood);
    }
    Box(c, 4, 12, 56, 6, 3, kWood);
    WoodGrain(c, 4, 12, 56, 6);
    FinishObject(c);
}

void PaintThrone(Canvas& c)
{
    GroundShadow(c, {16, 28}, 11, 3);
    Box(c, 7, 2, 18, 13, 2, 0x8A1E22);
    c.FillRect(7, 2, 18, 2, 0xE0B040);
    c.FillRect(15, 0, 2, 3, 0xE0B040);
    Box(c, 5, 14, 4, 10, 3, 0xC8982E);
    Box(c, 23, 14, 4, 10, 3, 0xC8982E);
    Box(c, 9, 15, 14, 8, 4, 0xA82A2E);
    FinishObject(c);
}

void PaintBed(Canvas& c, Color blanket)
{
    // 32 x 64: the head at the top.
    GroundShadow(c, {16, 61}, 13, 3);
    Box(c, 4, 2, 24, 56, 4, kDarkWood);
    c.FillRect(6, 6, 20, 10, 0xF0ECE0);
    c.FillRect(7, 7, 18, 1, 0xFFFFFF);
    c.FillRect(6, 18, 20, 38, blanket);
    c.FillRect(6, 18, 20, 2, Lighten(blanket, 60));
    for (int y = 24; y < 56; y += 6) {
        c.FillRect(6, y, 20, 1, Darken(blanket, 40));
    }
    FinishObject(c);
}

void PaintCupboard(Canvas& c, Random& r, int kind)
{
    GroundShadow(c, {16, 28}, 12, 2);
    Box(c, 4, 2, 24, 6, 19, kDarkWood);
    if (kind == 0) {
        // Wardrobe: two doors.
        c.FillRect(15, 9, 1, 17, 0x3A2412);
        c.Put(13, 17, 0xE0B848);
        c.Put(18, 17, 0xE0B848);
    } else if (kind == 1) {
        // Bookcase: shelves of coloured books.
        for (int shelf = 0; shelf < 3; ++shelf) {
            const int y = 9 + shelf * 6;
            c.FillRect(5, y + 5, 22, 1, 0x3A2412);
            for (int x = 6; x < 26; x += 2) {
                const Color book = Rgb(r.Range(60, 200), r.Range(30, 120), r.Range(30, 140));
                c.FillRect(x, y + r.Range(0, 1), 2, 5, book);
            }
        }
    } else {
        // Chest of drawers.
        for (int d = 0; d < 3; ++d) {
            c.FillRect(5, 10 + d * 5, 22, 1, 0x3A2412);
            c.FillRect(14, 12 + d * 5, 4, 1, 0xE0B848);
        }
    }
    FinishObject(c);
}

void PaintBarrel(Canvas& c, Random&, bool water)
{
    GroundShadow(c, {16, 28}, 10, 3);
    c.FillRect(7, 11, 18, 15, 0x8A5A2E);
    c.Ellipse({16, 26}, 9, 2.5, 0x8A5A2E);
    for (int x = 9; x < 24; x += 4) {
        c.FillRect(x, 11, 1, 15, 0x6A4020);
    }
    c.FillRect(7, 14, 18, 2, 0x4A4A50);
    c.FillRect(7, 22, 18, 2, 0x4A4A50);
    c.Ellipse({16, 10}, 9, 3.5, 0x7A4E26);
    c.Ellipse({16, 10}, 7, 2.5, water ? Color{0x3A6AA8} : Color{0xA67A46});
    FinishObject(c);
}

void PaintCrates(Canvas& c)
{
    GroundShadow(c, {16, 29}, 13, 2);
    auto crate = [&c](int x, int y, int s) {
        Box(c, x, y, s, s - 4, 5, 0xB08A52);
        c.FrameRect(x, y, s, s - 4, 0x6A4A26);
        c.Line(x, y, x + s - 1, y + s - 5, 0x7A5A30);
    };
    crate(3, 13, 14);
    crate(16, 14, 13);
    crate(9, 2, 13);
    FinishObject(c);
}

void PaintVase(Canvas& c, Color glaze, bool amphora)
{
    GroundShadow(c, {16, 28}, 7, 2);
    if (amphora) {
        c.Ellipse({16, 19}, 7, 8, glaze);
        c.FillRect(13, 5, 7, 7, glaze);
        c.Ellipse({9, 11}, 2, 3, Darken(glaze, 40));
        c.Ellipse({23, 11}, 2, 3, Darken(glaze, 40));
        c.FillRect(12, 4, 9, 2, Lighten(glaze, 30));
        c.FillRect(10, 18, 13, 2, 0x2A1A10);
    } else {
        c.Ellipse({16, 20}, 6, 7, glaze);
        c.FillRect(14, 8, 5, 7, glaze);
        c.Ellipse({16, 8}, 4, 1.5, Darken(glaze, 80));
        c.FillRect(11, 20, 11, 1, 0xF0E8C0);
    }
    FinishObject(c);
}

void PaintPottedPlant(Canvas& c, Random& r)
{
    GroundShadow(c, {16, 28}, 7, 2);
    c.Polygon({{10, 19}, {23, 19}, {21, 28}, {12, 28}}, 0xB0582E);
    c.FillRect(9, 18, 15, 2, 0xC8683A);
    for (int k = 0; k < 9; ++k) {
        const double a = 0.08 + k * 0.042 + r.Below(20) / 1000.0;
        c.ThickLine({16, 18}, {16 + CosTurns(a) * 12, 18 - SinTurns(a) * 14}, 2.2, k % 2 ? 0x3E8A34 : 0x5AA83E);
    }
    FinishObject(c);
}

void PaintCandlestick(Canvas& c, const Frame& f)
{
    GroundShadow(c, {16, 28}, 6, 2);
    c.Ellipse({16, 27}, 5, 1.6, 0xC89A3A);
    c.FillRect(15, 15, 3, 12, 0xD8AA44);
    c.FillRect(14, 12, 5, 9, 0xF4EEDC);
    c.Ellipse({16.5, 8.5 - f.phase}, 2, 3 + f.phase * 0.6, 0xFFA030);
    c.Ellipse({16.5, 9.0 - f.phase}, 0.9, 1.6, 0xFFF2B0);
    FinishObject(c, 0x1A1410, 40, 40);
}

void PaintBrazier(Canvas& c, const Frame& f, Random& r)
{
    GroundShadow(c, {16, 28}, 9, 2);
    c.Line(9, 27, 13, 17, 0x3A3A40);
    c.Line(23, 27, 19, 17, 0x3A3A40);
    c.Line(16, 27, 16, 19, 0x3A3A40);
    c.Ellipse({16, 16}, 9, 4, 0x4A4A52);
    Random flicker = SeededRandom::For(r.Next(), static_cast<uint64_t>(f.phase));
    for (int i = 0; i < 14; ++i) {
        const double x = 10 + flicker.Below(13);
        const double h = 3 + flicker.Below(7) + (i % 3);
        c.Ellipse({x, 13 - h / 2}, 1.8, h / 2 + 1, i % 3 == 0 ? 0xFFE27A : (i % 3 == 1 ? 0xFF9A2A : 0xE8501E));
    }
    c.Ellipse({16, 14}, 7, 2, 0xFFB040);
    FinishObject(c, 0x1A1410, 30, 30);
}

void PaintStreetLamp(Canvas& c, const Frame& f)
{
    GroundShadow(c, {16, 29}, 5, 2);
    c.FillRect(15, 9, 3, 20, 0x2E3034);
    c.FillRect(13, 27, 7, 2, 0x2E3034);
    c.Polygon({{10, 3}, {23, 3}, {21, 10}, {12, 10}}, 0x2E3034);
    c.FillRect(12, 4, 9, 5, f.phase == 0 ? Color{0xFFE890} : Color{0xFFD060});
    c.FillRect(16, 4, 1, 5, 0x2E3034);
    FinishObject(c, 0x101010, 40, 30);
}

void PaintStatue(Canvas& c, Random& r)
{
    // 32 x 64: a figure with a sword on a plinth.
    GroundShadow(c, {16, 62}, 12, 2);
    Box(c, 5, 46, 22, 10, 6, 0x8A867E);
    const Color marble = 0xC8C4BA;
    c.Ellipse({16, 12}, 4, 4.5, marble);
    c.Polygon({{10, 18}, {22, 18}, {23, 34}, {9, 34}}, marble);
    c.FillRect(10, 34, 5, 12, marble);
    c.FillRect(17, 34, 5, 12, marble);
    c.ThickLine({24, 16}, {24, 44}, 2, Lighten(marble, 30));
    c.FillRect(21, 20, 7, 2, marble);
    c.Ellipse({16, 8}, 4.5, 2.5, Darken(marble, 30));
    c.Recolor([&r](Color p) { return Jitter(p, r, 4); });
    FinishObject(c, 0x2A2824, 60, 50);
}

void PaintPillar(Canvas& c, bool broken)
{
    GroundShadow(c, {17, 29}, 11, 2);
    Box(c, 6, 24, 20, 2, 3, 0x8A867E);
    const int top = broken ? 12 : 2;
    for (int x = 8; x < 24; ++x) {
        const Color shade = Brighten(0xB8B4AA, (x < 12) ? 25 : (x > 20 ? -30 : 0));
        c.FillRect(x, top, 1, 24 - top, (x - 8) % 4 == 3 ? Darken(shade, 40) : shade);
    }
    if (broken) {
        c.Polygon({{8, 12}, {14, 9}, {19, 13}, {24, 10}, {24, 14}, {8, 14}}, 0xA8A49A);
        c.Ellipse({4, 27}, 3, 2, 0xA8A49A);
    } else {
        Box(c, 6, 1, 20, 3, 2, 0xC8C4BA);
    }
    FinishObject(c, 0x24221E, 50, 50);
}

void PaintFountain(Canvas& c, const Frame& f, Random& r)
{
    // 64 x 64, round basin with a jet.
    GroundShadow(c, {34, 58}, 28, 5);
    c.Ellipse({33, 44}, 29, 15, 0x8A867E);
    c.Ellipse({33, 40}, 29, 15, 0xB0ACA2);
    c.Ellipse({33, 40}, 25, 12, 0x2C6AB0);
    Random ripple = SeededRandom::For(r.Next(), static_cast<uint64_t>(f.phase));
    for (int i = 0; i < 20; ++i) {
        const int x = ripple.Range(12, 54);
        const int y = ripple.Range(32, 48);
        if (c.Get(x, y) == 0x2C6AB0) {
            c.Line(x, y, x + 2, y, 0x7AB0E4);
        }
    }
    c.FillRect(29, 18, 8, 22, 0xB0ACA2);
    c.Ellipse({33, 18}, 8, 3, 0xC8C4BA);
    const int height = 6 + f.phase * 3;
    c.ThickLine({33, 17}, {33, 17.0 - height}, 2.5, 0xB8DCF4);
    for (int side : {-1, 1}) {
        for (int k = 0; k < 6; ++k) {
            c.Put(33 + side * (3 + k + f.phase), 17 - height + k * k / 2 + 2, 0xCCE8FA);
        }
    }
    c.Put(5, 6, 0xB0ACA2);  // a chip of stone keeps the upper left cell from standing empty
    FinishObject(c, 0x24221E, 40, 40);
}

void PaintWell(Canvas& c)
{
    GroundShadow(c, {16, 29}, 12, 2);
    c.Ellipse({16, 22}, 12, 6, 0x8A867E);
    c.Ellipse({16, 19}, 12, 6, 0xA8A49A);
    c.Ellipse({16, 19}, 8, 3.5, 0x14243A);
    c.FillRect(4, 4, 2, 16, kDarkWood);
    c.FillRect(26, 4, 2, 16, kDarkWood);
    c.Polygon({{2, 6}, {16, 0}, {30, 6}, {28, 8}, {4, 8}}, 0x8A3A26);
    c.Line(16, 8, 16, 16, 0xC8B080);
    c.FillRect(14, 15, 5, 3, 0x7A5A34);
    FinishObject(c);
}

void PaintAnvil(Canvas& c)
{
    GroundShadow(c, {16, 28}, 10, 2);
    c.FillRect(11, 20, 10, 7, 0x5A3A20);
    c.Polygon({{4, 12}, {24, 12}, {28, 14}, {24, 17}, {20, 17}, {20, 20}, {12, 20}, {12, 17}, {7, 17}}, 0x4A4C54);
    c.FillRect(7, 12, 17, 1, 0x8A8C94);
    FinishObject(c, 0x101012, 60, 40);
}

void PaintOven(Canvas& c, const Frame& f)
{
    GroundShadow(c, {16, 29}, 13, 2);
    Box(c, 4, 4, 24, 8, 16, 0x8A5A44);
    for (int y = 13; y < 28; y += 4) {
        for (int x = 4 + (y / 4 % 2) * 3; x < 28; x += 6) {
            c.FillRect(x, y, 1, 3, 0x5A3A2A);
        }
        c.FillRect(4, y + 3, 24, 1, 0x5A3A2A);
    }
    c.Ellipse({16, 22}, 6, 5, 0x1A0E0A);
    c.Ellipse({16, 24}, 4.5, 2.5, f.phase == 0 ? Color{0xFF8A20} : Color{0xFFC040});
    c.Ellipse({16, 25}, 2.5, 1.2, f.phase == 0 ? Color{0xFFE070} : Color{0xFF7A1A});
    c.FillRect(13, 2, 6, 3, 0x6A6A70);
    FinishObject(c);
}

void PaintAltar(Canvas& c)
{
    GroundShadow(c, {16, 28}, 13, 2);
    Box(c, 4, 10, 24, 8, 9, 0xD8D2C4);
    c.FillRect(4, 10, 24, 3, 0x6A2A8A);
    c.FillRect(4, 19, 24, 1, 0xC89A3A);
    c.FillRect(15, 3, 2, 8, 0xE0B040);
    c.FillRect(12, 5, 8, 2, 0xE0B040);
    FinishObject(c);
}

void PaintCoffin(Canvas& c)
{
    // 32 x 64, lying north to south.
    GroundShadow(c, {16, 60}, 11, 3);
    c.Polygon({{11, 4}, {21, 4}, {25, 16}, {22, 56}, {10, 56}, {7, 16}}, 0x5A3420);
    c.Polygon({{12, 6}, {20, 6}, {23, 16}, {20, 53}, {12, 53}, {9, 16}}, 0x7A4A2A);
    c.FillRect(15, 14, 2, 22, 0xC8A040);
    c.FillRect(11, 20, 10, 2, 0xC8A040);
    FinishObject(c);
}

void PaintGrave(Canvas& c, Random& r, bool cross)
{
    GroundShadow(c, {16, 29}, 10, 2);
    c.FillRect(8, 22, 16, 6, 0x5A4A30);
    if (cross) {
        c.FillRect(14, 4, 4, 20, 0x6A4A2A);
        c.FillRect(9, 9, 14, 4, 0x6A4A2A);
    } else {
        c.Ellipse({16, 10}, 8, 6, 0x8E8A82);
        c.FillRect(8, 10, 17, 13, 0x8E8A82);
        c.FillRect(13, 9, 7, 1, 0x4A4640);
        c.FillRect(12, 13, 9, 1, 0x4A4640);
        c.FillRect(12, 16, 9, 1, 0x4A4640);
    }
    Speckle(c, r, 12, 0x4E8A2E);
    FinishObject(c, 0x1E1C18, 50, 50);
}

void PaintBones(Canvas& c, bool skull)
{
    const Color bone = 0xE8E0CC;
    if (skull) {
        GroundShadow(c, {16, 26}, 8, 2);
        c.Ellipse({16, 16}, 7, 6.5, bone);
        c.FillRect(12, 20, 9, 5, bone);
        c.Ellipse({13, 16}, 1.8, 2, 0x1A1410);
        c.Ellipse({19.5, 16}, 1.8, 2, 0x1A1410);
        c.Put(16, 20, 0x1A1410);
        for (int x = 13; x < 21; x += 2) {
            c.Put(x, 24, 0x6A6050);
        }
    } else {
        c.ThickLine({6, 22}, {22, 14}, 2, bone);
        c.ThickLine({10, 12}, {26, 24}, 2, bone);
        c.ThickLine({8, 26}, {20, 27}, 2, bone);
        for (auto p : {Point{6, 22}, Point{22, 14}, Point{10, 12}, Point{26, 24}, Point{8, 26}, Point{20, 27}}) {
            c.Disc(p, 1.8, bone);
        }
    }
    FinishObject(c, 0x2A2418, 40, 50);
}

void PaintSign(Canvas& c, int kind)
{
    GroundShadow(c, {16, 29}, 7, 2);
    if (kind == 0) {
        // A board on a post.
        c.FillRect(15, 14, 3, 15, kDarkWood);
        Box(c, 5, 5, 22, 10, 2, 0xB88A52);
        for (int y = 8; y < 14; y += 3) {
            c.FillRect(8, y, 16, 1, 0x4A3018);
        }
    } else if (kind == 1) {
        // A signpost with arrows.
        c.FillRect(15, 4, 3, 25, kDarkWood);
        c.Polygon({{18, 6}, {28, 6}, {31, 9}, {28, 12}, {18, 12}}, 0xB88A52);
        c.Polygon({{14, 14}, {4, 14}, {1, 17}, {4, 20}, {14, 20}}, 0xA87A46);
    } else {
        // A sandstone tablet with carved signs.
        Box(c, 4, 6, 25, 16, 5, 0xCBB58A);
        for (int row = 0; row < 3; ++row) {
            for (int k = 0; k < 4; ++k) {
                const int x = 7 + k * 5;
                const int y = 8 + row * 5;
                c.Line(x, y, x + 2, y + 2, 0x7A6440);
                c.Line(x + 2, y, x + (k % 2) * 2, y + 2, 0x7A6440);
            }
        }
    }
    FinishObject(c);
}

void PaintNoticeBoard(Canvas& c, Random& r)
{
    // 64 x 32.
    GroundShadow(c, {32, 29}, 26, 2);
    c.FillRect(8, 18, 3, 11, kDarkWood);
    c.FillRect(53, 18, 3, 11, kDarkWood);
    Box(c, 4, 3, 56, 17, 2, 0xA87A46);
    for (int k = 0; k < 6; ++k) {
        const int x = 8 + k * 8 + r.Range(-1, 1);
        const int y = 5 + (k % 2) * 5;
        c.FillRect(x, y, 7, 8, 0xF0EAD8);
        c.FillRect(x + 1, y + 2, 5, 1, 0x6A6050);
        c.FillRect(x + 1, y + 4, 4, 1, 0x6A6050);
        c.Put(x + 3, y, 0xC82A2A);
    }
    FinishObject(c);
}

void PaintRug(Canvas& c, Random& r)
{
    c.Ellipse({16, 17}, 14, 10, 0xC8B89A);
    c.Ellipse({16, 17}, 11, 7.5, 0xA89878);
    c.Recolor([&r](Color p) { return Jitter(p, r, 10); });
    c.Ellipse({7, 9}, 3, 2, 0xC8B89A);
    c.Ellipse({25, 9}, 3, 2, 0xC8B89A);
    c.Outline(0x4A3E2A);
}

void PaintCage(Canvas& c)
{
    GroundShadow(c, {16, 29}, 11, 2);
    c.Ellipse({16, 27}, 11, 3, 0x5A5A62);
    for (int x = 6; x <= 26; x += 4) {
        c.FillRect(x, 6, 1, 21, 0x8A8C94);
    }
    c.Ellipse({16, 6}, 11, 3, 0x5A5A62);
    c.FillRect(15, 0, 2, 4, 0x5A5A62);
    c.Ellipse({15, 22}, 3, 2, 0xF0D040);
    c.Put(17, 21, 0xE07020);
    c.Outline(0x141416);
}

void PaintDummy(Canvas& c)
{
    GroundShadow(c, {16, 29}, 7, 2);
    c.FillRect(15, 14, 3, 15, kDarkWood);
    c.FillRect(6, 13, 21, 3, kDarkWood);
    c.Ellipse({16, 16}, 6, 7, 0xC8A46A);
    c.Ellipse({16, 6}, 4, 4, 0xD8B47A);
    c.FillRect(11, 12, 11, 1, 0x8A6A3A);
    c.FillRect(11, 19, 11, 1, 0x8A6A3A);
    c.Disc({16, 16}, 2, 0xC82A2A);
    FinishObject(c);
}

void PaintLadder(Canvas& c)
{
    GroundShadow(c, {16, 29}, 9, 2);
    c.FillRect(9, 1, 2, 28, kWood);
    c.FillRect(21, 1, 2, 28, kWood);
    for (int y = 4; y < 28; y += 5) {
        c.FillRect(11, y, 10, 2, Lighten(kWood, 20));
    }
    FinishObject(c);
}

void PaintHole(Canvas& c, bool stairs)
{
    if (stairs) {
        for (int step = 0; step < 6; ++step) {
            const Color s = Darken(kStone, 20 + step * 30);
            c.FillRect(3, 3 + step * 4, 26, 4, s);
            c.FillRect(3, 3 + step * 4, 26, 1, Lighten(s, 40));
        }
        c.FrameRect(2, 2, 28, 26, 0x4A4640);
    } else {
        c.Ellipse({16, 17}, 13, 11, 0x5A4430);
        c.Ellipse({16, 18}, 10, 8, 0x1A120C);
        c.Ellipse({16, 21}, 7, 4, 0x0A0604);
    }
}

void PaintCounter(Canvas& c, Random&)
{
    // 64 x 32 shop counter.
    Box(c, 2, 6, 60, 8, 14, 0x8A5A30);
    WoodGrain(c, 2, 6, 60, 8);
    for (int x = 10; x < 60; x += 12) {
        c.FillRect(x, 15, 1, 13, 0x4A2E16);
    }
    c.FillRect(40, 7, 8, 4, 0xE0C060);
    FinishObject(c);
}

struct FurnitureSpec {
    const char* name;
    uint8_t width;
    uint8_t height;
    uint8_t phases;
    bool blocking;
    bool hasHeight;
    Painter paint;
};

}  // namespace

void AddFurniture(CatalogBuilder& builder)
{
    using F = const Frame&;
    std::vector<FurnitureSpec> specs = {
        {"wooden table", 1, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintTable(c, r, 32, kWood, false); }},
        {"dark table", 1, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintTable(c, r, 32, kDarkWood, false); }},
        {"long table", 2, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintTable(c, r, 64, kWood, false); }},
        {"banquet table", 2, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintTable(c, r, 64, kDarkWood, true); }},
        {"round table", 1, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintRoundTable(c, r); }},
        {"shop counter", 2, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintCounter(c, r); }},
        {"chair facing north", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintChair(c, 0, kWood); }},
        {"chair facing east", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintChair(c, 1, kWood); }},
        {"chair facing south", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintChair(c, 2, kWood); }},
        {"chair facing west", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintChair(c, 3, kWood); }},
        {"stool", 1, 1, 1, false, false,
         [](Canvas& c, F, Random&) {
             GroundShadow(c, {16, 27}, 7, 2);
             c.FillRect(11, 16, 2, 11, kDarkWood);
             c.FillRect(20, 16, 2, 11, kDarkWood);
             c.Ellipse({16.5, 16}, 7, 2.5, Darken(kWood, 70));
             c.Ellipse({16.5, 15}, 7, 2.5, kWood);
             FinishObject(c);
         }},
        {"bench", 2, 1, 1, false, true, [](Canvas& c, F, Random& r) { PaintBench(c, r); }},
        {"throne", 1, 1, 1, true, false, [](Canvas& c, F, Random&) { PaintThrone(c); }},
        {"bed", 1, 2, 1, true, false, [](Canvas& c, F, Random&) { PaintBed(c, 0x3A62A8); }},
        {"red bed", 1, 2, 1, true, false, [](Canvas& c, F, Random&) { PaintBed(c, 0xA8323A); }},
        {"wardrobe", 1, 1, 1, true, false, [](Canvas& c, F, Random& r) { PaintCupboard(c, r, 0); }},
        {"bookcase", 1, 1, 1, true, false, [](Canvas& c, F, Random& r) { PaintCupboard(c, r, 1); }},
        {"chest of drawers", 1, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintCupboard(c, r, 2); }},
        {"barrel", 1, 1, 1, true, true, [](Canvas& c, F, Random& r) { PaintBarrel(c, r, false); }},
        {"water barrel", 1, 1, 1, true, false, [](Canvas& c, F, Random& r) { PaintBarrel(c, r, true); }},
        {"stacked crates", 1, 1, 1, true, true, [](Canvas& c, F, Random&) { PaintCrates(c); }},
        {"vase", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintVase(c, 0x3A6AB0, false); }},
        {"amphora", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintVase(c, 0xB8683A, true); }},
        {"potted plant", 1, 1, 1, false, false, [](Canvas& c, F, Random& r) { PaintPottedPlant(c, r); }},
        {"candlestick", 1, 1, 2, false, false, [](Canvas& c, F f, Random&) { PaintCandlestick(c, f); }},
        {"brazier", 1, 1, 3, true, false, [](Canvas& c, F f, Random& r) { PaintBrazier(c, f, r); }},
        {"street lamp", 1, 1, 2, true, false, [](Canvas& c, F f, Random&) { PaintStreetLamp(c, f); }},
        {"knight statue", 1, 2, 1, true, false, [](Canvas& c, F, Random& r) { PaintStatue(c, r); }},
        {"stone pillar", 1, 1, 1, true, false, [](Canvas& c, F, Random&) { PaintPillar(c, false); }},
        {"broken pillar", 1, 1, 1, true, false, [](Canvas& c, F, Random&) { PaintPillar(c, true); }},
        {"fountain", 2, 2, 3, true, false, [](Canvas& c, F f, Random& r) { PaintFountain(c, f, r); }},
        {"well", 1, 1, 1, true, false, [](Canvas& c, F, Random&) { PaintWell(c); }},
        {"anvil", 1, 1, 1, true, true, [](Canvas& c, F, Random&) { PaintAnvil(c); }},
        {"oven", 1, 1, 2, true, false, [](Canvas& c, F f, Random&) { PaintOven(c, f); }},
        {"altar", 1, 1, 1, true, true, [](Canvas& c, F, Random&) { PaintAltar(c); }},
        {"coffin", 1, 2, 1, true, false, [](Canvas& c, F, Random&) { PaintCoffin(c); }},
        {"wooden cross", 1, 1, 1, true, false, [](Canvas& c, F, Random& r) { PaintGrave(c, r, true); }},
        {"skull", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintBones(c, true); }},
        {"bones", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintBones(c, false); }},
        {"fur rug", 1, 1, 1, false, false, [](Canvas& c, F, Random& r) { PaintRug(c, r); }},
        {"bird cage", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintCage(c); }},
        {"training dummy", 1, 1, 1, true, false, [](Canvas& c, F, Random&) { PaintDummy(c); }},
        {"ladder", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintLadder(c); }},
        {"stairs down", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintHole(c, true); }},
        {"hole", 1, 1, 1, false, false, [](Canvas& c, F, Random&) { PaintHole(c, false); }},
    };
    for (const auto& design : specs) {
        CatalogItem& item = builder.Add(Section::Decoration, design.name, design.paint);
        SetLayout(item, design.width, design.height, 1, 1, design.phases);
        item.type.hasHeight = design.hasHeight;
        if (design.blocking) {
            item.type.blocking = true;
            item.type.blockPath = true;
            item.type.moveable = !(design.width > 1 || design.height > 1);
        }
        if (design.phases > 1) {
            AddLight(item, 5, 206);
        }
        const std::string name = design.name;
        if (name == "stairs down" || name == "hole" || name == "ladder") {
            MakeFixed(item);
            item.type.minimapColor = MinimapColor(5, 5, 0);
            item.extraOptions.push_back(0x17);  // changes the floor in the game
        }
        if (name == "stairs down" || name == "hole") {
            MakeOnTop(item, 1);
        }
        if (name == "ladder") {
            MakeOnTop(item, 3);
        }
        if (design.width > 1 || design.height > 1) {
            item.extraOptions.insert(item.extraOptions.end(), {0x18, 8, 0, 8, 0});
        }
    }
    // Readable things a map maker writes texts on.
    const struct {
        const char* name;
        uint8_t width;
        Painter paint;
    } signs[] = {
        {"wooden sign", 1, [](Canvas& c, F, Random&) { PaintSign(c, 0); }},
        {"signpost", 1, [](Canvas& c, F, Random&) { PaintSign(c, 1); }},
        {"stone tablet", 1, [](Canvas& c, F, Random&) { PaintSign(c, 2); }},
        {"gravestone", 1, [](Canvas& c, F, Random& r) { PaintGrave(c, r, false); }},
        {"notice board", 2, [](Canvas& c, F, Random& r) { PaintNoticeBoard(c, r); }},
    };
    for (const auto& sign : signs) {
        CatalogItem& item = builder.Add(Section::Decoration, sign.name, sign.paint);
        SetLayout(item, sign.width, 1);
        MakeBlocking(item);
        item.type.blockProjectile = false;
        item.type.readable = true;
        item.extraOptions = {0x1D, 0x2A, 0x04};  // lens help, which the editor skips
    }
}

}  // namespace tessark::gendata

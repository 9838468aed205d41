// Trees, bushes, flowers, rocks and other plants.
//
// Big items stand on their bottom-right cell and reach up and to the left, so a tree's trunk
// grows out of the bottom-right quarter of its 64 x 64 picture.
#include <cstdlib>
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

// Leafy mass: overlapping blobs, lit from the top left, with a leaf grain.
void Foliage(Canvas& c, Random& r, Point centre, double rx, double ry, Color leaf, int blobs)
{
    Canvas mass(c.Width(), c.Height());
    for (int i = 0; i < blobs; ++i) {
        const double a = r.Below(1000) / 1000.0;
        const double d = 0.15 + 0.75 * (r.Below(1000) / 1000.0);
        const Point p{centre.x + CosTurns(a) * rx * d, centre.y + SinTurns(a) * ry * d};
        const double rad = 4.5 + r.Below(30) / 10.0;
        const double light = ((centre.x - p.x) / rx + (centre.y - p.y) / ry) * 0.5;
        const Color shade = Brighten(leaf, static_cast<int>(light * 40));
        mass.Disc({p.x + 1, p.y + 1}, rad, Darken(shade, 70));
        mass.Disc(p, rad, shade);
        mass.Disc({p.x - rad * 0.3, p.y - rad * 0.35}, rad * 0.45, Lighten(shade, 35));
    }
    mass.Ellipse(centre, rx * 0.75, ry * 0.7, Darken(leaf, 20));
    for (int i = 0; i < blobs / 2; ++i) {
        const double a = r.Below(1000) / 1000.0;
        const Point p{centre.x + CosTurns(a) * rx * 0.5, centre.y + SinTurns(a) * ry * 0.5};
        mass.Disc(p, 3.5, Brighten(leaf, static_cast<int>(((centre.x - p.x) + (centre.y - p.y)) * 1.5)));
    }
    mass.Recolor([&r](Color p) { return r.Chance(18) ? Darken(p, 60) : Jitter(p, r, 6); });
    mass.Outline(Darken(leaf, 180));
    c.Draw(mass, 0, 0);
}

void Trunk(Canvas& c, Point base, double width, double height, Color bark)
{
    c.Polygon({{base.x - width / 2 - 2, base.y}, {base.x - width / 2, base.y - height},
               {base.x + width / 2, base.y - height}, {base.x + width / 2 + 2, base.y}},
              bark);
    for (int y = static_cast<int>(base.y - height); y < static_cast<int>(base.y); y += 3) {
        c.Put(static_cast<int>(base.x - 1), y, Darken(bark, 60));
        c.Put(static_cast<int>(base.x + 1), y + 1, Darken(bark, 50));
    }
    c.FillRect(static_cast<int>(base.x - width / 2), static_cast<int>(base.y - height), 1, static_cast<int>(height),
               Lighten(bark, 40));
}

void PaintLeafTree(Canvas& c, Random& r, Color leaf, Color bark, Color fruit)
{
    GroundShadow(c, {44, 60}, 14, 4);
    Trunk(c, {45, 62}, 6, 26, bark);
    Foliage(c, r, {36, 26}, 25, 22, leaf, 26);
    if (fruit != kClear) {
        for (int i = 0; i < 14; ++i) {
            const double a = r.Below(1000) / 1000.0;
            const double d = r.Below(900) / 1000.0;
            const int x = static_cast<int>(36 + CosTurns(a) * 21 * d);
            const int y = static_cast<int>(26 + SinTurns(a) * 18 * d);
            c.FillRect(x, y, 2, 2, fruit);
            c.Put(x, y, Lighten(fruit, 120));
        }
    }
}

void PaintPine(Canvas& c, Random& r, bool snow)
{
    constexpr double kAxis = 39;
    GroundShadow(c, {kAxis, 61}, 12, 3);
    Trunk(c, {kAxis + 1, 63}, 5, 12, 0x5A3A20);
    const Color needle = 0x1E4E2C;
    for (int layer = 0; layer < 4; ++layer) {
        const double top = 1 + layer * 12;
        const double half = 11 + layer * 5;
        const double bottom = top + 20;
        Canvas tier(64, 64);
        tier.Polygon({{kAxis, top}, {kAxis + half, bottom}, {kAxis - half, bottom}}, needle);
        tier.Recolor([&](Color p) { return r.Chance(20) ? Lighten(p, 50) : (r.Chance(15) ? Darken(p, 50) : p); });
        for (int x = static_cast<int>(kAxis - half); x < kAxis + half; ++x) {
            tier.Put(x, static_cast<int>(bottom) - 1, Darken(needle, 80));
            if (snow && (x + layer) % 3 != 0) {
                tier.Put(x, static_cast<int>(bottom) - 3 - (x % 2), 0xF0F6FC);
            }
        }
        for (int y = static_cast<int>(top) + 2; y < bottom - 1; ++y) {
            tier.Put(static_cast<int>(kAxis) + 1, y, Lighten(needle, 25));
        }
        if (snow) {
            tier.Disc({kAxis, top + 3}, 2, 0xF4F8FC);
        }
        tier.Outline(0x0E2414);
        c.Draw(tier, 0, 0);
    }
}

void PaintPalm(Canvas& c, Random& r)
{
    GroundShadow(c, {46, 61}, 10, 3);
    const Point base{47, 62};
    const Point crown{34, 22};
    Point prev = base;
    for (int i = 1; i <= 12; ++i) {
        const double t = i / 12.0;
        const Point q{base.x + (crown.x - base.x) * t + 5 * t * (1 - t) * 4, base.y + (crown.y - base.y) * t};
        c.ThickLine(prev, q, 5.5 - t * 1.5, (i % 2) ? Color{0x8A6A3E} : Color{0x6E5230});
        prev = q;
    }
    for (int k = 0; k < 8; ++k) {
        const double a = k / 8.0 + 0.03 + r.Below(30) / 1000.0;
        const double length = 20 + r.Below(6);
        Point last = crown;
        for (int s = 1; s <= 8; ++s) {
            const double t = s / 8.0;
            const Point q{crown.x + CosTurns(a) * length * t, crown.y - SinTurns(a) * length * t * 0.55 + t * t * 9};
            const Color leaf = (k % 2) ? Color{0x3E8A2E} : Color{0x52A03A};
            c.ThickLine(last, q, 3.4 - t * 1.8, leaf);
            // Leaflets hang from each segment.
            c.Line(static_cast<int>(q.x), static_cast<int>(q.y), static_cast<int>(q.x), static_cast<int>(q.y) + 2,
                   Darken(leaf, 50));
            last = q;
        }
    }
    c.Disc({crown.x - 1, crown.y + 2}, 2.2, 0x5A3A1E);
    c.Disc({crown.x + 2, crown.y + 2}, 2.0, 0x6E4A24);
    c.Outline(0x14280E);
}

void Branch(Canvas& c, Point from, double angle, double length, double width, int depth, Random& r)
{
    const Point to{from.x + CosTurns(angle) * length, from.y - SinTurns(angle) * length};
    c.ThickLine(from, to, width, depth > 2 ? Color{0x5E4A3A} : Color{0x7A6452});
    if (depth == 0) {
        return;
    }
    const double spread = 0.06 + r.Below(40) / 1000.0;
    Branch(c, to, angle + spread, length * 0.7, width * 0.65, depth - 1, r);
    Branch(c, to, angle - spread, length * 0.72, width * 0.65, depth - 1, r);
}

void PaintDeadTree(Canvas& c, Random& r)
{
    GroundShadow(c, {44, 61}, 12, 3);
    Branch(c, {45, 63}, 0.25, 20, 6, 4, r);
    Branch(c, {44, 50}, 0.36, 18, 3, 3, r);
    c.Outline(0x201810);
}

void PaintBush(Canvas& c, Random& r, Color leaf, Color dots)
{
    GroundShadow(c, {17, 27}, 12, 3);
    Foliage(c, r, {16, 18}, 12, 9.5, leaf, 12);
    if (dots != kClear) {
        for (int i = 0; i < 9; ++i) {
            const int x = r.Range(8, 24);
            const int y = r.Range(12, 24);
            if (c.IsOpaque(x, y)) {
                c.Put(x, y, dots);
                c.Put(x + 1, y, Darken(dots, 60));
                c.Put(x, y - 1, Lighten(dots, 100));
            }
        }
    }
}

void PaintThornBush(Canvas& c, Random& r)
{
    GroundShadow(c, {16, 27}, 11, 3);
    for (int i = 0; i < 14; ++i) {
        const double a = 0.05 + r.Below(400) / 1000.0;
        const double length = 8 + r.Below(60) / 10.0;
        const Point base{16, 26};
        const Point tip{base.x + CosTurns(a) * length * 1.4, base.y - SinTurns(a) * length * 1.6};
        c.Line(static_cast<int>(base.x), static_cast<int>(base.y), static_cast<int>(tip.x), static_cast<int>(tip.y),
               0x4A3A24);
        c.Put(static_cast<int>(tip.x), static_cast<int>(tip.y), 0x6E8A3A);
        const Point mid{(base.x + tip.x) / 2, (base.y + tip.y) / 2};
        c.Put(static_cast<int>(mid.x) + 1, static_cast<int>(mid.y), 0xC8B890);
    }
    c.Outline(0x1A140C);
}

void PaintFlowers(Canvas& c, Random& r, Color petal, Color heart)
{
    for (int i = 0; i < 7; ++i) {
        const int x = r.Range(5, 26);
        const int y = r.Range(10, 26);
        const int stem = r.Range(3, 6);
        c.Line(x, y, x, y + stem, 0x3E7A26);
        c.Put(x + 1, y + stem - 1, 0x5A9A34);
        const Color p = Jitter(petal, r, 12);
        c.Put(x - 1, y, p);
        c.Put(x + 1, y, p);
        c.Put(x, y - 1, p);
        c.Put(x, y + 1, Darken(p, 40));
        c.Put(x, y, heart);
    }
}

void PaintSunflower(Canvas& c, Random&)
{
    c.ThickLine({16, 30}, {16, 12}, 2, 0x3E7A26);
    c.Ellipse({12, 22}, 3.5, 1.8, 0x4E8E30);
    c.Ellipse({20, 18}, 3.5, 1.8, 0x4E8E30);
    for (int k = 0; k < 10; ++k) {
        const double a = k / 10.0;
        c.Disc({16 + CosTurns(a) * 5, 9 + SinTurns(a) * 5}, 2.2, 0xF4C41E);
    }
    c.Disc({16, 9}, 3.4, 0x5A3414);
    c.Put(15, 8, 0x8A5A24);
    c.Outline(0x1E1A0C);
}

void PaintFern(Canvas& c, Random& r)
{
    for (int k = 0; k < 6; ++k) {
        const double a = 0.08 + k * 0.07 + r.Below(20) / 1000.0;
        Point prev{16, 28};
        for (int s = 1; s <= 8; ++s) {
            const Point q{16 + CosTurns(a) * s * 1.8, 28 - SinTurns(a) * s * 2.4 + s * s * 0.12};
            c.Line(static_cast<int>(prev.x), static_cast<int>(prev.y), static_cast<int>(q.x), static_cast<int>(q.y),
                   0x2E6E26);
            c.Put(static_cast<int>(q.x), static_cast<int>(q.y) - 1, 0x5AAA3A);
            c.Put(static_cast<int>(q.x) + 1, static_cast<int>(q.y) + 1, 0x4A9432);
            prev = q;
        }
    }
}

void PaintTuft(Canvas& c, Random& r, Color blade, int count, int height)
{
    for (int i = 0; i < count; ++i) {
        const int x = r.Range(8, 23);
        const int h = r.Range(height / 2, height);
        const int lean = r.Range(-3, 3);
        c.Line(x, 28, x + lean, 28 - h, i % 2 ? blade : Lighten(blade, 40));
    }
}

void PaintReeds(Canvas& c, Random& r)
{
    PaintTuft(c, r, 0x5A7A2E, 12, 22);
    for (int i = 0; i < 4; ++i) {
        const int x = r.Range(9, 22);
        const int y = r.Range(6, 12);
        c.FillRect(x, y, 2, 5, 0x6A4222);
        c.Put(x, y, 0x8A5A34);
    }
}

void PaintLily(Canvas& c, Random&)
{
    c.Ellipse({14, 18}, 9, 6, 0x3E8A34);
    // The notch of the pad.
    for (int y = 12; y < 25; ++y) {
        for (int x = 15; x < 24; ++x) {
            if (std::abs(y - 18) * 3 < (x - 14)) {
                c.Erase(x, y);
            }
        }
    }
    c.Line(8, 18, 13, 18, 0x2E6E28);
    c.Disc({18, 12}, 3, 0xF4A8C8);
    c.Disc({18, 12}, 1.2, 0xF8E070);
    c.Outline(0x143A14);
}

void PaintMushrooms(Canvas& c, Random& r, Color cap, bool spots)
{
    GroundShadow(c, {16, 27}, 10, 2);
    const int count = spots ? 1 : 3;
    for (int i = 0; i < count; ++i) {
        const double x = spots ? 16 : 9 + i * 7 + r.Range(-1, 1);
        const double size = spots ? 7 : 4 + r.Range(0, 1);
        const double y = spots ? 27 : 26 - (i % 2) * 2;
        c.FillRect(static_cast<int>(x - size / 3), static_cast<int>(y - size), static_cast<int>(size * 0.66) + 1,
                   static_cast<int>(size), 0xEEE4CC);
        c.Ellipse({x + 0.5, y - size}, size, size * 0.65, cap);
        c.Ellipse({x - size * 0.3, y - size * 1.25}, size * 0.35, size * 0.2, Lighten(cap, 70));
        if (spots) {
            for (auto [dx, dy] : {std::pair{-3, -8}, std::pair{2, -9}, std::pair{4, -6}, std::pair{-1, -6}}) {
                c.FillRect(static_cast<int>(x) + dx, static_cast<int>(y) + dy, 2, 1, 0xF8F4EC);
            }
        }
    }
    c.Outline(0x201410);
}

void PaintStones(Canvas& c, Random& r, int count, double size, Color stone, bool moss)
{
    for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? 16 : r.Range(7, 25);
        const double y = count == 1 ? 19 : r.Range(12, 26);
        const double rad = count == 1 ? size : size * (0.6 + r.Below(50) / 100.0);
        GroundShadow(c, {x + 1, y + rad * 0.7}, rad + 1, rad * 0.4);
        Canvas rock(32, 32);
        rock.Ellipse({x, y}, rad, rad * 0.78, Jitter(stone, r, 10));
        rock.Recolor([&](Color p) { return Jitter(p, r, 5); });
        FinishObject(rock, Darken(stone, 170), 70, 70);
        if (moss) {
            for (int k = 0; k < 18; ++k) {
                const int mx = static_cast<int>(x) + r.Range(-static_cast<int>(rad), static_cast<int>(rad) / 2);
                const int my = static_cast<int>(y - rad * 0.5) + r.Range(-2, 1);
                if (rock.IsOpaque(mx, my)) {
                    rock.Put(mx, my, r.Chance(50) ? Color{0x4E8A2E} : Color{0x6AA83A});
                }
            }
        }
        c.Draw(rock, 0, 0);
    }
}

void PaintBoulder(Canvas& c, Random& r)
{
    GroundShadow(c, {38, 58}, 22, 5);
    Canvas rock(64, 64);
    rock.Polygon({{12, 40}, {20, 20}, {38, 12}, {54, 22}, {60, 46}, {50, 60}, {20, 60}}, 0x857D72);
    for (int k = 0; k < 7; ++k) {
        const double x = r.Range(18, 50);
        const double y = r.Range(20, 52);
        rock.Polygon({{x, y}, {x + r.Range(5, 10), y + r.Range(-2, 4)}, {x + r.Range(0, 6), y + r.Range(5, 10)}},
                     r.Chance(50) ? Color{0x9A9286} : Color{0x6A6258});
    }
    rock.Recolor([&](Color p) { return Jitter(p, r, 6); });
    FinishObject(rock, 0x26221E, 80, 80);
    c.Draw(rock, 0, 0);
    // A pebble on the left keeps the lower left cell from standing empty.
    c.Ellipse({6, 58}, 3, 2, 0x7A7268);
    c.Ellipse({27, 6}, 3, 2, 0x7A7268);
}

void PaintStump(Canvas& c, Random&)
{
    GroundShadow(c, {16, 27}, 11, 3);
    c.FillRect(9, 14, 15, 12, 0x6E4A28);
    c.Ellipse({16.5, 26}, 7.5, 2.5, 0x6E4A28);
    c.Ellipse({16.5, 14}, 7.5, 3, 0xC8A46A);
    c.EllipseRing({16.5, 14}, 5, 2, 1, 0x9A7446);
    c.Put(16, 14, 0x8A6434);
    for (int x = 10; x < 24; x += 3) {
        c.Line(x, 17, x, 25, 0x4E321A);
    }
    c.Outline(0x20140A);
}

void PaintLog(Canvas& c, Random& r)
{
    GroundShadow(c, {32, 26}, 28, 4);
    for (int x = 4; x < 58; ++x) {
        for (int y = 14; y < 25; ++y) {
            Color p = 0x765030;
            if (y == 15) {
                p = 0x9A7046;
            } else if (y > 22) {
                p = 0x4E321C;
            } else if ((x * 7 + y * 3) % 13 == 0) {
                p = 0x5A3C22;
            }
            c.Put(x, y, Jitter(p, r, 4));
        }
    }
    c.Ellipse({57, 19.5}, 3, 5.5, 0xC8A46A);
    c.EllipseRing({57, 19.5}, 2, 3.5, 1, 0x9A7446);
    c.Ellipse({22, 12}, 3, 1.5, 0x4E8A2E);
    c.Outline(0x20140A);
}

void PaintCactus(Canvas& c, Random&)
{
    GroundShadow(c, {16, 28}, 8, 2);
    const Color green = 0x4A8A3A;
    c.FillRect(13, 6, 7, 22, green);
    c.FillRect(6, 13, 4, 8, green);
    c.FillRect(6, 19, 8, 3, green);
    c.FillRect(22, 9, 4, 8, green);
    c.FillRect(19, 15, 7, 3, green);
    for (int y = 8; y < 27; y += 3) {
        c.Put(14, y, 0xE8E8C0);
        c.Put(18, y + 1, 0xE8E8C0);
    }
    c.Disc({16.5, 6}, 2, 0xF07AA0);
    FinishObject(c, 0x1A3014, 60, 60);
}

void PaintHaystack(Canvas& c, Random& r)
{
    GroundShadow(c, {16, 28}, 13, 3);
    c.Ellipse({16, 20}, 12, 9, 0xD8B85A);
    c.Ellipse({16, 14}, 8, 7, 0xE4C86A);
    for (int i = 0; i < 60; ++i) {
        const int x = r.Range(5, 27);
        const int y = r.Range(8, 28);
        if (c.IsOpaque(x, y)) {
            c.Line(x, y, x + r.Range(-2, 2), y + 2, r.Chance(50) ? Color{0xB8943A} : Color{0xF0DA8A});
        }
    }
    c.Outline(0x4A3A14);
}

struct NatureSpec {
    const char* name;
    uint8_t width;
    uint8_t height;
    bool blocking;
    uint16_t minimap;
    Painter paint;
};

}  // namespace

void AddNature(CatalogBuilder& builder)
{
    using F = const Frame&;
    const NatureSpec specs[] = {
        {"oak tree", 2, 2, true, MinimapColor(0, 2, 0),
         [](Canvas& c, F, Random& r) { PaintLeafTree(c, r, 0x3A7628, 0x6A4628, kClear); }},
        {"apple tree", 2, 2, true, MinimapColor(0, 2, 0),
         [](Canvas& c, F, Random& r) { PaintLeafTree(c, r, 0x4A8A30, 0x74502C, 0xD42A1E); }},
        {"autumn tree", 2, 2, true, MinimapColor(4, 2, 0),
         [](Canvas& c, F, Random& r) { PaintLeafTree(c, r, 0xC8641E, 0x5E4026, kClear); }},
        {"birch tree", 2, 2, true, MinimapColor(1, 3, 0),
         [](Canvas& c, F, Random& r) {
             GroundShadow(c, {44, 61}, 12, 3);
             c.FillRect(42, 30, 5, 33, 0xECE8DE);
             for (int y = 32; y < 62; y += 4) {
                 c.FillRect(42 + (y % 3), y, 2, 1, 0x2A2A2A);
             }
             Foliage(c, r, {37, 24}, 22, 20, 0x7AB848, 22);
         }},
        {"pine tree", 2, 2, true, MinimapColor(0, 1, 0), [](Canvas& c, F, Random& r) { PaintPine(c, r, false); }},
        {"snowy fir", 2, 2, true, MinimapColor(4, 5, 5), [](Canvas& c, F, Random& r) { PaintPine(c, r, true); }},
        {"palm tree", 2, 2, true, MinimapColor(1, 3, 0), [](Canvas& c, F, Random& r) { PaintPalm(c, r); }},
        {"dead tree", 2, 2, true, MinimapColor(1, 1, 0), [](Canvas& c, F, Random& r) { PaintDeadTree(c, r); }},
        {"boulder", 2, 2, true, MinimapColor(2, 2, 2), [](Canvas& c, F, Random& r) { PaintBoulder(c, r); }},
        {"fallen log", 2, 1, true, MinimapColor(2, 1, 0), [](Canvas& c, F, Random& r) { PaintLog(c, r); }},
        {"bush", 1, 1, true, MinimapColor(0, 2, 0),
         [](Canvas& c, F, Random& r) { PaintBush(c, r, 0x3E8030, kClear); }},
        {"blueberry bush", 1, 1, true, MinimapColor(0, 2, 0),
         [](Canvas& c, F, Random& r) { PaintBush(c, r, 0x2E6A2E, 0x3A4AC8); }},
        {"rose bush", 1, 1, true, MinimapColor(0, 2, 0),
         [](Canvas& c, F, Random& r) { PaintBush(c, r, 0x346E2A, 0xE0405A); }},
        {"thorn bush", 1, 1, true, MinimapColor(1, 1, 0), [](Canvas& c, F, Random& r) { PaintThornBush(c, r); }},
        {"red flowers", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintFlowers(c, r, 0xE0303A, 0xF8E060); }},
        {"yellow flowers", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintFlowers(c, r, 0xF4D42A, 0xB8601E); }},
        {"white flowers", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintFlowers(c, r, 0xF4F2EC, 0xF0C030); }},
        {"blue flowers", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintFlowers(c, r, 0x4A7AE8, 0xF4F0D0); }},
        {"purple flowers", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintFlowers(c, r, 0x9A4AC8, 0xF8E8A0); }},
        {"sunflower", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintSunflower(c, r); }},
        {"fern", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintFern(c, r); }},
        {"tall grass", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintTuft(c, r, 0x4E8E2E, 16, 16); }},
        {"reeds", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintReeds(c, r); }},
        {"water lily", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintLily(c, r); }},
        {"toadstool", 1, 1, false, 0, [](Canvas& c, F, Random& r) { PaintMushrooms(c, r, 0xD42A22, true); }},
        {"brown mushrooms", 1, 1, false, 0,
         [](Canvas& c, F, Random& r) { PaintMushrooms(c, r, 0x8A5A30, false); }},
        {"small stones", 1, 1, false, 0,
         [](Canvas& c, F, Random& r) { PaintStones(c, r, 5, 2.6, 0x8E887E, false); }},
        {"stone", 1, 1, true, MinimapColor(2, 2, 2),
         [](Canvas& c, F, Random& r) { PaintStones(c, r, 1, 10, 0x8A847A, false); }},
        {"mossy stone", 1, 1, true, MinimapColor(1, 2, 1),
         [](Canvas& c, F, Random& r) { PaintStones(c, r, 1, 9, 0x7A786C, true); }},
        {"tree stump", 1, 1, true, 0, [](Canvas& c, F, Random& r) { PaintStump(c, r); }},
        {"cactus", 1, 1, true, MinimapColor(0, 2, 0), [](Canvas& c, F, Random& r) { PaintCactus(c, r); }},
        {"haystack", 1, 1, true, MinimapColor(4, 4, 1), [](Canvas& c, F, Random& r) { PaintHaystack(c, r); }},
    };
    for (const auto& design : specs) {
        CatalogItem& item = builder.Add(Section::Nature, design.name, design.paint);
        SetLayout(item, design.width, design.height);
        item.type.minimapColor = design.minimap;
        if (design.blocking) {
            MakeBlocking(item);
        } else {
            MakeFixed(item);
        }
        if (design.width > 1 || design.height > 1) {
            // Real client files mark tall things with an offset the editor does not use.
            item.extraOptions = {0x18, 8, 0, 8, 0};
        }
    }
}

}  // namespace tessark::gendata

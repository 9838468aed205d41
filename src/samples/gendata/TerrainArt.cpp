// Grounds and the borders that soften the edges between them.
#include <cmath>
#include <algorithm>
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

void PaintGrass(Canvas& c, Random& r, Color dark, Color mid, Color light, int flowerChance)
{
    TileNoise noise(r, 32, 8);
    FillNoise(c, noise, dark, mid, r, 5);
    for (int i = 0; i < 110; ++i) {
        const int x = r.Range(0, 31);
        const int y = r.Range(0, 31);
        const int length = r.Range(2, 4);
        const int lean = r.Range(-1, 1);
        const Color blade = r.Chance(55) ? Jitter(light, r, 10) : Darken(dark, 50);
        for (int k = 0; k < length; ++k) {
            c.Put((x + (lean * k) / 2 + 32) % 32, (y - k + 32) % 32, blade);
        }
    }
    if (r.Chance(flowerChance)) {
        const int flowers = r.Range(1, 3);
        for (int i = 0; i < flowers; ++i) {
            const int x = r.Range(3, 28);
            const int y = r.Range(3, 28);
            const Color petal = r.Chance(50) ? Color{0xF2E24A} : Color{0xF4F0E8};
            c.Put(x - 1, y, petal);
            c.Put(x + 1, y, petal);
            c.Put(x, y - 1, petal);
            c.Put(x, y + 1, petal);
            c.Put(x, y, 0xD08A1E);
        }
    }
}

void PaintSand(Canvas& c, Random& r, Color dark, Color light)
{
    TileNoise noise(r, 32, 8);
    FillNoise(c, noise, dark, light, r, 6);
    const double offset = r.Below(100) / 100.0;
    for (int k = 0; k < 3; ++k) {
        const int y0 = 4 + k * 11 + r.Range(-2, 2);
        for (int x = 0; x < 32; ++x) {
            const int y = y0 + static_cast<int>(std::lround(1.6 * SinTurns(x / 32.0 + offset + k * 0.3)));
            if ((x + k) % 3 != 0) {
                c.Put(x, (y + 32) % 32, Darken(c.Get(x, (y + 32) % 32), 30));
            }
        }
    }
    Speckle(c, r, 40, Darken(dark, 45));
    Speckle(c, r, 30, Lighten(light, 90));
}

void Pebbles(Canvas& c, Random& r, int count, Color stone, double minR, double maxR)
{
    for (int i = 0; i < count; ++i) {
        const double x = r.Range(2, 29);
        const double y = r.Range(2, 29);
        const double rad = minR + (maxR - minR) * r.Below(101) / 100.0;
        const Color s = Jitter(stone, r, 14);
        c.Ellipse({x, y + 0.7}, rad, rad * 0.8, Darken(s, 110));
        c.Ellipse({x, y}, rad, rad * 0.8, s);
        c.Put(static_cast<int>(x - rad / 2), static_cast<int>(y - rad / 2), Lighten(s, 90));
    }
}

void PaintDirt(Canvas& c, Random& r)
{
    TileNoise noise(r, 32, 8);
    FillNoise(c, noise, 0x6A4528, 0x8C6440, r, 8);
    Speckle(c, r, 50, 0x4E321C);
    Pebbles(c, r, 5, 0x908470, 1.2, 2.2);
}

void PaintMud(Canvas& c, Random& r)
{
    TileNoise noise(r, 32, 8);
    FillNoise(c, noise, 0x3E2C1C, 0x5A4230, r, 5);
    for (int i = 0; i < 3; ++i) {
        const double x = r.Range(6, 25);
        const double y = r.Range(6, 25);
        const double rx = r.Range(3, 6);
        c.Ellipse({x, y}, rx, rx * 0.55, 0x2E2A24);
        c.Line(static_cast<int>(x - rx / 2), static_cast<int>(y - 1), static_cast<int>(x), static_cast<int>(y - 1),
               0x7A8A96);
    }
    Speckle(c, r, 30, 0x6E553C);
}

void PaintGravel(Canvas& c, Random& r)
{
    c.Fill(0x4E4A45);
    Speckle(c, r, 200, 0x3A3733);
    for (int i = 0; i < 150; ++i) {
        const int x = r.Range(0, 31);
        const int y = r.Range(0, 31);
        const Color s = Jitter(Color{0x9A958C}, r, 22);
        c.Put(x, y, s);
        c.Put((x + 1) % 32, y, Darken(s, 40));
        if (r.Chance(50)) {
            c.Put(x, (y + 1) % 32, Darken(s, 70));
        }
    }
}

void PaintSnow(Canvas& c, Random& r)
{
    TileNoise noise(r, 32, 8);
    FillNoise(c, noise, 0xC8D6E8, 0xF4F8FC, r, 3);
    Speckle(c, r, 25, 0xFFFFFF);
    Speckle(c, r, 25, 0xB0C2DA);
}

void PaintIce(Canvas& c, Random& r)
{
    TileNoise noise(r, 32, 16);
    FillNoise(c, noise, 0x9CCDE6, 0xD2ECF8, r, 3);
    for (int k = 0; k < 3; ++k) {
        int x = r.Range(0, 31);
        int y = r.Range(0, 31);
        const int dx = r.Chance(50) ? 1 : -1;
        for (int i = 0; i < 14; ++i) {
            c.Put((x + 32) % 32, (y + 32) % 32, 0xF2FAFF);
            c.Put((x + 33) % 32, (y + 32) % 32, 0x7FAFCF);
            x += r.Chance(60) ? dx : 0;
            y += 1;
        }
    }
}

void PaintStoneFloor(Canvas& c, Random& r, Color base, int slab)
{
    const uint32_t salt = static_cast<uint32_t>(r.Next());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int sx = x % slab;
            const int sy = y % slab;
            Color s = Brighten(base, static_cast<int>(Hash(salt, x / slab, y / slab) % 21) - 10);
            s = Jitter(s, r, 5);
            if (sx == 0 || sy == 0) {
                s = Darken(base, 100);
            } else if (sx == 1 || sy == 1) {
                s = Lighten(s, 40);
            } else if (sx == slab - 1 || sy == slab - 1) {
                s = Darken(s, 35);
            }
            c.Put(x, y, s);
        }
    }
    Speckle(c, r, 20, Darken(base, 50));
}

void PaintCobblestone(Canvas& c, Random& r)
{
    c.Fill(0x403C38);
    Speckle(c, r, 80, 0x302D2A);
    for (int gy = 0; gy < 4; ++gy) {
        for (int gx = 0; gx < 4; ++gx) {
            const double cx = gx * 8 + 4 + (gy % 2) * 4 + r.Range(-10, 10) / 10.0;
            const double cy = gy * 8 + 4 + r.Range(-8, 8) / 10.0;
            const double rad = 3.3 + r.Range(0, 6) / 10.0;
            const Color stone = Jitter(r.Chance(50) ? Color{0x8E887E} : Color{0x7E7A74}, r, 12);
            for (int oy = -32; oy <= 32; oy += 32) {
                for (int ox = -32; ox <= 32; ox += 32) {
                    for (int y = static_cast<int>(cy - rad - 1); y <= static_cast<int>(cy + rad + 1); ++y) {
                        for (int x = static_cast<int>(cx - rad - 1); x <= static_cast<int>(cx + rad + 1); ++x) {
                            const double dx = x + 0.5 - cx;
                            const double dy = y + 0.5 - cy;
                            if (dx * dx + dy * dy <= rad * rad) {
                                const int shade = static_cast<int>((dx + dy) * -7);
                                c.Put(x + ox, y + oy, Brighten(stone, shade));
                            }
                        }
                    }
                }
            }
        }
    }
}

void PaintMarble(Canvas& c, Random& r)
{
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool dark = ((x / 16) + (y / 16)) % 2 == 1;
            Color s = dark ? Color{0xB9B2A6} : Color{0xEAE6DE};
            if (x % 16 == 0 || y % 16 == 0) {
                s = 0x8E877C;
            }
            c.Put(x, y, Jitter(s, r, 3));
        }
    }
    for (int v = 0; v < 4; ++v) {
        int x = r.Range(1, 30);
        int y = r.Range(1, 30);
        for (int i = 0; i < 12; ++i) {
            if (x % 16 != 0 && y % 16 != 0) {
                c.Put(x, y, Darken(c.Get(x, y), 45));
            }
            x += r.Range(-1, 1);
            y += r.Range(0, 1);
            x = std::clamp(x, 1, 30);
            y = std::clamp(y, 1, 30);
        }
    }
}

void PaintPlanks(Canvas& c, Random& r, Color wood)
{
    const uint32_t salt = static_cast<uint32_t>(r.Next());
    for (int row = 0; row < 4; ++row) {
        const Color plank = Brighten(wood, static_cast<int>(Hash(salt, row) % 25) - 12);
        const int joint = static_cast<int>(Hash(salt, row, 7) % 16) + (row % 2) * 16;
        for (int y = row * 8; y < row * 8 + 8; ++y) {
            for (int x = 0; x < 32; ++x) {
                Color p = plank;
                const int sy = y % 8;
                if (Hash(salt, y, x / 5) % 6 == 0) {
                    p = Darken(p, 30);
                }
                if (sy == 0) {
                    p = Darken(wood, 140);
                } else if (sy == 1) {
                    p = Lighten(p, 30);
                } else if (sy == 7) {
                    p = Darken(p, 40);
                }
                if (x == joint && sy != 0) {
                    p = Darken(wood, 120);
                }
                c.Put(x, y, Jitter(p, r, 3));
            }
        }
        c.Put((joint + 2) % 32, row * 8 + 3, 0x3A2A1A);
        c.Put((joint + 30) % 32, row * 8 + 5, 0x3A2A1A);
    }
}

void PaintCarpet(Canvas& c, Random& r, Color base, Color trim)
{
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int d = std::abs(x - 16) + std::abs(y - 16);
            Color p = ((x + y) % 2 == 0) ? base : Darken(base, 20);
            if (d == 11 || d == 12) {
                p = trim;
            } else if (d < 5) {
                p = d < 3 ? Lighten(trim, 60) : Darken(base, 60);
            } else if (x == 0 || y == 0) {
                p = Darken(base, 70);
            }
            c.Put(x, y, Jitter(p, r, 4));
        }
    }
    for (int k : {3, 28}) {
        c.Put(k, k, trim);
        c.Put(k, 31 - k, trim);
    }
}

void PaintCaveFloor(Canvas& c, Random& r)
{
    TileNoise noise(r, 32, 8);
    FillNoise(c, noise, 0x38332F, 0x57504A, r, 7);
    for (int k = 0; k < 2; ++k) {
        int x = r.Range(0, 31);
        int y = r.Range(0, 31);
        for (int i = 0; i < 8; ++i) {
            c.Put((x + 32) % 32, (y + 32) % 32, 0x221E1B);
            x += r.Range(-1, 1);
            y += 1;
        }
    }
    Pebbles(c, r, 3, 0x6E665E, 1.0, 1.8);
}

void PaintRock(Canvas& c, Random& r)
{
    TileNoise noise(r, 32, 16);
    FillNoise(c, noise, 0x5E574F, 0x7C746A, r, 6);
    for (int k = 0; k < 6; ++k) {
        const double x = r.Range(0, 31);
        const double y = r.Range(0, 31);
        const double s = r.Range(5, 9);
        const bool lit = r.Chance(50);
        std::vector<Point> facet = {{x, y}, {x + s, y + s * 0.4}, {x + s * 0.3, y + s}};
        c.Polygon(facet, lit ? Color{0x978D80} : Color{0x4A443E});
    }
    Speckle(c, r, 30, 0x2E2A26);
}

void PaintSwamp(Canvas& c, Random& r)
{
    TileNoise noise(r, 32, 8);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double v = noise.At(x, y);
            Color p = v < 0.42 ? Mix(Color{0x1E2E22}, Color{0x2E4232}, static_cast<int>(v * 600))
                               : Mix(Color{0x4A5226}, Color{0x66703A}, static_cast<int>((v - 0.42) * 440));
            c.Put(x, y, Jitter(p, r, 5));
        }
    }
    Speckle(c, r, 25, 0x7A8A3A);
}

void PaintWater(Canvas& c, const Frame& f, Random& r, Color dark, Color light, Color crest, int phases)
{
    TileNoise noise(r, 32, 8);
    TileNoise swell(r, 32, 16);
    const double shift = 32.0 * f.phase / phases;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double v = 0.65 * noise.At(x, y) + 0.35 * swell.At(x + shift, y + shift / 2);
            c.Put(x, y, Jitter(Mix(dark, light, static_cast<int>(v * 256)), r, 3));
        }
    }
    for (int i = 0; i < 9; ++i) {
        const int x0 = r.Range(0, 31);
        const int y = r.Range(0, 31);
        const int length = r.Range(3, 6);
        const int drift = (f.phase * 2 + (i % 2) * f.phase) % 32;
        for (int k = 0; k < length; ++k) {
            const int x = (x0 + k + drift) % 32;
            c.Put(x, y, k == length / 2 ? Lighten(crest, 120) : crest);
        }
        c.Put((x0 + drift + 32 - 1) % 32, (y + 1) % 32, Darken(dark, 40));
    }
    Random glint = SeededRandom::For(r.Next(), static_cast<uint64_t>(f.phase));
    for (int i = 0; i < 2; ++i) {
        c.Put(glint.Range(0, 31), glint.Range(0, 31), 0xF4FAFF);
    }
}

void PaintLava(Canvas& c, const Frame& f, Random& r)
{
    TileNoise noise(r, 32, 8);
    TileNoise flow(r, 32, 16);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double wobble = 0.12 * SinTurns(f.phase / 3.0 + flow.At(x, y));
            const double v = noise.At(x, y) + wobble;
            Color p;
            if (v < 0.42) {
                p = Mix(Color{0x2A0C06}, Color{0x5A1C0C}, static_cast<int>(v * 500));
            } else if (v < 0.48) {
                p = 0xE2521A;
            } else {
                p = Mix(Color{0xF07A1C}, Color{0xFFE060}, static_cast<int>((v - 0.48) * 500));
            }
            c.Put(x, y, Jitter(p, r, 4));
        }
    }
}

void PaintRoof(Canvas& c, Random& r)
{
    // Rows of round-ended clay shingles, each row overlapping the one below.
    const uint32_t salt = static_cast<uint32_t>(r.Next());
    for (int y = 0; y < 32; ++y) {
        const int row = y / 8;
        const int sy = y % 8;
        for (int x = 0; x < 32; ++x) {
            const int shifted = x + (row % 2) * 4;
            const int sx = shifted % 8;
            Color p = Brighten(Color{0xB04A2C}, static_cast<int>(Hash(salt, row, shifted / 8) % 21) - 10 - sy * 6);
            const bool gap = (sy >= 3 && (sx == 0 || sx == 7)) || (sy == 7 && (sx <= 1 || sx >= 6));
            if (gap) {
                p = 0x4A1A0E;
            } else if (sy == 0) {
                p = Lighten(p, 50);
            } else if (sx == 1) {
                p = Lighten(p, 25);
            }
            c.Put(x, y, Jitter(p, r, 3));
        }
    }
}

void PaintForestFloor(Canvas& c, Random& r)
{
    PaintGrass(c, r, 0x1E3014, 0x2E4620, 0x44602C, 0);
    for (int i = 0; i < 14; ++i) {
        const double x = r.Range(1, 30);
        const double y = r.Range(1, 30);
        const Color leaf = r.Chance(50) ? Color{0x8A5A24} : Color{0xB0762A};
        c.Ellipse({x, y}, 1.6, 0.9, Jitter(leaf, r, 12));
    }
    c.Line(r.Range(2, 10), r.Range(2, 28), r.Range(14, 24), r.Range(2, 28), 0x4A3420);
}

struct GroundSpec {
    const char* name;
    uint16_t speed;
    uint16_t minimap;
    uint8_t patternX;
    uint8_t patternY;
    uint8_t phases;
    bool blocking;
    Painter paint;
};

std::vector<GroundSpec> Grounds()
{
    using F = const Frame&;
    return {
        {"grass", 150, MinimapColor(0, 3, 0), 4, 4, 1, false,
         [](Canvas& c, F, Random& r) { PaintGrass(c, r, 0x2F6A1F, 0x3F8A2A, 0x64AE3A, 12); }},
        {"flowery grass", 150, MinimapColor(0, 3, 0), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintGrass(c, r, 0x35722A, 0x4A9432, 0x70B844, 100); }},
        {"dry grass", 160, MinimapColor(3, 3, 1), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintGrass(c, r, 0x6E7A30, 0x8E9A42, 0xC4C068, 0); }},
        {"forest floor", 170, MinimapColor(0, 2, 0), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintForestFloor(c, r); }},
        {"sand", 180, MinimapColor(5, 4, 2), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintSand(c, r, 0xCDB074, 0xE8D49E); }},
        {"dirt", 130, MinimapColor(2, 1, 0), 2, 2, 1, false, [](Canvas& c, F, Random& r) { PaintDirt(c, r); }},
        {"mud", 220, MinimapColor(1, 1, 0), 2, 2, 1, false, [](Canvas& c, F, Random& r) { PaintMud(c, r); }},
        {"gravel", 140, MinimapColor(2, 2, 2), 2, 2, 1, false, [](Canvas& c, F, Random& r) { PaintGravel(c, r); }},
        {"snow", 200, MinimapColor(5, 5, 5), 2, 2, 1, false, [](Canvas& c, F, Random& r) { PaintSnow(c, r); }},
        {"ice", 110, MinimapColor(3, 4, 5), 2, 2, 1, false, [](Canvas& c, F, Random& r) { PaintIce(c, r); }},
        {"stone floor", 100, MinimapColor(3, 3, 3), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintStoneFloor(c, r, 0x8E8B86, 16); }},
        {"stone tiles", 100, MinimapColor(2, 2, 3), 1, 1, 1, false,
         [](Canvas& c, F, Random& r) { PaintStoneFloor(c, r, 0x6E7484, 8); }},
        {"cobblestone", 110, MinimapColor(2, 2, 2), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintCobblestone(c, r); }},
        {"marble floor", 100, MinimapColor(4, 4, 4), 1, 1, 1, false,
         [](Canvas& c, F, Random& r) { PaintMarble(c, r); }},
        {"wooden floor", 110, MinimapColor(3, 2, 1), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintPlanks(c, r, 0x9A6B3E); }},
        {"dark wooden floor", 110, MinimapColor(2, 1, 0), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintPlanks(c, r, 0x5E3E24); }},
        {"red carpet", 100, MinimapColor(3, 0, 0), 1, 1, 1, false,
         [](Canvas& c, F, Random& r) { PaintCarpet(c, r, 0x9A1C22, 0xD8A83A); }},
        {"blue carpet", 100, MinimapColor(0, 0, 3), 1, 1, 1, false,
         [](Canvas& c, F, Random& r) { PaintCarpet(c, r, 0x22408C, 0xC8CCD8); }},
        {"green carpet", 100, MinimapColor(0, 2, 1), 1, 1, 1, false,
         [](Canvas& c, F, Random& r) { PaintCarpet(c, r, 0x1E6A3E, 0xE0C46A); }},
        {"cave floor", 150, MinimapColor(1, 1, 1), 2, 2, 1, false,
         [](Canvas& c, F, Random& r) { PaintCaveFloor(c, r); }},
        {"rock", 0, MinimapColor(2, 1, 1), 2, 2, 1, true, [](Canvas& c, F, Random& r) { PaintRock(c, r); }},
        {"swamp", 250, MinimapColor(1, 2, 1), 2, 2, 1, false, [](Canvas& c, F, Random& r) { PaintSwamp(c, r); }},
        {"roof tiles", 100, MinimapColor(4, 1, 0), 1, 1, 1, false, [](Canvas& c, F, Random& r) { PaintRoof(c, r); }},
        {"darkness", 0, MinimapColor(0, 0, 0), 1, 1, 1, true,
         [](Canvas& c, F, Random& r) {
             c.Fill(0x0E0E12);
             Speckle(c, r, 40, 0x1E1E2A);
         }},
        {"water", 0, MinimapColor(0, 1, 4), 2, 2, 4, true,
         [](Canvas& c, F f, Random& r) { PaintWater(c, f, r, 0x1C4A90, 0x2C68B4, 0x6AA2E0, 4); }},
        {"shallow water", 230, MinimapColor(0, 3, 4), 2, 2, 3, false,
         [](Canvas& c, F f, Random& r) { PaintWater(c, f, r, 0x3C86B0, 0x7CB8C8, 0xC4E4EE, 3); }},
        {"lava", 0, MinimapColor(5, 2, 0), 2, 2, 3, true, [](Canvas& c, F f, Random& r) { PaintLava(c, f, r); }},
    };
}

// A border covers one or two edges of a tile with another ground. The edge line wanders the
// same way on every piece of a set, so neighbouring pieces meet.
enum Edge { kNorth = 1, kEast = 2, kSouth = 4, kWest = 8 };

struct BorderPiece {
    const char* suffix;
    int edges;
    bool inner;  // union of the edges (a bend) rather than their intersection (a corner)
};

constexpr BorderPiece kBorderPieces[] = {
    {"north", kNorth, false},
    {"east", kEast, false},
    {"south", kSouth, false},
    {"west", kWest, false},
    {"north-west corner", kNorth | kWest, false},
    {"north-east corner", kNorth | kEast, false},
    {"south-east corner", kSouth | kEast, false},
    {"south-west corner", kSouth | kWest, false},
    {"north-west bend", kNorth | kWest, true},
    {"north-east bend", kNorth | kEast, true},
    {"south-east bend", kSouth | kEast, true},
    {"south-west bend", kSouth | kWest, true},
};

void PaintBorder(Canvas& c, const Frame& f, const std::string& setName, const Painter& ground,
                 const BorderPiece& piece, Color rim)
{
    const uint64_t setSalt = Hash(static_cast<uint32_t>(setName.size()), static_cast<uint32_t>(setName[0]),
                                  static_cast<uint32_t>(setName.back()));
    Random edgeRandom = SeededRandom::For(f.seed, 0xB0, setSalt);
    TileNoise edge(edgeRandom, 32, 8);
    auto depth = [&edge](int t) { return 4 + static_cast<int>(edge.At(t + 0.5, 3) * 7.0); };
    auto covered = [&](int x, int y) {
        bool inside[4] = {y < depth(x), x > 31 - depth(y + 13), y > 31 - depth(x + 7), x < depth(y + 21)};
        bool any = false;
        bool all = true;
        for (int k = 0; k < 4; ++k) {
            if (piece.edges & (1 << k)) {
                any = any || inside[k];
                all = all && inside[k];
            }
        }
        return piece.inner ? any : all;
    };
    Canvas texture(32, 32);
    Random textureRandom = SeededRandom::For(f.seed, 0xB1, setSalt);
    ground(texture, Frame{f.seed, 0, 0, 0, 0}, textureRandom);
    // Only neighbours inside the tile make a rim: the tile's own edges continue on the next tile.
    auto open = [&](int x, int y) { return x >= 0 && y >= 0 && x < 32 && y < 32 && !covered(x, y); };
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!covered(x, y)) {
                continue;
            }
            const bool rimPixel = open(x - 1, y) || open(x + 1, y) || open(x, y - 1) || open(x, y + 1);
            c.Put(x, y, rimPixel ? Mix(texture.Get(x, y), rim, 150) : texture.Get(x, y));
        }
    }
}

struct BorderSet {
    const char* name;
    const char* groundName;
    Color rim;
};

}  // namespace

void AddTerrain(CatalogBuilder& builder)
{
    std::vector<GroundSpec> grounds = Grounds();
    for (auto& g : grounds) {
        CatalogItem& item = builder.Add(Section::Grounds, g.name, g.paint);
        MakeGround(item, g.speed, g.minimap);
        SetLayout(item, 1, 1, g.patternX, g.patternY, g.phases);
        if (g.blocking) {
            item.type.blocking = true;
            item.type.blockPath = true;
        }
        if (std::string(g.name) == "lava") {
            AddLight(item, 4, 199);
        }
    }
    const BorderSet sets[] = {
        {"grass", "grass", 0x1E4A14},
        {"sand", "sand", 0xA08450},
        {"dirt", "dirt", 0x3E2816},
        {"snow", "snow", 0x9AAEC8},
        {"cave", "cave floor", 0x1A1714},
    };
    for (const auto& set : sets) {
        Painter ground;
        for (const auto& g : grounds) {
            if (std::string(g.name) == set.groundName) {
                ground = g.paint;
            }
        }
        for (const auto& piece : kBorderPieces) {
            const std::string setName = set.name;
            const Color rim = set.rim;
            CatalogItem& item = builder.Add(
                Section::Borders, setName + " border " + piece.suffix,
                [setName, ground, piece, rim](Canvas& c, const Frame& f, Random&) {
                    PaintBorder(c, f, setName, ground, piece, rim);
                });
            MakeOnTop(item, 1);
        }
    }
}

}  // namespace tessark::gendata

// Walls, doors, arches and the things that hang on walls.
//
// A wall is a band across the middle of its tile (rows or columns 9 to 20) that meets the
// bands of the neighbouring tiles, seen from above with its south face (horizontal walls) or
// east face (vertical walls) showing below or beside it. Courses of bricks, stones or logs run
// along the wall.
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

constexpr int kLo = 9;
constexpr int kHi = 20;
constexpr int kBand = kHi - kLo + 1;
constexpr int kSouthFace = 5;
constexpr int kEastFace = 3;

enum Arm { kNorth = 1, kEast = 2, kSouth = 4, kWest = 8 };

enum class Masonry { Bricks, Stones, Logs, Marble };

struct WallStyle {
    const char* name;
    Masonry masonry;
    Color base;
    Color mortar;
    uint16_t minimap;
};

constexpr WallStyle kStyles[] = {
    {"brick", Masonry::Bricks, 0xA4553A, 0x6E665C, MinimapColor(3, 1, 0)},
    {"stone", Masonry::Stones, 0x8C8A84, 0x4E4B46, MinimapColor(2, 2, 2)},
    {"wooden", Masonry::Logs, 0x7E5430, 0x3A2614, MinimapColor(2, 1, 0)},
    {"marble", Masonry::Marble, 0xE6E2D8, 0xA6A298, MinimapColor(4, 4, 4)},
};

// The colour of the masonry at u along the wall and v across it (0 .. kBand - 1).
Color Masonry(const WallStyle& s, int u, int v, uint32_t salt)
{
    switch (s.masonry) {
    case Masonry::Bricks: {
        const int course = v / 4;
        const int shifted = u + (course % 2) * 4;
        if (v % 4 == 3 || shifted % 8 == 0) {
            return s.mortar;
        }
        Color c = Brighten(s.base, static_cast<int>(Hash(salt, course, shifted / 8) % 29) - 14);
        return v % 4 == 0 ? Lighten(c, 40) : c;
    }
    case Masonry::Stones: {
        const int course = v / 6;
        const int offset = static_cast<int>(Hash(salt, course, 99) % 11);
        const int shifted = u + offset;
        if (v % 6 == 5 || shifted % 11 == 0) {
            return s.mortar;
        }
        Color c = Brighten(s.base, static_cast<int>(Hash(salt, course, shifted / 11) % 31) - 15);
        if (Hash(salt, u, v) % 9 == 0) {
            c = Darken(c, 40);
        }
        return v % 6 == 0 ? Lighten(c, 45) : c;
    }
    case Masonry::Logs: {
        const int course = v / 4;
        const int sv = v % 4;
        if (sv == 3) {
            return s.mortar;
        }
        Color c = Brighten(s.base, static_cast<int>(Hash(salt, course) % 17) - 8);
        if (Hash(salt, v, u / 3) % 5 == 0) {
            c = Darken(c, 35);
        }
        if ((u + course * 11) % 16 == 0) {
            c = Darken(c, 90);  // the end of one log and the start of the next
        }
        return sv == 0 ? Lighten(c, 50) : (sv == 2 ? Darken(c, 25) : c);
    }
    case Masonry::Marble: {
        const int course = v / 6;
        const int shifted = u + (course % 2) * 8;
        if (v % 6 == 5 || shifted % 16 == 0) {
            return s.mortar;
        }
        Color c = Brighten(s.base, static_cast<int>(Hash(salt, course, shifted / 16) % 9) - 4);
        if (Hash(salt, (u + v) / 2, course) % 13 == 0) {
            c = Darken(c, 30);
        }
        return v % 6 == 0 ? Lighten(c, 80) : c;
    }
    }
    return s.base;
}

uint32_t StyleSalt(const Frame& f, const WallStyle& s)
{
    return static_cast<uint32_t>(SeededRandom::For(f.seed, 0xA11, static_cast<uint64_t>(s.masonry)).Next());
}

void HorizontalBand(Canvas& c, const WallStyle& s, uint32_t salt, int x0, int x1)
{
    for (int x = x0; x <= x1; ++x) {
        for (int v = 0; v < kBand; ++v) {
            c.Put(x, kLo + v, Masonry(s, x, v, salt));
        }
    }
}

void SouthFace(Canvas& c, const WallStyle& s, uint32_t salt, int x0, int x1)
{
    for (int x = x0; x <= x1; ++x) {
        for (int row = 0; row < kSouthFace; ++row) {
            const Color m = Masonry(s, x + 3, (row * 2 + 1) % kBand, salt);
            c.Put(x, kHi + 1 + row, Darken(m, row == kSouthFace - 1 ? 150 : 85));
        }
    }
}

void VerticalBand(Canvas& c, const WallStyle& s, uint32_t salt, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y) {
        for (int v = 0; v < kBand; ++v) {
            c.Put(kLo + v, y, Masonry(s, y, v, salt));
        }
    }
}

void EastFace(Canvas& c, const WallStyle& s, uint32_t salt, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y) {
        for (int col = 0; col < kEastFace; ++col) {
            c.Put(kHi + 1 + col, y, Darken(Masonry(s, y, col * 3 + 1, salt), 110 + col * 20));
        }
    }
}

void CapStone(Canvas& c, const WallStyle& s, int grow)
{
    const Color cap = Lighten(s.base, 25);
    for (int y = kLo - grow; y <= kHi + grow; ++y) {
        for (int x = kLo - grow; x <= kHi + grow; ++x) {
            const bool edge = x == kLo - grow || y == kLo - grow || x == kHi + grow || y == kHi + grow;
            c.Put(x, y, edge ? s.mortar : cap);
        }
    }
    c.FillRect(kLo - grow + 1, kLo - grow + 1, kBand + 2 * grow - 2, 1, Lighten(cap, 70));
}

void PaintWall(Canvas& c, const Frame& f, const WallStyle& s, int arms)
{
    const uint32_t salt = StyleSalt(f, s);
    const bool horizontal = (arms & (kEast | kWest)) != 0;
    const bool vertical = (arms & (kNorth | kSouth)) != 0;
    const int x0 = (arms & kWest) ? 0 : kLo;
    const int x1 = (arms & kEast) ? 31 : kHi;
    const int y0 = (arms & kNorth) ? 0 : kLo;
    const int y1 = (arms & kSouth) ? 31 : kHi;
    if (vertical) {
        EastFace(c, s, salt, y0, y1);
    }
    if (!(arms & kSouth)) {
        SouthFace(c, s, salt, horizontal ? x0 : kLo, horizontal ? x1 : kHi);
    }
    if (horizontal) {
        if (arms & kSouth) {
            SouthFace(c, s, salt, x0, x1);
        }
        HorizontalBand(c, s, salt, x0, x1);
    }
    if (vertical) {
        VerticalBand(c, s, salt, y0, y1);
    }
    if (horizontal && vertical) {
        CapStone(c, s, 0);
    }
    if (!horizontal && !vertical) {
        EastFace(c, s, salt, kLo - 1, kHi + 1);
        CapStone(c, s, 1);
    }
    c.Bevel(30, 30, true);
}

void PaintWindow(Canvas& c)
{
    const int left = 11;
    const int right = 20;
    for (int y = kLo + 1; y <= kHi - 1; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool frame = x == left || x == right || y == kLo + 1 || y == kHi - 1 || x == 15 ||
                               y == (kLo + kHi) / 2;
            Color glass = (x - y) % 7 == 0 || (x - y) % 7 == 1 ? Color{0xE4F2FA} : Color{0x8EBCD8};
            c.Put(x, y, frame ? Color{0x5A3A1E} : glass);
        }
    }
}

enum class DoorState { Closed, Open, Locked };

void PaintDoor(Canvas& c, const Frame& f, const WallStyle& s, DoorState state)
{
    const uint32_t salt = StyleSalt(f, s);
    constexpr int kLeft = 10;
    constexpr int kRight = 21;
    SouthFace(c, s, salt, 0, 31);
    HorizontalBand(c, s, salt, 0, 31);
    for (int y = kLo; y <= kHi + kSouthFace; ++y) {
        for (int x = kLeft; x <= kRight; ++x) {
            c.Erase(x, y);
        }
    }
    // Door posts.
    c.FillRect(kLeft - 1, kLo, 1, kBand + kSouthFace, Darken(s.mortar, 60));
    c.FillRect(kRight + 1, kLo, 1, kBand + kSouthFace, Darken(s.mortar, 60));
    const Color wood = state == DoorState::Locked ? Color{0x6A4022} : Color{0x8E5E30};
    if (state == DoorState::Open) {
        // The leaf stands open into the room, seen edge-on.
        c.FillRect(kLeft, kHi - 2, 3, 12, wood);
        c.FillRect(kLeft, kHi - 2, 1, 12, Lighten(wood, 60));
        c.FillRect(kLeft + 2, kHi - 2, 1, 12, Darken(wood, 70));
        c.Bevel(20, 20, true);
        return;
    }
    for (int y = kLo; y <= kHi + kSouthFace; ++y) {
        for (int x = kLeft; x <= kRight; ++x) {
            Color p = (x - kLeft) % 4 == 3 ? Darken(wood, 70) : wood;
            if (y > kHi) {
                p = Darken(p, 60);
            }
            c.Put(x, y, p);
        }
    }
    const Color iron = 0x3C3C44;
    c.FillRect(kLeft, kLo + 2, kRight - kLeft + 1, 2, iron);
    c.FillRect(kLeft, kHi - 3, kRight - kLeft + 1, 2, iron);
    if (state == DoorState::Locked) {
        c.FillRect(17, 13, 4, 5, 0x6C6C78);
        c.Put(18, 14, 0x101010);
        c.Put(18, 15, 0x101010);
        for (int x = kLeft + 1; x <= kRight; x += 3) {
            c.Put(x, kLo + 2, 0xB8B8C4);
            c.Put(x, kHi - 3, 0xB8B8C4);
        }
    } else {
        c.FillRect(18, 15, 2, 2, 0xE0B84A);
    }
    c.Bevel(25, 25, true);
}

void PaintGate(Canvas& c, bool open)
{
    const Color iron = 0x4A4C54;
    c.FillRect(0, kLo, 3, kBand + kSouthFace, 0x5E5A54);
    c.FillRect(29, kLo, 3, kBand + kSouthFace, 0x5E5A54);
    if (open) {
        for (int y = kLo; y < kHi + kSouthFace; y += 3) {
            c.FillRect(3, y, 2, 2, iron);
        }
        c.FillRect(3, kLo, 1, kBand + kSouthFace, Lighten(iron, 60));
        return;
    }
    for (int x = 4; x < 29; x += 3) {
        c.FillRect(x, kLo, 1, kBand + kSouthFace, Lighten(iron, 50));
        c.FillRect(x + 1, kLo, 1, kBand + kSouthFace, iron);
        c.Put(x, kLo - 1, 0x8A8C94);
    }
    c.FillRect(3, kLo + 3, 26, 2, Darken(iron, 40));
    c.FillRect(3, kHi + 1, 26, 2, Darken(iron, 40));
}

// Paints the horizontal form and turns it for the vertical one.
Painter Turned(Painter paint, bool vertical)
{
    return [paint, vertical](Canvas& c, const Frame& f, Random& r) {
        if (!vertical) {
            paint(c, f, r);
            return;
        }
        Canvas h(32, 32);
        paint(h, f, r);
        c.Draw(h.Transposed(), 0, 0);
    };
}

void PaintArch(Canvas& c)
{
    const Color stone = 0xB4AA98;
    for (int x = 0; x < 32; ++x) {
        for (int y = kLo + 2; y <= kHi - 2; ++y) {
            Color p = (x % 5 == 0) ? Color{0x6E685C} : Brighten(stone, (x * 7) % 13 - 6);
            if (y == kLo + 2) {
                p = Lighten(p, 60);
            }
            c.Put(x, y, p);
        }
    }
    c.FillRect(14, kLo, 5, kBand, 0xCEC4B0);
    c.FrameRect(14, kLo, 5, kBand, 0x6E685C);
    c.Bevel(30, 40, true);
}

void PaintBeam(Canvas& c)
{
    for (int x = 0; x < 32; ++x) {
        for (int y = 13; y <= 18; ++y) {
            Color p = 0x5A3A1E;
            if (y == 13) {
                p = 0x7E5630;
            } else if (y == 18) {
                p = 0x2E1C0E;
            } else if ((x * 3 + y) % 11 == 0) {
                p = 0x4A2E16;
            }
            c.Put(x, y, p);
        }
    }
    c.Put(8, 15, 0x1A1A1A);
    c.Put(24, 15, 0x1A1A1A);
}

void PaintCobweb(Canvas& c)
{
    const Color silk = 0xE8E8EC;
    for (int k = 0; k < 5; ++k) {
        const double t = k / 4.0 * 0.25;
        const double dx = CosTurns(t);
        const double dy = SinTurns(t);
        c.Line(0, 0, static_cast<int>(dx * 26), static_cast<int>(dy * 26), silk);
    }
    for (int ring = 6; ring <= 22; ring += 6) {
        for (int k = 0; k < 4; ++k) {
            const double t0 = k / 4.0 * 0.25;
            const double t1 = (k + 1) / 4.0 * 0.25;
            const double sag = ring * 0.85;
            c.Line(static_cast<int>(CosTurns(t0) * ring), static_cast<int>(SinTurns(t0) * ring),
                   static_cast<int>(CosTurns((t0 + t1) / 2) * sag), static_cast<int>(SinTurns((t0 + t1) / 2) * sag),
                   0xC8C8D0);
            c.Line(static_cast<int>(CosTurns((t0 + t1) / 2) * sag), static_cast<int>(SinTurns((t0 + t1) / 2) * sag),
                   static_cast<int>(CosTurns(t1) * ring), static_cast<int>(SinTurns(t1) * ring), 0xC8C8D0);
        }
    }
}

void PaintVines(Canvas& c, Random& r)
{
    for (int strand = 0; strand < 5; ++strand) {
        int x = 3 + strand * 6 + r.Range(-1, 1);
        const int length = r.Range(14, 28);
        for (int y = 0; y < length; ++y) {
            c.Put(x, y, 0x2E5A1E);
            if (y % 4 == 2) {
                const int side = (y / 4) % 2 == 0 ? -1 : 1;
                c.Put(x + side, y, 0x4E8A2E);
                c.Put(x + side * 2, y, 0x6AAA3A);
                c.Put(x + side, y + 1, 0x3E7426);
            }
            if (r.Chance(20)) {
                x += r.Range(-1, 1);
            }
        }
    }
}

// Wall hangings: each is drawn from the front on a 32 x 32 canvas, then placed by its facing
// (pattern column): 0 standing on the floor, 1 on a horizontal wall, 2 on a vertical wall.
using Front = std::function<void(Canvas&, const Frame&, Random&)>;

void PlaceHanging(Canvas& c, const Frame& f, Random& r, const Front& front)
{
    Canvas object(32, 32);
    front(object, f, r);
    FinishObject(object, 0x1A1410, 50, 40);
    switch (f.patternX) {
    case 0: {
        // Leaning on the floor: lower and a little squat, with a shadow.
        Canvas squat = Squeezed(object, 26, 24);
        GroundShadow(c, {16, 28}, 11, 3);
        c.Draw(squat, 3, 7);
        break;
    }
    case 1:
        c.Draw(object, 0, 3);
        break;
    default: {
        // Seen along the wall: a narrow strip on the wall's east face.
        Canvas side = Squeezed(object, 11, 32);
        c.Draw(side, 18, 0);
        break;
    }
    }
}

void FrontTorch(Canvas& c, const Frame& f, Random& r)
{
    c.FillRect(15, 15, 3, 11, 0x6E4420);
    c.FillRect(15, 15, 1, 11, 0x8E6034);
    c.FillRect(13, 13, 7, 3, 0x4A4A52);
    Random flicker = SeededRandom::For(r.Next(), static_cast<uint64_t>(f.phase));
    const double height = 6.0 + f.phase * 1.5;
    c.Ellipse({16.5, 12.0 - height / 2}, 3.6, height / 2 + 1, 0xE0501A);
    c.Ellipse({16.5 + (f.phase - 1) * 0.6, 12.5 - height / 2}, 2.3, height / 2, 0xFFA030);
    c.Ellipse({16.5, 13.0 - height / 3}, 1.2, height / 3, 0xFFF0A0);
    for (int i = 0; i < 3; ++i) {
        c.Put(flicker.Range(13, 20), flicker.Range(1, 6), 0xFFC040);
    }
}

void FrontCandles(Canvas& c, const Frame& f, Random&)
{
    c.FillRect(9, 20, 15, 3, 0xB08A3A);
    c.FillRect(15, 20, 3, 8, 0xB08A3A);
    for (int x : {10, 15, 20}) {
        c.FillRect(x, 13, 3, 7, 0xF2ECD8);
        const int lean = (f.phase + x) % 2 == 0 ? 0 : 1;
        c.Ellipse({x + 1.5 + lean * 0.5, 10.5 - f.phase}, 1.5, 2.5 + f.phase * 0.5, 0xFFA830);
        c.Put(x + 1, 11, 0xFFF4B0);
    }
}

void FrontPainting(Canvas& c, const Frame&, Random& r)
{
    c.FillRect(6, 8, 21, 16, 0xC89A3A);
    c.FillRect(8, 10, 17, 12, 0x7EB4E4);
    c.Disc({20, 13}, 2, 0xFFE27A);
    for (int x = 8; x < 25; ++x) {
        const int hill = 17 + static_cast<int>(2.0 * SinTurns(x / 14.0 + r.Below(10) / 100.0));
        for (int y = hill; y < 22; ++y) {
            c.Put(x, y, y == hill ? Color{0x6AAE46} : Color{0x3E7A2A});
        }
    }
}

void FrontPortrait(Canvas& c, const Frame&, Random&)
{
    c.FillRect(9, 5, 15, 20, 0x6A3E1E);
    c.FillRect(11, 7, 11, 16, 0x2A2430);
    c.Ellipse({16.5, 20}, 5, 3, 0x5A2A6A);
    c.Ellipse({16.5, 13}, 3.2, 4, 0xE8B890);
    c.Ellipse({16.5, 10}, 3.6, 2, 0x5A3418);
    c.Put(15, 13, 0x2A1A10);
    c.Put(18, 13, 0x2A1A10);
}

void FrontBanner(Canvas& c, Color cloth, Color emblem)
{
    c.FillRect(8, 4, 17, 2, 0x6E4A26);
    c.Polygon({{10, 6}, {23, 6}, {23, 27}, {16.5, 22}, {10, 27}}, cloth);
    c.FillRect(12, 7, 1, 16, Lighten(cloth, 40));
    c.Polygon({{16.5, 9}, {20, 13}, {16.5, 17}, {13, 13}}, emblem);
}

void FrontShield(Canvas& c, const Frame&, Random&)
{
    c.Polygon({{8, 6}, {25, 6}, {25, 16}, {16.5, 27}, {8, 16}}, 0xC8CCD4);
    c.FillRect(15, 7, 3, 17, 0xB42828);
    c.FillRect(9, 11, 15, 3, 0xB42828);
    c.Line(8, 6, 25, 6, 0xE8ECF2);
}

void FrontMirror(Canvas& c, const Frame&, Random&)
{
    c.Ellipse({16.5, 15}, 7, 10, 0xC8A040);
    c.Ellipse({16.5, 15}, 5.5, 8.5, 0xA8D0E4);
    c.Line(13, 11, 17, 7, 0xF4FCFF);
    c.Line(14, 14, 19, 9, 0xE0F2FA);
}

void FrontAntlers(Canvas& c, const Frame&, Random&)
{
    c.Ellipse({16.5, 20}, 4, 5, 0x6A4222);
    c.ThickLine({15, 16}, {8, 8}, 2, 0xE8DCC0);
    c.ThickLine({18, 16}, {25, 8}, 2, 0xE8DCC0);
    c.ThickLine({11, 11}, {9, 4}, 1.6, 0xE8DCC0);
    c.ThickLine({22, 11}, {24, 4}, 1.6, 0xE8DCC0);
    c.ThickLine({9, 9}, {5, 7}, 1.4, 0xE8DCC0);
    c.ThickLine({24, 9}, {28, 7}, 1.4, 0xE8DCC0);
}

void FrontBlackboard(Canvas& c, const Frame&, Random& r)
{
    c.FillRect(5, 7, 23, 17, 0x8A5A2E);
    c.FillRect(6, 8, 21, 15, 0x23302A);
    for (int line = 0; line < 3; ++line) {
        const int length = r.Range(9, 17);
        for (int x = 8; x < 8 + length; ++x) {
            if (Hash(static_cast<uint32_t>(x), static_cast<uint32_t>(line)) % 4 != 0) {
                c.Put(x, 11 + line * 4, 0xD8DCD4);
            }
        }
    }
}

void FrontLantern(Canvas& c, const Frame& f, Random&)
{
    c.FillRect(16, 3, 1, 5, 0x3A3A40);
    c.Polygon({{11, 8}, {22, 8}, {20, 11}, {13, 11}}, 0x3A3A40);
    c.FillRect(12, 11, 9, 11, 0x2E2E34);
    c.FillRect(13, 12, 7, 9, f.phase == 0 ? Color{0xFFD070} : Color{0xFFB848});
    c.FillRect(16, 12, 1, 9, 0x2E2E34);
    c.FillRect(11, 22, 11, 2, 0x3A3A40);
}

struct HangingSpec {
    const char* name;
    uint8_t phases;
    bool pickupable;
    double weight;
    Front front;
};

}  // namespace

void AddBuildings(CatalogBuilder& builder)
{
    struct Piece {
        const char* suffix;
        int arms;
        bool horizontal;
        bool vertical;
    };
    const Piece pieces[] = {
        {"horizontal", kWest | kEast, true, false},
        {"vertical", kNorth | kSouth, false, true},
        {"corner north-west", kEast | kSouth, true, true},
        {"corner north-east", kWest | kSouth, true, true},
        {"corner south-west", kNorth | kEast, true, true},
        {"corner south-east", kNorth | kWest, true, true},
        {"pillar", 0, false, false},
    };
    for (const auto& style : kStyles) {
        const std::string name = std::string(style.name) + " wall ";
        for (const auto& piece : pieces) {
            const WallStyle s = style;
            const int arms = piece.arms;
            CatalogItem& item = builder.Add(Section::Walls, name + piece.suffix,
                                            [s, arms](Canvas& c, const Frame& f, Random&) { PaintWall(c, f, s, arms); });
            MakeOnTop(item, 2);
            MakeBlocking(item);
            item.type.horizontal = piece.horizontal;
            item.type.vertical = piece.vertical;
            item.type.minimapColor = style.minimap;
        }
        for (bool vertical : {false, true}) {
            const WallStyle s = style;
            Painter window = [s](Canvas& c, const Frame& f, Random&) {
                PaintWall(c, f, s, kWest | kEast);
                PaintWindow(c);
            };
            CatalogItem& item = builder.Add(Section::Walls, name + (vertical ? "window vertical" : "window horizontal"),
                                            Turned(window, vertical));
            MakeOnTop(item, 2);
            MakeBlocking(item);
            item.type.blockProjectile = true;
            item.type.horizontal = !vertical;
            item.type.vertical = vertical;
            item.type.minimapColor = style.minimap;
        }
    }
    auto addArch = [&builder](const std::string& name, Painter paint, bool horizontal, bool vertical) {
        CatalogItem& item = builder.Add(Section::Walls, name, std::move(paint));
        MakeOnTop(item, 3);
        item.type.horizontal = horizontal;
        item.type.vertical = vertical;
    };
    const Painter arch = [](Canvas& c, const Frame&, Random&) { PaintArch(c); };
    const Painter beam = [](Canvas& c, const Frame&, Random&) { PaintBeam(c); };
    addArch("stone archway horizontal", Turned(arch, false), true, false);
    addArch("stone archway vertical", Turned(arch, true), false, true);
    addArch("wooden beam horizontal", Turned(beam, false), true, false);
    addArch("wooden beam vertical", Turned(beam, true), false, true);
    addArch("cobweb north-west", [](Canvas& c, const Frame&, Random&) { PaintCobweb(c); }, false, false);
    addArch("cobweb north-east",
            [](Canvas& c, const Frame&, Random&) {
                Canvas web(32, 32);
                PaintCobweb(web);
                c.Draw(web.FlippedHorizontally(), 0, 0);
            },
            false, false);
    addArch("hanging vines", [](Canvas& c, const Frame&, Random& r) { PaintVines(c, r); }, false, false);

    for (const WallStyle* style : {&kStyles[0], &kStyles[1], &kStyles[2]}) {
        const struct {
            const char* word;
            DoorState state;
        } states[] = {{"door", DoorState::Closed}, {"open door", DoorState::Open}, {"locked door", DoorState::Locked}};
        for (bool vertical : {false, true}) {
            for (const auto& st : states) {
                const WallStyle s = *style;
                const DoorState state = st.state;
                Painter door = [s, state](Canvas& c, const Frame& f, Random&) { PaintDoor(c, f, s, state); };
                const std::string name = std::string(style->name) + " " + st.word + (vertical ? " vertical" : " horizontal");
                CatalogItem& item = builder.Add(Section::Doors, name, Turned(door, vertical));
                item.type.group = ItemGroup::Door;
                item.nodeGroup = ItemGroup::Door;
                MakeOnTop(item, 2);
                item.type.horizontal = !vertical;
                item.type.vertical = vertical;
                item.type.minimapColor = MinimapColor(4, 2, 0);
                if (state != DoorState::Open) {
                    MakeBlocking(item);
                }
                item.type.useable = true;
            }
        }
    }
    for (bool vertical : {false, true}) {
        for (bool open : {false, true}) {
            Painter gate = [open](Canvas& c, const Frame&, Random&) {
                PaintGate(c, open);
                c.Bevel(30, 30, true);
            };
            const std::string name = std::string(open ? "open iron gate" : "iron gate") + (vertical ? " vertical" : " horizontal");
            CatalogItem& item = builder.Add(Section::Doors, name, Turned(gate, vertical));
            item.type.group = ItemGroup::Door;
            item.nodeGroup = ItemGroup::Door;
            MakeOnTop(item, 2);
            item.type.horizontal = !vertical;
            item.type.vertical = vertical;
            item.type.useable = true;
            item.type.minimapColor = MinimapColor(1, 1, 1);
            if (!open) {
                item.type.blocking = true;
                item.type.blockPath = true;
            }
        }
    }

    const HangingSpec hangings[] = {
        {"wall torch", 3, true, 5.0, FrontTorch},
        {"wall candles", 2, false, 0, FrontCandles},
        {"landscape painting", 1, false, 0, FrontPainting},
        {"portrait", 1, false, 0, FrontPortrait},
        {"red banner", 1, false, 0,
         [](Canvas& c, const Frame&, Random&) { FrontBanner(c, 0xA8202A, 0xE8C44A); }},
        {"blue banner", 1, false, 0,
         [](Canvas& c, const Frame&, Random&) { FrontBanner(c, 0x24449A, 0xE8E8F0); }},
        {"crest shield", 1, false, 0, FrontShield},
        {"mirror", 1, false, 0, FrontMirror},
        {"antlers", 1, true, 18.0, FrontAntlers},
        {"wall lantern", 2, false, 0, FrontLantern},
        {"blackboard", 1, false, 0, FrontBlackboard},
    };
    for (const auto& design : hangings) {
        const Front front = design.front;
        CatalogItem& item = builder.Add(Section::Hangings, design.name, [front](Canvas& c, const Frame& f, Random& r) {
            PlaceHanging(c, f, r, front);
        });
        SetLayout(item, 1, 1, 3, 1, design.phases);
        item.type.hangeable = true;
        if (design.pickupable) {
            MakePickupable(item, design.weight);
        } else {
            MakeFixed(item);
        }
        if (design.phases > 1) {
            AddLight(item, 6, 206);
        }
        if (std::string(design.name) == "blackboard") {
            item.type.group = ItemGroup::Writeable;
            item.nodeGroup = ItemGroup::Writeable;
            item.type.readable = true;
        }
    }
}

}  // namespace tessark::gendata

// Fire and what it leaves, magic fields, portals, depots and the editor's markers.
#include <algorithm>
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

// Tongues of flame over an area; each phase moves them.
void Flames(Canvas& c, const Frame& f, Random& r, Point centre, double spread, double height, int count)
{
    Random flicker = SeededRandom::For(r.Next(), static_cast<uint64_t>(f.phase) + 1);
    for (int i = 0; i < count; ++i) {
        const double x = centre.x + (flicker.Below(1000) / 1000.0 - 0.5) * 2 * spread;
        const double h = height * (0.5 + flicker.Below(500) / 1000.0);
        const double base = centre.y + (flicker.Below(1000) / 1000.0 - 0.5) * spread * 0.5;
        c.Ellipse({x, base - h / 2}, 2.6, h / 2 + 1, 0xD8401A);
        c.Ellipse({x + 0.3, base - h / 2 + 1}, 1.7, h / 2 - 0.5, 0xFF9A2A);
        c.Ellipse({x + 0.3, base - h / 3 + 1}, 0.9, h / 4, 0xFFEC9A);
    }
}

void PaintCampfire(Canvas& c, const Frame& f, Random& r)
{
    c.Ellipse({16, 25}, 11, 4, 0x2A2420);
    for (int k = 0; k < 7; ++k) {
        const double a = k / 7.0;
        c.Ellipse({16 + CosTurns(a) * 11, 25 + SinTurns(a) * 4}, 2.4, 1.8, 0x7A766E);
    }
    c.ThickLine({8, 26}, {23, 21}, 3, 0x6A4222);
    c.ThickLine({9, 21}, {24, 26}, 3, 0x5A3A1E);
    Flames(c, f, r, {16, 23}, 5, 14, 7);
}

void PaintEmbers(Canvas& c, const Frame& f, Random& r)
{
    c.Ellipse({16, 23}, 10, 4, 0x2A2420);
    c.ThickLine({9, 24}, {22, 21}, 2.4, 0x3A2418);
    Random glow = SeededRandom::For(r.Next(), static_cast<uint64_t>(f.phase) + 5);
    for (int i = 0; i < 16; ++i) {
        const int x = glow.Range(8, 24);
        const int y = glow.Range(20, 26);
        c.Put(x, y, glow.Chance(50) ? Color{0xFF6A1A} : Color{0xFFC040});
    }
}

void PaintAshes(Canvas& c, Random& r)
{
    c.Ellipse({16, 23}, 10, 4, 0x5A5650);
    Speckle(c, r, 40, 0x8A857C);
    Speckle(c, r, 20, 0x2A2724);
}

void PaintTorchOnGround(Canvas& c, const Frame& f, Random& r, bool lit)
{
    c.ThickLine({7, 25}, {21, 16}, 2.6, 0x6E4420);
    c.ThickLine({20, 17}, {23, 15}, 3.4, 0x3A3A40);
    if (lit) {
        Flames(c, f, r, {24, 14}, 2, 9, 3);
    } else {
        c.Disc({23, 15}, 1.6, 0x1A1410);
    }
    c.Outline(0x141010);
}

// A magic field glowing over its tile; each phase the pattern shifts.
void PaintField(Canvas& c, const Frame& f, Random& r, Color dark, Color bright, int kind)
{
    Random spark = SeededRandom::For(r.Next(), static_cast<uint64_t>(f.phase) + 9);
    if (kind == 0) {
        Flames(c, f, r, {16, 24}, 11, 16, 12);
        return;
    }
    if (kind == 1) {
        // Poison: bubbling green haze.
        for (int i = 0; i < 26; ++i) {
            const double x = spark.Range(4, 28);
            const double y = spark.Range(8, 28);
            const double rad = 1.5 + spark.Below(25) / 10.0;
            c.Disc({x, y}, rad, spark.Chance(50) ? dark : bright);
            c.Put(static_cast<int>(x - rad / 2), static_cast<int>(y - rad / 2), Lighten(bright, 120));
        }
        return;
    }
    if (kind == 2) {
        // Energy: crackling bolts.
        for (int bolt = 0; bolt < 4; ++bolt) {
            int x = spark.Range(4, 28);
            int y = 2;
            while (y < 30) {
                const int nx = std::clamp(x + spark.Range(-3, 3), 1, 30);
                const int ny = y + spark.Range(2, 5);
                c.Line(x, y, nx, ny, bright);
                c.Line(x + 1, y, nx + 1, ny, dark);
                x = nx;
                y = ny;
            }
        }
        return;
    }
    // A wall of force: a translucent-looking lattice.
    for (int y = 2; y < 30; ++y) {
        for (int x = 4; x < 28; ++x) {
            if ((x + y + f.phase * 2) % 4 == 0 || (x - y + 64 - f.phase * 2) % 6 == 0) {
                c.Put(x, y, bright);
            } else if ((x + y) % 2 == 0) {
                c.Put(x, y, dark);
            }
        }
    }
}

void PaintPortal(Canvas& c, const Frame& f, Color outer, Color inner)
{
    c.Ellipse({16, 18}, 13, 10, Darken(outer, 80));
    for (int arm = 0; arm < 4; ++arm) {
        for (int s = 0; s < 40; ++s) {
            const double t = s / 40.0;
            const double a = arm * 0.25 + t * 0.9 + f.phase / 12.0;
            const double rad = 12 * (1 - t);
            c.Disc({16 + CosTurns(a) * rad, 18 + SinTurns(a) * rad * 0.75}, 1.4 + (1 - t), (s % 8 < 4) ? outer : inner);
        }
    }
    c.Disc({16, 18}, 2.5, 0xFFFFFF);
}

void PaintRuneCircle(Canvas& c, const Frame& f)
{
    const Color glow = f.phase == 0 ? Color{0x6ADCF0} : Color{0xA8F0FA};
    c.EllipseRing({16, 17}, 14, 11, 1.5, glow);
    c.EllipseRing({16, 17}, 10, 7.5, 1, glow);
    for (int k = 0; k < 6; ++k) {
        const double a = k / 6.0 + f.phase / 24.0;
        c.Disc({16 + CosTurns(a) * 12, 17 + SinTurns(a) * 9.2}, 1.4, Lighten(glow, 80));
    }
    c.Polygon({{16, 10}, {22, 21}, {10, 21}}, 0x2A6A8A);
    c.Polygon({{16, 13}, {19.5, 19.5}, {12.5, 19.5}}, glow);
}

void PaintDepot(Canvas& c, bool locker)
{
    if (locker) {
        c.FillRect(5, 2, 22, 6, 0x5A6A7A);
        c.FillRect(5, 8, 22, 20, 0x44525E);
        c.FillRect(15, 8, 1, 20, 0x24303A);
        for (int y = 11; y < 16; y += 2) {
            c.FillRect(8, y, 5, 1, 0x24303A);
            c.FillRect(19, y, 5, 1, 0x24303A);
        }
        c.FillRect(12, 18, 2, 3, 0xE0B040);
        c.FillRect(18, 18, 2, 3, 0xE0B040);
    } else {
        c.FillRect(3, 9, 26, 7, 0x4E7A5A);
        c.FillRect(3, 16, 26, 12, 0x3A5E44);
        c.FillRect(3, 15, 26, 2, 0x1E3424);
        c.FrameRect(3, 9, 26, 19, 0xC8A040);
        c.FillRect(14, 14, 5, 5, 0xC8A040);
        c.Put(16, 16, 0x101010);
    }
    FinishObject(c);
}

// The two markers whose first sprite start-up replaces with a dot grid; their own pictures
// are dot grids too, so the client type and the server type agree.
void PaintMarker(Canvas& c, Color dot)
{
    for (int y = 1; y < 32; y += 4) {
        for (int x = 0; x < 32; x += 4) {
            c.Put(x, y, dot);
            c.Put(x + 1, y, Darken(dot, 60));
        }
    }
}

void PaintSpawnMarker(Canvas& c)
{
    c.EllipseRing({16, 17}, 13, 10, 2, 0xE8641E);
    c.EllipseRing({16, 17}, 10, 7.5, 1, 0xF8C040);
    // A creature's head under the ring: eyes and horns.
    c.Disc({16, 16}, 5, 0x8A1E1A);
    c.Polygon({{11, 14}, {8, 7}, {13, 12}}, 0xF0E8D0);
    c.Polygon({{21, 14}, {24, 7}, {19, 12}}, 0xF0E8D0);
    c.Put(14, 16, 0xFFE040);
    c.Put(18, 16, 0xFFE040);
    c.FillRect(14, 19, 5, 1, 0x2A0A08);
    c.Outline(0x200806);
}

}  // namespace

void AddMagic(CatalogBuilder& builder)
{
    using F = const Frame&;
    auto animated = [&builder](const std::string& name, uint8_t phases, Painter paint) -> CatalogItem& {
        CatalogItem& item = builder.Add(Section::Magic, name, std::move(paint));
        SetLayout(item, 1, 1, 1, 1, phases);
        return item;
    };
    CatalogItem& campfire = animated("campfire", 3, [](Canvas& c, F f, Random& r) { PaintCampfire(c, f, r); });
    MakeFixed(campfire);
    campfire.type.blocking = true;
    AddLight(campfire, 7, 206);
    CatalogItem& embers = animated("embers", 2, [](Canvas& c, F f, Random& r) { PaintEmbers(c, f, r); });
    MakeFixed(embers);
    AddLight(embers, 2, 199);
    CatalogItem& ashes = animated("ashes", 1, [](Canvas& c, F, Random& r) { PaintAshes(c, r); });
    MakeFixed(ashes);
    builder.Decay("campfire", "embers", 600);
    builder.Decay("embers", "ashes", 120);

    CatalogItem& torch = animated("lit torch", 3, [](Canvas& c, F f, Random& r) { PaintTorchOnGround(c, f, r, true); });
    MakePickupable(torch, 5.0);
    AddLight(torch, 6, 206);
    CatalogItem& burnt = animated("burnt torch", 1, [](Canvas& c, F f, Random& r) { PaintTorchOnGround(c, f, r, false); });
    MakePickupable(burnt, 3.0);
    builder.Decay("lit torch", "burnt torch", 1200);

    const struct {
        const char* name;
        uint8_t phases;
        Color dark;
        Color bright;
        int kind;
        int decay;
    } fields[] = {
        {"fire field", 3, 0xD8401A, 0xFFC040, 0, 120},
        {"poison field", 2, 0x2E7A22, 0x8AE83A, 1, 180},
        {"energy field", 3, 0x6A3AD8, 0xE8E8FF, 2, 180},
        {"magic wall", 2, 0x2A4E8A, 0x8AC8F8, 3, 20},
    };
    for (const auto& field : fields) {
        const Color dark = field.dark;
        const Color bright = field.bright;
        const int kind = field.kind;
        CatalogItem& item = animated(field.name, field.phases, [dark, bright, kind](Canvas& c, F f, Random& r) {
            PaintField(c, f, r, dark, bright, kind);
        });
        item.type.group = ItemGroup::MagicField;
        item.nodeGroup = ItemGroup::MagicField;
        MakeFixed(item);
        AddLight(item, 3, field.bright == 0xFFC040 ? 199 : 143);
        if (kind == 3) {
            MakeBlocking(item);
        }
    }
    builder.Decay("fire field", "ashes", 120);

    const struct {
        const char* name;
        uint8_t phases;
        Painter paint;
    } portals[] = {
        {"magic portal", 3, [](Canvas& c, F f, Random&) { PaintPortal(c, f, 0x3A6AE8, 0x9AD0FA); }},
        {"red portal", 3, [](Canvas& c, F f, Random&) { PaintPortal(c, f, 0xC82A2A, 0xF8A040); }},
        {"teleport circle", 2, [](Canvas& c, F f, Random&) { PaintRuneCircle(c, f); }},
    };
    for (const auto& portal : portals) {
        CatalogItem& item = animated(portal.name, portal.phases, portal.paint);
        item.type.group = ItemGroup::Teleport;
        item.xmlKind = "teleport";
        MakeFixed(item);
        item.type.minimapColor = MinimapColor(2, 2, 5);
        AddLight(item, 4, 143);
    }
    for (bool locker : {false, true}) {
        CatalogItem& item = animated(locker ? "depot locker" : "depot chest", 1,
                                     [locker](Canvas& c, F, Random&) { PaintDepot(c, locker); });
        // items.qzb keeps depots as containers; items.xml turns them into depots.
        item.type.group = ItemGroup::Depot;
        item.nodeGroup = ItemGroup::Container;
        item.xmlKind = "depot";
        item.type.capacity = 30;
        MakeFixed(item);
    }

    CatalogItem& yellow = builder.AddFixed(kYellowMarkerId, Section::Special, "yellow marker",
                                           [](Canvas& c, F, Random&) { PaintMarker(c, 0xF0E040); });
    MakeFixed(yellow);
    CatalogItem& red = builder.AddFixed(kRedMarkerId, Section::Special, "red marker",
                                        [](Canvas& c, F, Random&) { PaintMarker(c, 0xE0302A); });
    MakeFixed(red);
    CatalogItem& spawn = builder.AddFixed(kSpawnMarkerId, Section::Special, "spawn marker",
                                          [](Canvas& c, F, Random&) { PaintSpawnMarker(c); });
    MakeFixed(spawn);
}

}  // namespace tessark::gendata

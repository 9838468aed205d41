// Containers, stackable goods, fluids, food, books and corpses.
#include <array>
#include <string>

#include "samples/gendata/CatalogBuilder.h"
#include "samples/gendata/CatalogFamilies.h"
#include "samples/gendata/PaintKit.h"

namespace tessark::gendata {

namespace {

using Random = SeededRandom;

// Fluid kinds by count modulo 8: empty, water, blood, beer, slime, lemonade, milk, mana.
constexpr std::array<Color, 8> kFluids = {0x9AA4AE, 0x3A78D8, 0xA81C1C, 0xC88E2A,
                                          0x5AB83A, 0xF0DC48, 0xF4F4EE, 0x8A3AD8};

int FluidOf(const Frame& f) { return f.patternY * 4 + f.patternX; }

void PaintBackpack(Canvas& c, Color leather)
{
    GroundShadow(c, {16, 28}, 10, 2);
    c.Ellipse({16, 18}, 10, 10, leather);
    c.FillRect(6, 18, 21, 9, leather);
    c.Ellipse({16, 12}, 9, 5, Lighten(leather, 30));
    c.FillRect(8, 12, 17, 6, Lighten(leather, 30));
    c.FillRect(14, 15, 5, 4, 0xC8A040);
    c.FillRect(9, 20, 4, 6, Darken(leather, 40));
    c.FillRect(20, 20, 4, 6, Darken(leather, 40));
    c.FillRect(12, 5, 9, 2, Darken(leather, 60));
    FinishObject(c);
}

void PaintBag(Canvas& c)
{
    GroundShadow(c, {16, 28}, 8, 2);
    c.Ellipse({16, 20}, 8, 8, 0xC8A46A);
    c.Polygon({{12, 13}, {21, 13}, {23, 8}, {10, 8}}, 0xB8945A);
    c.FillRect(12, 12, 9, 2, 0x6A4A26);
    c.Put(14, 18, 0xA8844A);
    c.Put(19, 22, 0xA8844A);
    FinishObject(c);
}

void PaintBasket(Canvas& c)
{
    GroundShadow(c, {16, 28}, 11, 2);
    c.Polygon({{5, 14}, {27, 14}, {24, 27}, {8, 27}}, 0xB88A4A);
    for (int y = 15; y < 27; ++y) {
        for (int x = 5; x < 28; ++x) {
            if (c.IsOpaque(x, y) && ((x + (y / 2) * 2) % 4 == 0)) {
                c.Put(x, y, 0x8A6030);
            }
        }
    }
    c.Ellipse({16, 14}, 11, 3, 0x6A4A26);
    c.Ellipse({16, 14}, 9, 2, 0x3A2A16);
    Arc(c, {16, 14}, 9, 10, 0.0, 0.5, 1.6, 0x8A6030);
    FinishObject(c);
}

void PaintChest(Canvas& c, Color wood, Color trim)
{
    GroundShadow(c, {16, 28}, 13, 2);
    c.FillRect(4, 8, 24, 7, Lighten(wood, 20));
    c.FillRect(4, 15, 24, 12, wood);
    c.FillRect(4, 14, 24, 2, Darken(wood, 80));
    c.FillRect(4, 8, 24, 1, Lighten(wood, 60));
    for (int x : {7, 24}) {
        c.FillRect(x, 8, 2, 19, trim);
    }
    c.FillRect(14, 14, 5, 5, trim);
    c.Put(16, 16, 0x101010);
    FinishObject(c);
}

void PaintQuiver(Canvas& c)
{
    GroundShadow(c, {15, 28}, 8, 2);
    for (int k = 0; k < 4; ++k) {
        const double x = 17 + k * 2.2;
        c.ThickLine({x - 2, 10}, {x + 1, 2}, 1.0, 0x9A7A4A);
        c.Polygon({{x + 1, 1}, {x + 3, 3}, {x + 1, 5}, {x - 1, 3}}, k % 2 ? Color{0xE8E4DA} : Color{0xC83A2A});
    }
    c.ThickLine({11, 26}, {20, 10}, 8, 0x7A4A26);
    c.ThickLine({11, 26}, {20, 10}, 4, 0x9A6232);
    c.ThickLine({15, 20}, {18, 14}, 1, 0xC8A040);
    c.Line(8, 14, 24, 24, 0x4A2E16);
    FinishObject(c);
}

// A pile that grows with the count pattern: 1, 2, 3, 4, 5 to 9, 10 to 24, 25 to 49, 50 to 100.
template <typename DrawOne>
void PaintPile(Canvas& c, const Frame& f, Random& r, DrawOne drawOne)
{
    static constexpr int kShown[8] = {1, 2, 3, 4, 6, 9, 13, 18};
    const int pattern = f.patternY * 4 + f.patternX;
    const int shown = kShown[pattern];
    Random layout = SeededRandom::For(r.Next(), 17);
    for (int i = 0; i < shown; ++i) {
        const double ring = i == 0 ? 0 : 3.0 + (i / 6) * 3.5;
        const double a = i * 0.37 + layout.Below(50) / 1000.0;
        const Point p{16 + CosTurns(a) * ring * 1.3, 20 + SinTurns(a) * ring * 0.7 - i * 0.35};
        drawOne(c, p, i);
    }
}

void Coin(Canvas& c, Point p, Color metal)
{
    c.Ellipse({p.x, p.y + 1}, 4.6, 2.8, Darken(metal, 110));
    c.Ellipse(p, 4.6, 2.8, metal);
    c.Ellipse({p.x, p.y}, 2.6, 1.3, Darken(metal, 40));
    c.Put(static_cast<int>(p.x) - 2, static_cast<int>(p.y) - 1, Lighten(metal, 140));
}

void Arrow(Canvas& c, Point p, bool bolt)
{
    const Point tail{p.x - 8, p.y + 6};
    const Point tip{p.x + 8, p.y - 6};
    c.ThickLine(tail, tip, 1.3, bolt ? Color{0x5A4A3A} : Color{0x9A7A4A});
    c.Polygon({{tip.x + 3, tip.y - 2}, {tip.x - 1, tip.y - 1}, {tip.x + 1, tip.y + 2}}, 0xB8BCC4);
    const Color feather = bolt ? Color{0x4A4A52} : Color{0xE8E4DA};
    c.Line(static_cast<int>(tail.x), static_cast<int>(tail.y), static_cast<int>(tail.x) + 2, static_cast<int>(tail.y) - 3,
           feather);
    c.Line(static_cast<int>(tail.x) + 1, static_cast<int>(tail.y) + 1, static_cast<int>(tail.x) + 4,
           static_cast<int>(tail.y) - 1, bolt ? feather : Color{0xC83A2A});
}

void Star(Canvas& c, Point p)
{
    for (int k = 0; k < 4; ++k) {
        const double a = k * 0.25 + 0.05;
        c.Polygon({{p.x + CosTurns(a) * 6.5, p.y + SinTurns(a) * 4.5},
                   {p.x + CosTurns(a + 0.125) * 1.5, p.y + SinTurns(a + 0.125) * 1.1},
                   {p.x + CosTurns(a - 0.125) * 1.5, p.y + SinTurns(a - 0.125) * 1.1}},
                  0x9AB0D8);
    }
    c.Disc(p, 1.2, 0x2A2C44);
}

void Gem(Canvas& c, Point p, Color stone)
{
    c.Polygon({{p.x - 4, p.y - 1}, {p.x - 2, p.y - 4}, {p.x + 2, p.y - 4}, {p.x + 4, p.y - 1}, {p.x, p.y + 4}},
              stone);
    c.Polygon({{p.x - 4, p.y - 1}, {p.x + 4, p.y - 1}, {p.x, p.y + 4}}, Darken(stone, 50));
    c.Put(static_cast<int>(p.x) - 1, static_cast<int>(p.y) - 2, Lighten(stone, 160));
}

void Apple(Canvas& c, Point p)
{
    c.Disc(p, 3.2, 0xC8281E);
    c.Put(static_cast<int>(p.x) - 1, static_cast<int>(p.y) - 2, 0xF08070);
    c.Put(static_cast<int>(p.x), static_cast<int>(p.y) - 4, 0x5A3A1A);
    c.Put(static_cast<int>(p.x) + 1, static_cast<int>(p.y) - 4, 0x4E9A30);
}

void Fish(Canvas& c, Point p)
{
    c.Ellipse(p, 5, 2.2, 0x8AA8C0);
    c.Polygon({{p.x + 4, p.y}, {p.x + 8, p.y - 3}, {p.x + 8, p.y + 3}}, 0x6A88A0);
    c.Put(static_cast<int>(p.x) - 3, static_cast<int>(p.y) - 1, 0x101820);
    c.Line(static_cast<int>(p.x) - 3, static_cast<int>(p.y) + 1, static_cast<int>(p.x) + 3, static_cast<int>(p.y) + 1,
           0xD8E4EC);
}

void Meat(Canvas& c, Point p)
{
    c.Ellipse(p, 4.5, 3, 0xB8423A);
    c.Ellipse({p.x - 1, p.y - 1}, 2.5, 1.5, 0xD86A5A);
    c.ThickLine({p.x + 3, p.y + 1}, {p.x + 7, p.y + 3}, 1.6, 0xF0E8D8);
}

void Spear(Canvas& c, Point p)
{
    c.ThickLine({p.x - 11, p.y + 9}, {p.x + 8, p.y - 7}, 1.4, 0x8A6A3E);
    c.Polygon({{p.x + 12, p.y - 10}, {p.x + 6, p.y - 7}, {p.x + 9, p.y - 4}}, 0xC0C4CC);
}

void Knife(Canvas& c, Point p)
{
    c.ThickLine({p.x - 4, p.y + 3}, {p.x - 1, p.y + 1}, 1.8, 0x3A2A1A);
    c.ThickLine({p.x - 1, p.y + 1}, {p.x + 6, p.y - 4}, 1.5, 0xC8CCD4);
}

void Stone(Canvas& c, Point p)
{
    c.Ellipse(p, 3.2, 2.5, 0x8A7A62);
    c.Put(static_cast<int>(p.x) - 1, static_cast<int>(p.y) - 1, 0xC8C2B8);
}

// A vessel with the fluid of its pattern. opaque vessels show the fluid only from above.
void PaintVessel(Canvas& c, const Frame& f, int kind)
{
    const int fluid = FluidOf(f);
    const Color liquid = kFluids[static_cast<size_t>(fluid)];
    const bool filled = fluid != 0;
    switch (kind) {
    case 0: {  // vial
        c.FillRect(14, 6, 5, 3, 0x8A6A3E);
        c.FillRect(14, 9, 5, 6, 0xC8E0E8);
        c.Ellipse({16.5, 20}, 6, 7, 0xC8E0E8);
        if (filled) {
            c.Ellipse({16.5, 21}, 5, 5.5, liquid);
        }
        c.Line(13, 17, 13, 22, 0xFFFFFF);
        break;
    }
    case 1: {  // flask
        c.FillRect(14, 4, 5, 9, 0xA8D0B8);
        c.Disc({16.5, 19}, 9, 0xA8D0B8);
        if (filled) {
            c.Ellipse({16.5, 21}, 8, 6.5, liquid);
        }
        c.FillRect(13, 3, 7, 2, 0x6A4A26);
        c.Line(11, 15, 13, 13, 0xF4FFFA);
        break;
    }
    case 2: {  // bottle
        c.FillRect(14, 2, 4, 10, 0x3A7A3A);
        c.FillRect(11, 11, 10, 17, 0x3A7A3A);
        if (filled) {
            c.FillRect(12, 16, 8, 11, Mix(liquid, 0x2A5A2A, 90));
        }
        c.FillRect(12, 12, 1, 13, 0x8AC88A);
        c.FillRect(14, 1, 4, 2, 0x8A6A3E);
        break;
    }
    case 3: {  // bucket
        c.Polygon({{7, 10}, {26, 10}, {23, 27}, {10, 27}}, 0x9A6A3A);
        c.FillRect(8, 14, 18, 2, 0x4A4A52);
        c.FillRect(9, 23, 15, 2, 0x4A4A52);
        c.Ellipse({16.5, 10}, 9.5, 3, 0x5A3A1E);
        c.Ellipse({16.5, 10.5}, 8, 2, filled ? liquid : Color{0x3A2A16});
        Arc(c, {16.5, 11}, 10.5, 9, 0.0, 0.5, 1.2, 0x5A5A62);
        break;
    }
    case 4: {  // mug
        c.FillRect(9, 10, 13, 16, 0x8E9098);
        c.EllipseRing({23, 18}, 5, 5, 2, 0x8E9098);
        c.Ellipse({15.5, 10}, 6.5, 2.5, 0x5E6068);
        c.Ellipse({15.5, 10.5}, 5.5, 1.8, filled ? liquid : Color{0x3A3C42});
        if (fluid == 3) {
            c.Ellipse({15.5, 9}, 6, 2, 0xF8F4E8);  // beer has its head
        }
        c.FillRect(10, 11, 1, 14, 0xC8CAD2);
        break;
    }
    case 5: {  // cup
        c.Polygon({{8, 14}, {25, 14}, {21, 25}, {12, 25}}, 0xE8E2D4);
        c.Ellipse({16.5, 26}, 5, 1.5, 0xC8C2B4);
        c.Ellipse({16.5, 14}, 8.5, 2.5, 0xB8B2A4);
        c.Ellipse({16.5, 14.5}, 7, 1.8, filled ? liquid : Color{0xD8D2C4});
        c.FillRect(10, 18, 13, 1, 0x3A6AB0);
        break;
    }
    case 6: {  // jug
        c.Ellipse({16, 20}, 8, 8, 0xB86A3A);
        c.FillRect(12, 6, 8, 8, 0xB86A3A);
        c.EllipseRing({24, 15}, 4, 6, 1.6, 0xA85A2E);
        c.Ellipse({16, 6}, 4.5, 1.8, 0x6A3A1E);
        c.Ellipse({16, 6.3}, 3.5, 1.2, filled ? liquid : Color{0x3A1E0E});
        c.Polygon({{10, 5}, {12, 4}, {12, 8}}, 0xB86A3A);
        break;
    }
    default: {  // cauldron
        GroundShadow(c, {16, 29}, 13, 2);
        c.Ellipse({16, 19}, 13, 10, 0x2E2E34);
        c.Ellipse({16, 11}, 13, 4, 0x4A4A52);
        c.Ellipse({16, 11.5}, 11, 3, filled ? liquid : Color{0x141418});
        if (filled) {
            c.Disc({12, 11}, 1.2, Lighten(liquid, 100));
            c.Disc({19, 12}, 0.9, Lighten(liquid, 100));
        }
        c.FillRect(6, 27, 3, 3, 0x2E2E34);
        c.FillRect(23, 27, 3, 3, 0x2E2E34);
        break;
    }
    }
    FinishObject(c, 0x141418, 40, 40);
}

void PaintSplash(Canvas& c, const Frame& f, Random& r, bool pool)
{
    const int fluid = FluidOf(f);
    const Color liquid = fluid == 0 ? Color{0x6E6A62} : kFluids[static_cast<size_t>(fluid)];
    Random shape = SeededRandom::For(r.Next(), 3);
    const double size = pool ? 11 : 6;
    c.Ellipse({16, 18}, size, size * 0.6, liquid);
    for (int i = 0; i < (pool ? 6 : 5); ++i) {
        const double a = i / (pool ? 6.0 : 5.0) + shape.Below(100) / 1000.0;
        const double d = size * (0.7 + shape.Below(50) / 100.0);
        c.Ellipse({16 + CosTurns(a) * d, 18 + SinTurns(a) * d * 0.6}, pool ? 4 : 2.4, pool ? 2.5 : 1.5, liquid);
    }
    if (!pool) {
        for (int i = 0; i < 4; ++i) {
            const double a = shape.Below(1000) / 1000.0;
            c.Disc({16 + CosTurns(a) * 11, 18 + SinTurns(a) * 7}, 1, liquid);
        }
    }
    c.Ellipse({13, 16}, size * 0.35, size * 0.15, Lighten(liquid, 90));
    c.Outline(Darken(liquid, 110));
}

void PaintBook(Canvas& c, Color cover, int kind)
{
    GroundShadow(c, {16, 26}, 11, 2);
    if (kind == 0) {
        // Closed book.
        c.Polygon({{6, 12}, {22, 8}, {27, 18}, {11, 23}}, cover);
        c.Polygon({{11, 23}, {27, 18}, {27, 20}, {11, 25}}, 0xF0EAD8);
        c.Polygon({{6, 12}, {11, 23}, {11, 25}, {6, 14}}, Darken(cover, 60));
        c.Line(13, 14, 20, 12, Lighten(cover, 120));
    } else if (kind == 1) {
        // Parchment.
        c.Polygon({{7, 7}, {24, 5}, {26, 25}, {9, 27}}, 0xEEE2C0);
        for (int y = 10; y < 24; y += 3) {
            c.Line(10, y, 22, y - 1, 0xB8A878);
        }
    } else if (kind == 2) {
        // Letter.
        c.FillRect(6, 10, 21, 14, 0xF4F0E6);
        c.Line(6, 10, 16, 18, 0xC8C2B2);
        c.Line(26, 10, 16, 18, 0xC8C2B2);
        c.Disc({16, 18}, 2, 0xB82A2A);
    } else {
        // Scroll.
        c.FillRect(8, 11, 17, 10, 0xEEE2C0);
        c.Ellipse({8, 16}, 2.5, 5.5, 0xD8C8A0);
        c.Ellipse({25, 16}, 2.5, 5.5, 0xD8C8A0);
        c.FillRect(14, 11, 3, 10, 0xB82A2A);
    }
    FinishObject(c, 0x1A1410, 50, 40);
}

void PaintFood(Canvas& c, int kind)
{
    GroundShadow(c, {16, 25}, 9, 2);
    if (kind == 0) {
        c.Ellipse({16, 18}, 10, 6, 0xC88A3A);
        c.Ellipse({15, 16}, 8, 4, 0xE0A850);
        for (int x = 10; x < 22; x += 4) {
            c.Line(x, 14, x + 2, 19, 0xA86A2A);
        }
    } else if (kind == 1) {
        c.Polygon({{6, 20}, {24, 12}, {26, 22}, {8, 26}}, 0xF0D060);
        c.Polygon({{6, 20}, {24, 12}, {25, 14}, {7, 22}}, 0xF8E890);
        c.Disc({14, 21}, 1.3, 0xC8A83A);
        c.Disc({20, 19}, 1, 0xC8A83A);
    } else if (kind == 2) {
        c.Ellipse({14, 18}, 8, 6, 0xC85A4A);
        c.Ellipse({13, 17}, 5, 3.5, 0xE8A090);
        c.ThickLine({20, 20}, {27, 25}, 2.2, 0xF0E8D8);
        c.Disc({27, 25}, 1.8, 0xF0E8D8);
    } else {
        c.Ellipse({16, 20}, 11, 5, 0xF4E8D8);
        c.Ellipse({16, 16}, 10, 4.5, 0xF8F0E4);
        c.FillRect(6, 16, 21, 4, 0xF4E8D8);
        for (int x = 8; x < 26; x += 4) {
            c.Disc({static_cast<double>(x), 15}, 1.2, 0xD42A3A);
        }
    }
    FinishObject(c, 0x2A1A10, 40, 40);
}

// A dead creature, fresh or gone to bones.
void PaintCorpse(Canvas& c, int kind, bool bones)
{
    const double size = kind == 0 ? 0.55 : (kind == 1 ? 0.9 : 1.0);
    const Color fur = kind == 0 ? Color{0x6E5E50} : (kind == 1 ? Color{0x7A7A82} : Color{0x6A5A8A});
    const Color bone = 0xE8E0CC;
    if (!bones) {
        c.Ellipse({17, 22}, 12 * size, 3 * size, 0x8A1E1A);
        c.Ellipse({16, 19}, 10 * size, 4.5 * size, fur);
        c.Ellipse({16 - 9 * size, 17}, 3.5 * size, 3 * size, Lighten(fur, 20));
        c.Line(static_cast<int>(16 - 4 * size), 22, static_cast<int>(16 - 6 * size), 26, Darken(fur, 50));
        c.Line(static_cast<int>(16 + 4 * size), 22, static_cast<int>(16 + 6 * size), 26, Darken(fur, 50));
        c.Put(static_cast<int>(16 - 10 * size), 16, 0x101010);
        if (kind == 2) {
            c.Ellipse({16 - 10 * size, 16}, 3, 2.5, 0xE0B090);
        }
    } else {
        c.ThickLine({16 - 9 * size, 19}, {16 + 9 * size, 19}, 1.5, bone);
        for (int k = -3; k <= 3; ++k) {
            c.Line(static_cast<int>(16 + k * 2 * size), 16, static_cast<int>(16 + k * 2 * size), 22, bone);
        }
        c.Disc({16 - 11 * size, 18}, 3 * size, bone);
        c.Put(static_cast<int>(16 - 12 * size), 17, 0x1A1410);
    }
    FinishObject(c, 0x1E1812, 30, 40);
}

}  // namespace

void AddGoods(CatalogBuilder& builder)
{
    using F = const Frame&;
    struct ContainerSpec {
        const char* name;
        uint32_t capacity;
        double weight;  // 0: cannot be picked up
        Painter paint;
    };
    const ContainerSpec containers[] = {
        {"backpack", 20, 18.0, [](Canvas& c, F, Random&) { PaintBackpack(c, 0x8A5A30); }},
        {"green backpack", 20, 18.0, [](Canvas& c, F, Random&) { PaintBackpack(c, 0x4A6A34); }},
        {"blue backpack", 20, 18.0, [](Canvas& c, F, Random&) { PaintBackpack(c, 0x3A4E7A); }},
        {"bag", 8, 8.0, [](Canvas& c, F, Random&) { PaintBag(c); }},
        {"basket", 6, 9.5, [](Canvas& c, F, Random&) { PaintBasket(c); }},
        {"quiver", 10, 8.0, [](Canvas& c, F, Random&) { PaintQuiver(c); }},
        {"chest", 15, 0, [](Canvas& c, F, Random&) { PaintChest(c, 0x8A5A2E, 0x4A4A52); }},
        {"treasure chest", 20, 0, [](Canvas& c, F, Random&) { PaintChest(c, 0x7A2A22, 0xD8AA3A); }},
        {"wooden box", 10, 0, [](Canvas& c, F, Random&) { PaintChest(c, 0xB88A52, 0x8A6034); }},
    };
    for (const auto& design : containers) {
        CatalogItem& item = builder.Add(Section::Containers, design.name, design.paint);
        item.type.group = ItemGroup::Container;
        item.nodeGroup = ItemGroup::Container;
        item.type.capacity = design.capacity;
        item.xmlKind = "container";  // items.xml names the kind; the editor leaves the group alone
        if (design.weight > 0) {
            MakePickupable(item, design.weight);
        } else {
            item.type.weight = 120.0;
        }
    }
    struct Corpse {
        const char* fresh;
        const char* bones;
        int kind;
    };
    for (const Corpse corpse : {Corpse{"dead rat", "rat bones", 0}, Corpse{"dead wolf", "wolf bones", 1},
                                Corpse{"dead troll", "troll bones", 2}}) {
        const int kind = corpse.kind;
        CatalogItem& fresh =
            builder.Add(Section::Containers, corpse.fresh, [kind](Canvas& c, F, Random&) { PaintCorpse(c, kind, false); });
        fresh.type.group = ItemGroup::Container;
        fresh.nodeGroup = ItemGroup::Container;
        fresh.type.capacity = 5;
        fresh.type.weight = 60.0 + kind * 300.0;
        CatalogItem& bones =
            builder.Add(Section::Containers, corpse.bones, [kind](Canvas& c, F, Random&) { PaintCorpse(c, kind, true); });
        bones.type.weight = 20.0 + kind * 50.0;
        builder.Decay(corpse.fresh, corpse.bones, 300 + kind * 300);
    }

    struct StackSpec {
        const char* name;
        ItemGroup group;
        double weight;
        int attack;
        std::function<void(Canvas&, Point, int)> one;
    };
    const StackSpec stacks[] = {
        {"gold coin", ItemGroup::None, 0.1, 0, [](Canvas& c, Point p, int) { Coin(c, p, 0xE8B83A); }},
        {"silver coin", ItemGroup::None, 0.1, 0, [](Canvas& c, Point p, int) { Coin(c, p, 0xC8CCD4); }},
        {"platinum coin", ItemGroup::None, 0.1, 0, [](Canvas& c, Point p, int) { Coin(c, p, 0x8CC8F4); }},
        {"arrow", ItemGroup::StackableWeapon, 0.7, 25, [](Canvas& c, Point p, int) { Arrow(c, p, false); }},
        {"bolt", ItemGroup::StackableWeapon, 0.8, 30, [](Canvas& c, Point p, int) { Arrow(c, p, true); }},
        {"throwing star", ItemGroup::StackableWeapon, 0.2, 28, [](Canvas& c, Point p, int) { Star(c, p); }},
        {"throwing knife", ItemGroup::StackableWeapon, 5.0, 25, [](Canvas& c, Point p, int) { Knife(c, p); }},
        {"spear", ItemGroup::StackableWeapon, 20.0, 25, [](Canvas& c, Point p, int) { Spear(c, p); }},
        {"throwing stone", ItemGroup::StackableWeapon, 5.0, 12, [](Canvas& c, Point p, int) { Stone(c, p); }},
        {"ruby", ItemGroup::None, 0.1, 0, [](Canvas& c, Point p, int) { Gem(c, p, 0xD42A3A); }},
        {"sapphire", ItemGroup::None, 0.1, 0, [](Canvas& c, Point p, int) { Gem(c, p, 0x2A5AD8); }},
        {"emerald", ItemGroup::None, 0.1, 0, [](Canvas& c, Point p, int) { Gem(c, p, 0x2AB85A); }},
        {"apple", ItemGroup::None, 1.5, 0, [](Canvas& c, Point p, int) { Apple(c, p); }},
        {"fish", ItemGroup::None, 5.2, 0, [](Canvas& c, Point p, int) { Fish(c, p); }},
        {"meat", ItemGroup::None, 13.0, 0, [](Canvas& c, Point p, int) { Meat(c, p); }},
    };
    for (const auto& design : stacks) {
        const auto one = design.one;
        CatalogItem& item = builder.Add(Section::Goods, design.name, [one](Canvas& c, F f, Random& r) {
            PaintPile(c, f, r, one);
            FinishObject(c, 0x1A1410, 40, 40);
        });
        SetLayout(item, 1, 1, 4, 2);
        item.type.group = design.group;
        item.nodeGroup = design.group;
        item.type.stackable = true;
        MakePickupable(item, design.weight);
        item.type.attack = design.attack;
    }

    const char* vessels[] = {"vial", "potion flask", "bottle", "bucket", "mug", "cup", "jug", "cauldron"};
    for (int kind = 0; kind < 8; ++kind) {
        CatalogItem& item =
            builder.Add(Section::Goods, vessels[kind], [kind](Canvas& c, F f, Random&) { PaintVessel(c, f, kind); });
        SetLayout(item, 1, 1, 4, 2);
        item.type.group = ItemGroup::FluidContainer;
        item.nodeGroup = ItemGroup::FluidContainer;
        if (kind == 7) {
            MakeFixed(item);
            item.type.blocking = true;
            item.type.hasHeight = true;
        } else {
            MakePickupable(item, kind < 3 ? 1.8 : 6.5);
        }
    }
    for (bool pool : {false, true}) {
        CatalogItem& item = builder.Add(Section::Goods, pool ? "pool" : "splash",
                                        [pool](Canvas& c, F f, Random& r) { PaintSplash(c, f, r, pool); });
        SetLayout(item, 1, 1, 4, 2);
        item.type.group = ItemGroup::Splash;
        item.nodeGroup = ItemGroup::Splash;
        MakeFixed(item);
    }

    const struct {
        const char* name;
        Color cover;
        int kind;
        bool writeable;
    } books[] = {
        {"red book", 0x9A2228, 0, true},    {"blue book", 0x24409A, 0, true},  {"green book", 0x24703A, 0, true},
        {"black book", 0x2A2428, 0, false}, {"parchment", 0, 1, true},         {"letter", 0, 2, true},
        {"scroll", 0, 3, false},
    };
    for (const auto& book : books) {
        const Color cover = book.cover;
        const int kind = book.kind;
        CatalogItem& item = builder.Add(Section::Goods, book.name,
                                        [cover, kind](Canvas& c, F, Random&) { PaintBook(c, cover, kind); });
        MakePickupable(item, kind == 0 ? 13.0 : 0.5);
        item.type.readable = true;
        if (book.writeable) {
            item.type.group = ItemGroup::Writeable;
            item.nodeGroup = ItemGroup::Writeable;
        }
    }
    const char* foods[] = {"bread", "cheese", "ham", "cake"};
    for (int kind = 0; kind < 4; ++kind) {
        CatalogItem& item =
            builder.Add(Section::Goods, foods[kind], [kind](Canvas& c, F, Random&) { PaintFood(c, kind); });
        MakePickupable(item, 5.0 + kind * 2);
        item.type.useable = true;
    }
}

}  // namespace tessark::gendata

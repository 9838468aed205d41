#pragma once

#include <cstdint>

namespace tessark::gendata {

class SeededRandom;

// A pixel value 0x00RRGGBB, as the sprite file writer takes it.
using Color = uint32_t;

// The transparent key of every sprite.
inline constexpr Color kClear = 0x00FF00FF;

// The outfit areas of creature sprites: the renderer replaces exactly these values with the
// creature's outfit colours, so no other painting may produce them.
inline constexpr Color kOutfitHead = 0x00FFFF00;
inline constexpr Color kOutfitBody = 0x00FF0000;
inline constexpr Color kOutfitLegs = 0x0000FF00;
inline constexpr Color kOutfitFeet = 0x000000FF;

constexpr Color Rgb(int r, int g, int b)
{
    auto clamp = [](int v) { return static_cast<Color>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}
constexpr int Red(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int Green(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Blue(Color c) { return static_cast<int>(c & 0xFF); }

// t = 0 gives a, t = 256 gives b.
Color Mix(Color a, Color b, int t);
// Towards black (amount 0..256).
Color Darken(Color c, int amount);
// Towards white (amount 0..256).
Color Lighten(Color c, int amount);
// Adds one random offset in -amount..amount to all three channels.
Color Jitter(Color c, SeededRandom& random, int amount);
// Changes the brightness by delta on all channels.
Color Brighten(Color c, int delta);

// Index into the minimap's 6 x 6 x 6 colour cube, each level 0..5.
constexpr uint16_t MinimapColor(int r, int g, int b)
{
    return static_cast<uint16_t>(r * 36 + g * 6 + b);
}

// sin and cos of a fraction of a full turn, by a fixed series: the standard functions may round
// differently on other machines, which would change the bytes of the data kit.
double SinTurns(double turns);
double CosTurns(double turns);

}  // namespace tessark::gendata

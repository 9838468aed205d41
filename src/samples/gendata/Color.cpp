#include "samples/gendata/Color.h"

#include "samples/gendata/SeededRandom.h"

namespace tessark::gendata {

Color Mix(Color a, Color b, int t)
{
    if (t <= 0) {
        return a;
    }
    if (t >= 256) {
        return b;
    }
    auto channel = [t](int x, int y) { return (x * (256 - t) + y * t + 128) >> 8; };
    return Rgb(channel(Red(a), Red(b)), channel(Green(a), Green(b)), channel(Blue(a), Blue(b)));
}

Color Darken(Color c, int amount) { return Mix(c, 0x000000, amount); }

Color Lighten(Color c, int amount) { return Mix(c, 0xFFFFFF, amount); }

Color Jitter(Color c, SeededRandom& random, int amount)
{
    return Brighten(c, random.Range(-amount, amount));
}

Color Brighten(Color c, int delta)
{
    return Rgb(Red(c) + delta, Green(c) + delta, Blue(c) + delta);
}

double SinTurns(double turns)
{
    // Reduce to -0.5 .. 0.5 turns, then to -pi .. pi, and sum the series.
    turns -= static_cast<double>(static_cast<long long>(turns));
    if (turns > 0.5) {
        turns -= 1.0;
    } else if (turns < -0.5) {
        turns += 1.0;
    }
    const double x = turns * 6.283185307179586;
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n < 12; ++n) {
        term = -term * x2 / static_cast<double>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double CosTurns(double turns) { return SinTurns(turns + 0.25); }

}  // namespace tessark::gendata

#include "samples/gendata/PaintKit.h"

#include <cmath>

namespace tessark::gendata {

TileNoise::TileNoise(SeededRandom& random, int period, int cellSize)
    : cells_(period / cellSize), cellSize_(cellSize),
      lattice_(static_cast<size_t>(cells_ * cells_))
{
    for (auto& v : lattice_) {
        v = static_cast<double>(random.Below(1001)) / 1000.0;
    }
}

double TileNoise::At(double x, double y) const
{
    const double fx = x / cellSize_;
    const double fy = y / cellSize_;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    double tx = fx - ix;
    double ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [this](int cx, int cy) {
        cx = ((cx % cells_) + cells_) % cells_;
        cy = ((cy % cells_) + cells_) % cells_;
        return lattice_[static_cast<size_t>(cy * cells_ + cx)];
    };
    const double top = at(ix, iy) * (1 - tx) + at(ix + 1, iy) * tx;
    const double bottom = at(ix, iy + 1) * (1 - tx) + at(ix + 1, iy + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

void FillNoise(Canvas& canvas, const TileNoise& noise, Color dark, Color light, SeededRandom& random,
               int grain)
{
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const int t = static_cast<int>(noise.At(x, y) * 256.0);
            canvas.Put(x, y, Jitter(Mix(dark, light, t), random, grain));
        }
    }
}

void Speckle(Canvas& canvas, SeededRandom& random, int count, Color c)
{
    for (int i = 0; i < count; ++i) {
        const int x = random.Range(0, canvas.Width() - 1);
        const int y = random.Range(0, canvas.Height() - 1);
        if (canvas.IsOpaque(x, y)) {
            canvas.Put(x, y, c);
        }
    }
}

void FinishObject(Canvas& canvas, Color outline, int light, int dark)
{
    canvas.Bevel(light, dark);
    canvas.Outline(outline);
}

void GroundShadow(Canvas& canvas, Point centre, double rx, double ry)
{
    canvas.DitherEllipse(centre, rx, ry, 0x14120E);
}

void Arc(Canvas& canvas, Point centre, double rx, double ry, double from, double to, double width, Color c)
{
    constexpr int kSteps = 48;
    Point previous{centre.x + CosTurns(from) * rx, centre.y - SinTurns(from) * ry};
    for (int i = 1; i <= kSteps; ++i) {
        const double t = from + (to - from) * i / kSteps;
        const Point next{centre.x + CosTurns(t) * rx, centre.y - SinTurns(t) * ry};
        canvas.ThickLine(previous, next, width, c);
        previous = next;
    }
}

Canvas Squeezed(const Canvas& canvas, int newWidth, int newHeight)
{
    Canvas out(newWidth, newHeight);
    for (int y = 0; y < newHeight; ++y) {
        for (int x = 0; x < newWidth; ++x) {
            const int sx = x * canvas.Width() / newWidth;
            const int sy = y * canvas.Height() / newHeight;
            const Color c = canvas.Get(sx, sy);
            if (c != kClear) {
                out.PutExact(x, y, c);
            }
        }
    }
    return out;
}

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c)
{
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

}  // namespace tessark::gendata

#pragma once

#include <vector>

#include "samples/gendata/Canvas.h"
#include "samples/gendata/SeededRandom.h"

namespace tessark::gendata {

// Smooth value noise that repeats every `period` pixels in both directions, so ground tiles
// meet without seams. Values 0..1.
class TileNoise {
public:
    TileNoise(SeededRandom& random, int period, int cellSize);
    double At(double x, double y) const;

private:
    int cells_;
    int cellSize_;
    std::vector<double> lattice_;
};

// Fills every pixel with a mix of dark and light by the noise, plus per-pixel grain.
void FillNoise(Canvas& canvas, const TileNoise& noise, Color dark, Color light, SeededRandom& random,
               int grain);
// Single lighter or darker pixels scattered over the opaque area.
void Speckle(Canvas& canvas, SeededRandom& random, int count, Color c);
// The finishing pass of a free-standing object: light from the top left and a dark outline.
void FinishObject(Canvas& canvas, Color outline = 0x1A1410, int light = 70, int dark = 60);
// A dithered shadow under an object, on transparent pixels only.
void GroundShadow(Canvas& canvas, Point centre, double rx, double ry);
// Paints f(x, y) for every pixel of the canvas that f gives a colour (kClear skips).
template <typename F>
void PaintEach(Canvas& canvas, F f)
{
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Color c = f(x, y);
            if (c != kClear) {
                canvas.Put(x, y, c);
            }
        }
    }
}
// A curved stroke along the ellipse from turn `from` to turn `to` (0 = east, 0.25 = north).
void Arc(Canvas& canvas, Point centre, double rx, double ry, double from, double to, double width, Color c);
// Shrinks a canvas by whole pixels (nearest), e.g. for a side view of a wall hanging.
Canvas Squeezed(const Canvas& canvas, int newWidth, int newHeight);
// A small hash of integers for per-brick or per-stone variation that must not depend on the
// order in which a painter visits them.
uint32_t Hash(uint32_t a, uint32_t b = 0, uint32_t c = 0);

}  // namespace tessark::gendata

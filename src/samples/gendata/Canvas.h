#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "samples/gendata/Color.h"

namespace tessark::gendata {

struct Point {
    double x = 0;
    double y = 0;
};

// A pixel picture, top row first, transparent where it holds kClear. Sprites are painted on
// it: one 32 x 32 cell for most item types, a larger canvas cut into cells for big ones.
// Coordinates outside the canvas are ignored, so painters need not clip.
class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<Color>& Pixels() const { return pixels_; }

    Color Get(int x, int y) const;
    bool IsOpaque(int x, int y) const { return Get(x, y) != kClear; }
    // Sets a pixel. Colours that the sprite reader or the renderer give a meaning (the
    // transparent key, the outfit colours) are moved by one step so a painter cannot hit them
    // by chance.
    void Put(int x, int y, Color c);
    // Sets a pixel to exactly this colour, outfit colours included.
    void PutExact(int x, int y, Color c);
    void Erase(int x, int y);

    void Fill(Color c);
    void FillRect(int x, int y, int w, int h, Color c);
    void FrameRect(int x, int y, int w, int h, Color c);
    void Line(int x0, int y0, int x1, int y1, Color c);
    // A line of the given width with round ends.
    void ThickLine(Point a, Point b, double width, Color c);
    void Ellipse(Point centre, double rx, double ry, Color c);
    void Disc(Point centre, double r, Color c) { Ellipse(centre, r, r, c); }
    void EllipseRing(Point centre, double rx, double ry, double thickness, Color c);
    void Polygon(const std::vector<Point>& corners, Color c);
    // A checkerboard of c over the transparent pixels inside the ellipse: a shadow that lets
    // the ground show through.
    void DitherEllipse(Point centre, double rx, double ry, Color c);

    // Transparent pixels next to an opaque one (4-neighbourhood) take colour c.
    void Outline(Color c);
    // Opaque pixels with a transparent neighbour above or left get lighter, below or right
    // darker: a cheap light from the top left. With edgesOpaque, the canvas border counts as
    // opaque, for pieces that continue on the next tile.
    void Bevel(int light, int dark, bool edgesOpaque = false);
    // Copies the opaque pixels of other to (dx, dy).
    void Draw(const Canvas& other, int dx, int dy);
    // Recolours every opaque pixel by f(colour).
    template <typename F>
    void Recolor(F f)
    {
        for (auto& p : pixels_) {
            if (p != kClear) {
                p = f(p);
            }
        }
    }

    Canvas FlippedHorizontally() const;
    Canvas FlippedVertically() const;
    // Mirrors along the main diagonal: a horizontal piece becomes a vertical one.
    Canvas Transposed() const;
    // The 32 x 32 cell whose top-left corner is (x, y), as the sprite file writer takes it.
    std::vector<Color> Cell(int x, int y) const;

private:
    int width_;
    int height_;
    std::vector<Color> pixels_;
};

}  // namespace tessark::gendata

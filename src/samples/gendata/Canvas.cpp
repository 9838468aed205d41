#include "samples/gendata/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tessark::gendata {

namespace {
constexpr int kCell = 32;

Color Harmless(Color c)
{
    c &= 0x00FFFFFF;
    switch (c) {
    case kClear:
        return 0x00FE00FE;
    case 0x00FF11FF:  // the tint pass leaves this value alone
        return 0x00FE11FE;
    case kOutfitHead:
        return 0x00FEFE00;
    case kOutfitBody:
        return 0x00FE0000;
    case kOutfitLegs:
        return 0x0000FE00;
    case kOutfitFeet:
        return 0x000000FE;
    default:
        return c;
    }
}

double SegmentDistanceSquared(Point p, Point a, Point b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x;
    const double ey = a.y + t * dy - p.y;
    return ex * ex + ey * ey;
}
}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), kClear)
{
}

Color Canvas::Get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return kClear;
    }
    return pixels_[static_cast<size_t>(y * width_ + x)];
}

void Canvas::Put(int x, int y, Color c) { PutExact(x, y, Harmless(c)); }

void Canvas::PutExact(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    pixels_[static_cast<size_t>(y * width_ + x)] = c & 0x00FFFFFF;
}

void Canvas::Erase(int x, int y) { PutExact(x, y, kClear); }

void Canvas::Fill(Color c) { FillRect(0, 0, width_, height_, c); }

void Canvas::FillRect(int x, int y, int w, int h, Color c)
{
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            Put(i, j, c);
        }
    }
}

void Canvas::FrameRect(int x, int y, int w, int h, Color c)
{
    for (int i = x; i < x + w; ++i) {
        Put(i, y, c);
        Put(i, y + h - 1, c);
    }
    for (int j = y; j < y + h; ++j) {
        Put(x, j, c);
        Put(x + w - 1, j, c);
    }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Color c)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Put(x0, y0, c);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Canvas::ThickLine(Point a, Point b, double width, Color c)
{
    const double r = width / 2.0;
    const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - r - 1));
    const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + r + 1));
    const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - r - 1));
    const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + r + 1));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (SegmentDistanceSquared({x + 0.5, y + 0.5}, a, b) <= r * r) {
                Put(x, y, c);
            }
        }
    }
}

void Canvas::Ellipse(Point centre, double rx, double ry, Color c)
{
    if (rx <= 0 || ry <= 0) {
        return;
    }
    for (int y = static_cast<int>(centre.y - ry - 1); y <= static_cast<int>(centre.y + ry + 1); ++y) {
        for (int x = static_cast<int>(centre.x - rx - 1); x <= static_cast<int>(centre.x + rx + 1);
             ++x) {
            const double nx = (x + 0.5 - centre.x) / rx;
            const double ny = (y + 0.5 - centre.y) / ry;
            if (nx * nx + ny * ny <= 1.0) {
                Put(x, y, c);
            }
        }
    }
}

void Canvas::EllipseRing(Point centre, double rx, double ry, double thickness, Color c)
{
    for (int y = static_cast<int>(centre.y - ry - 1); y <= static_cast<int>(centre.y + ry + 1); ++y) {
        for (int x = static_cast<int>(centre.x - rx - 1); x <= static_cast<int>(centre.x + rx + 1);
             ++x) {
            const double nx = (x + 0.5 - centre.x) / rx;
            const double ny = (y + 0.5 - centre.y) / ry;
            const double ix = rx > thickness ? (x + 0.5 - centre.x) / (rx - thickness) : 1e9;
            const double iy = ry > thickness ? (y + 0.5 - centre.y) / (ry - thickness) : 1e9;
            if (nx * nx + ny * ny <= 1.0 && ix * ix + iy * iy > 1.0) {
                Put(x, y, c);
            }
        }
    }
}

void Canvas::Polygon(const std::vector<Point>& corners, Color c)
{
    if (corners.size() < 3) {
        return;
    }
    double minY = corners[0].y;
    double maxY = corners[0].y;
    for (const auto& p : corners) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
        const double py = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % corners.size()];
            if ((a.y <= py && b.y > py) || (b.y <= py && a.y > py)) {
                crossings.push_back(a.x + (py - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = static_cast<int>(std::floor(crossings[i])); x <= static_cast<int>(crossings[i + 1]);
                 ++x) {
                if (x + 0.5 >= crossings[i] && x + 0.5 <= crossings[i + 1]) {
                    Put(x, y, c);
                }
            }
        }
    }
}

void Canvas::DitherEllipse(Point centre, double rx, double ry, Color c)
{
    for (int y = static_cast<int>(centre.y - ry - 1); y <= static_cast<int>(centre.y + ry + 1); ++y) {
        for (int x = static_cast<int>(centre.x - rx - 1); x <= static_cast<int>(centre.x + rx + 1);
             ++x) {
            const double nx = (x + 0.5 - centre.x) / rx;
            const double ny = (y + 0.5 - centre.y) / ry;
            if (nx * nx + ny * ny <= 1.0 && ((x + y) & 1) == 0 && !IsOpaque(x, y)) {
                Put(x, y, c);
            }
        }
    }
}

void Canvas::Outline(Color c)
{
    std::vector<Color> next = pixels_;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (IsOpaque(x, y)) {
                continue;
            }
            if (IsOpaque(x - 1, y) || IsOpaque(x + 1, y) || IsOpaque(x, y - 1) || IsOpaque(x, y + 1)) {
                next[static_cast<size_t>(y * width_ + x)] = Harmless(c);
            }
        }
    }
    pixels_ = std::move(next);
}

void Canvas::Bevel(int light, int dark, bool edgesOpaque)
{
    auto solid = [this, edgesOpaque](int x, int y) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return edgesOpaque;
        }
        return IsOpaque(x, y);
    };
    std::vector<Color> next = pixels_;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Color p = Get(x, y);
            if (p == kClear) {
                continue;
            }
            Color q = p;
            if (!solid(x, y - 1) || !solid(x - 1, y)) {
                q = Lighten(p, light);
            } else if (!solid(x, y + 1) || !solid(x + 1, y)) {
                q = Darken(p, dark);
            }
            next[static_cast<size_t>(y * width_ + x)] = Harmless(q);
        }
    }
    pixels_ = std::move(next);
}

void Canvas::Draw(const Canvas& other, int dx, int dy)
{
    for (int y = 0; y < other.height_; ++y) {
        for (int x = 0; x < other.width_; ++x) {
            const Color p = other.Get(x, y);
            if (p != kClear) {
                PutExact(x + dx, y + dy, p);
            }
        }
    }
}

Canvas Canvas::FlippedHorizontally() const
{
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            out.PutExact(width_ - 1 - x, y, Get(x, y));
        }
    }
    return out;
}

Canvas Canvas::FlippedVertically() const
{
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            out.PutExact(x, height_ - 1 - y, Get(x, y));
        }
    }
    return out;
}

Canvas Canvas::Transposed() const
{
    Canvas out(height_, width_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            out.PutExact(y, x, Get(x, y));
        }
    }
    return out;
}

std::vector<Color> Canvas::Cell(int x, int y) const
{
    std::vector<Color> cell(static_cast<size_t>(kCell * kCell), kClear);
    for (int j = 0; j < kCell; ++j) {
        for (int i = 0; i < kCell; ++i) {
            cell[static_cast<size_t>(j * kCell + i)] = Get(x + i, y + j);
        }
    }
    return cell;
}

}  // namespace tessark::gendata

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Rect.h"

namespace tessark {

// Read-only 32-bit pixels, top row first; stride in pixels.
struct ImageView {
    const uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    bool IsEmpty() const { return width <= 0 || height <= 0 || pixels == nullptr; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * stride + x]; }
};

// How a one-bit pattern is combined with the destination.
enum class PatternOp { And, Or };

// An 8 x 8 one-bit pattern, one byte per row, the leftmost pixel in the highest bit.
using Pattern8 = std::array<uint8_t, 8>;

// A 32-bit pixel buffer drawn in software: pixel values 0x00RRGGBB, bytes blue, green, red, 0 in
// memory, top row first, no padding (the layout of a Qt RGB32 image, so a window can show it
// without a copy). Like a drawing context it carries a clip rectangle and a mapping from logical
// drawing units to its pixels; the drawing operations themselves take pixel rectangles and clip.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, uint32_t fill = 0);

    // New size, every pixel set to fill, clip reset to the whole surface.
    void Resize(int width, int height, uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    uint32_t* Pixels() { return pixels_.data(); }
    const uint32_t* Pixels() const { return pixels_.data(); }
    uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint8_t* Bytes() const;
    int BytesPerLine() const { return width_ * 4; }
    ImageView View() const { return {pixels_.data(), width_, height_, width_}; }

    // Reads 0 and ignores writes outside the surface (the clip does not apply).
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t pixel);

    // The clip rectangle in pixels; always inside the surface.
    void SetClip(const Rect& clip);
    void ResetClip() { clip_ = Bounds(); }
    const Rect& Clip() const { return clip_; }
    bool IsVisible(const Rect& pixels) const { return pixels.Intersects(clip_); }

    // Logical unit v lies at pixel round(v * scalePercent / 100) + origin, halves away from zero.
    void SetMapping(int scalePercent, Point origin);
    int ScalePercent() const { return scalePercent_; }
    Point Origin() const { return origin_; }
    Point ToDevice(Point logical) const;
    Rect ToDevice(const Rect& logical) const;
    Point ToLogical(Point device) const;
    Rect ToLogical(const Rect& device) const;

    // Drawing in pixels, clipped to the clip rectangle.
    void Fill(const Rect& area, uint32_t pixel);
    // One-pixel outline along the inside of the rectangle.
    void Frame(const Rect& area, uint32_t pixel);
    // One-pixel outline that inverts what is under it, every pixel once.
    void InvertFrame(const Rect& area);
    // Scales the source into the area, each pixel taking one source pixel (no blending).
    void StretchCopy(const Rect& area, const ImageView& source);
    // As StretchCopy, but source pixels equal to the key leave the destination as it was.
    void TransparentCopy(const Rect& area, const ImageView& source, uint32_t keyPixel);
    // Combines the area with an 8 x 8 pattern anchored at pixel (0, 0): 0 bits stand for
    // zeroPixel, 1 bits for onePixel.
    void PatternFill(const Rect& area, const Pattern8& pattern, uint32_t zeroPixel, uint32_t onePixel,
                     PatternOp op);
    // Bitwise AND / OR of the area with the same-sized part of the source at its top-left.
    void AndWith(const Rect& area, const ImageView& source);
    void OrWith(const Rect& area, const ImageView& source);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
    Rect clip_;
    int scalePercent_ = 100;
    Point origin_;
};

// Scaling without blending: the destination pixel i (of d) takes source pixel i * s / d,
// columns counted from the left and rows from the bottom, so the bottom-left pixel always stays.
inline int SampleIndex(int i, int source, int destination)
{
    return static_cast<int>(static_cast<int64_t>(i) * source / destination);
}

}  // namespace tessark

#include "platform/Surface.h"

#include <bit>

namespace tessark {

static_assert(std::endian::native == std::endian::little,
              "pixels are stored as little-endian words so that memory reads blue, green, red, 0");

namespace {

// round(value / divisor), halves away from zero; divisor > 0.
int RoundedDivide(int64_t value, int64_t divisor)
{
    if (value >= 0) {
        return static_cast<int>((2 * value + divisor) / (2 * divisor));
    }
    return -static_cast<int>((-2 * value + divisor) / (2 * divisor));
}

// Walks the source columns of one destination row: SampleIndex without a division per pixel.
class ColumnStepper {
public:
    ColumnStepper(int first, int source, int destination)
        : source_(source), destination_(destination)
    {
        int64_t product = static_cast<int64_t>(first) * source;
        index_ = static_cast<int>(product / destination);
        remainder_ = static_cast<int>(product % destination);
    }
    int Index() const { return index_; }
    void Next()
    {
        remainder_ += source_;
        while (remainder_ >= destination_) {
            remainder_ -= destination_;
            ++index_;
        }
    }

private:
    int source_;
    int destination_;
    int index_ = 0;
    int remainder_ = 0;
};

// The source row (top row first) shown in destination row y of the area.
int SourceRow(const Rect& area, int y, int sourceHeight)
{
    int fromBottom = area.bottom - 1 - y;
    return sourceHeight - 1 - SampleIndex(fromBottom, sourceHeight, area.Height());
}

}  // namespace

Surface::Surface(int width, int height, uint32_t fill)
{
    Resize(width, height, fill);
}

void Surface::Resize(int width, int height, uint32_t fill)
{
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    pixels_.assign(static_cast<size_t>(width_) * height_, fill);
    clip_ = Bounds();
}

const uint8_t* Surface::Bytes() const
{
    return reinterpret_cast<const uint8_t*>(pixels_.data());
}

uint32_t Surface::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return Row(y)[x];
}

void Surface::SetPixel(int x, int y, uint32_t pixel)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        Row(y)[x] = pixel;
    }
}

void Surface::SetClip(const Rect& clip)
{
    clip_ = clip.Intersect(Bounds());
}

void Surface::SetMapping(int scalePercent, Point origin)
{
    scalePercent_ = scalePercent > 0 ? scalePercent : 1;
    origin_ = origin;
}

Point Surface::ToDevice(Point logical) const
{
    if (scalePercent_ == 100) {
        return {logical.x + origin_.x, logical.y + origin_.y};
    }
    // Every sprite draw maps its rectangle: keep to 32-bit arithmetic while it cannot overflow.
    constexpr int kSmall = 1 << 20;
    if (scalePercent_ <= 1000 && logical.x > -kSmall && logical.x < kSmall && logical.y > -kSmall &&
        logical.y < kSmall) {
        auto scale = [this](int v) {
            const int n = v * scalePercent_;
            return n >= 0 ? (n + 50) / 100 : -((50 - n) / 100);
        };
        return {scale(logical.x) + origin_.x, scale(logical.y) + origin_.y};
    }
    return {RoundedDivide(static_cast<int64_t>(logical.x) * scalePercent_, 100) + origin_.x,
            RoundedDivide(static_cast<int64_t>(logical.y) * scalePercent_, 100) + origin_.y};
}

Rect Surface::ToDevice(const Rect& logical) const
{
    Point topLeft = ToDevice(Point{logical.left, logical.top});
    Point bottomRight = ToDevice(Point{logical.right, logical.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

Point Surface::ToLogical(Point device) const
{
    return {RoundedDivide(static_cast<int64_t>(device.x - origin_.x) * 100, scalePercent_),
            RoundedDivide(static_cast<int64_t>(device.y - origin_.y) * 100, scalePercent_)};
}

Rect Surface::ToLogical(const Rect& device) const
{
    Point topLeft = ToLogical(Point{device.left, device.top});
    Point bottomRight = ToLogical(Point{device.right, device.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void Surface::Fill(const Rect& area, uint32_t pixel)
{
    Rect c = area.Intersect(clip_);
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* row = Row(y);
        for (int x = c.left; x < c.right; ++x) {
            row[x] = pixel;
        }
    }
}

void Surface::Frame(const Rect& area, uint32_t pixel)
{
    if (area.IsEmpty()) {
        return;
    }
    Fill({area.left, area.top, area.right, area.top + 1}, pixel);
    Fill({area.left, area.bottom - 1, area.right, area.bottom}, pixel);
    Fill({area.left, area.top + 1, area.left + 1, area.bottom - 1}, pixel);
    Fill({area.right - 1, area.top + 1, area.right, area.bottom - 1}, pixel);
}

void Surface::InvertFrame(const Rect& area)
{
    if (area.IsEmpty()) {
        return;
    }
    auto invert = [this](const Rect& strip) {
        Rect c = strip.Intersect(clip_);
        for (int y = c.top; y < c.bottom; ++y) {
            uint32_t* row = Row(y);
            for (int x = c.left; x < c.right; ++x) {
                row[x] ^= 0x00FFFFFFu;
            }
        }
    };
    // The four strips do not overlap, so no pixel is inverted twice.
    invert({area.left, area.top, area.right, area.top + 1});
    if (area.Height() > 1) {
        invert({area.left, area.bottom - 1, area.right, area.bottom});
    }
    invert({area.left, area.top + 1, area.left + 1, area.bottom - 1});
    if (area.Width() > 1) {
        invert({area.right - 1, area.top + 1, area.right, area.bottom - 1});
    }
}

void Surface::StretchCopy(const Rect& area, const ImageView& source)
{
    Rect c = area.Intersect(clip_);
    if (c.IsEmpty() || source.IsEmpty()) {
        return;
    }
    const int columns = c.Width();
    for (int y = c.top; y < c.bottom; ++y) {
        const uint32_t* from = source.pixels + static_cast<size_t>(SourceRow(area, y, source.height)) * source.stride;
        uint32_t* to = Row(y) + c.left;
        ColumnStepper column(c.left - area.left, source.width, area.Width());
        for (int i = 0; i < columns; ++i, column.Next()) {
            to[i] = from[column.Index()];
        }
    }
}

void Surface::TransparentCopy(const Rect& area, const ImageView& source, uint32_t keyPixel)
{
    Rect c = area.Intersect(clip_);
    if (c.IsEmpty() || source.IsEmpty()) {
        return;
    }
    const int columns = c.Width();
    if (area.Width() == source.width && area.Height() == source.height) {
        // Unscaled: a plain select per pixel, which the compiler vectorises.
        for (int y = c.top; y < c.bottom; ++y) {
            const uint32_t* from = source.pixels + static_cast<size_t>(y - area.top) * source.stride +
                                   (c.left - area.left);
            uint32_t* to = Row(y) + c.left;
            for (int i = 0; i < columns; ++i) {
                uint32_t p = from[i];
                to[i] = p == keyPixel ? to[i] : p;
            }
        }
        return;
    }
    for (int y = c.top; y < c.bottom; ++y) {
        const uint32_t* from = source.pixels + static_cast<size_t>(SourceRow(area, y, source.height)) * source.stride;
        uint32_t* to = Row(y) + c.left;
        ColumnStepper column(c.left - area.left, source.width, area.Width());
        for (int i = 0; i < columns; ++i, column.Next()) {
            uint32_t p = from[column.Index()];
            if (p != keyPixel) {
                to[i] = p;
            }
        }
    }
}

void Surface::PatternFill(const Rect& area, const Pattern8& pattern, uint32_t zeroPixel, uint32_t onePixel,
                          PatternOp op)
{
    Rect c = area.Intersect(clip_);
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* row = Row(y);
        const uint8_t bits = pattern[static_cast<size_t>(y & 7)];
        uint32_t values[8];
        for (int b = 0; b < 8; ++b) {
            values[b] = (bits & (0x80u >> b)) ? onePixel : zeroPixel;
        }
        if (op == PatternOp::And) {
            for (int x = c.left; x < c.right; ++x) {
                row[x] &= values[x & 7];
            }
        } else {
            for (int x = c.left; x < c.right; ++x) {
                row[x] |= values[x & 7];
            }
        }
    }
}

void Surface::AndWith(const Rect& area, const ImageView& source)
{
    Rect c = area.Intersect(clip_).Intersect({area.left, area.top, area.left + source.width, area.top + source.height});
    for (int y = c.top; y < c.bottom; ++y) {
        const uint32_t* from = source.pixels + static_cast<size_t>(y - area.top) * source.stride;
        uint32_t* row = Row(y);
        for (int x = c.left; x < c.right; ++x) {
            row[x] &= from[x - area.left];
        }
    }
}

void Surface::OrWith(const Rect& area, const ImageView& source)
{
    Rect c = area.Intersect(clip_).Intersect({area.left, area.top, area.left + source.width, area.top + source.height});
    for (int y = c.top; y < c.bottom; ++y) {
        const uint32_t* from = source.pixels + static_cast<size_t>(y - area.top) * source.stride;
        uint32_t* row = Row(y);
        for (int x = c.left; x < c.right; ++x) {
            row[x] |= from[x - area.left];
        }
    }
}

}  // namespace tessark

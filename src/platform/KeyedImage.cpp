#include "platform/KeyedImage.h"

#include <algorithm>
#include <cstring>

namespace tessark {

void KeyedImage::Build(const ImageView& source, uint32_t keyPixel)
{
    width_ = std::clamp(source.IsEmpty() ? 0 : source.width, 0, 0xFFFF);
    height_ = source.IsEmpty() ? 0 : source.height;
    pixels_.resize(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        std::copy_n(source.pixels + static_cast<size_t>(y) * source.stride, width_,
                    pixels_.data() + static_cast<size_t>(y) * width_);
    }
    FindRuns(keyPixel);
}

void KeyedImage::BuildScaled(const ImageView& source, int width, int height, uint32_t keyPixel)
{
    scratch_.Resize(width, height, keyPixel);
    scratch_.StretchCopy(scratch_.Bounds(), source);
    Build(scratch_.View(), keyPixel);
}

void KeyedImage::FindRuns(uint32_t keyPixel)
{
    runs_.clear();
    rowRuns_.assign(static_cast<size_t>(height_) + 1, 0);
    for (int y = 0; y < height_; ++y) {
        rowRuns_[static_cast<size_t>(y)] = static_cast<uint32_t>(runs_.size());
        const uint32_t* row = Row(y);
        int x = 0;
        while (x < width_) {
            while (x < width_ && row[x] == keyPixel) {
                ++x;
            }
            const int start = x;
            while (x < width_ && row[x] != keyPixel) {
                ++x;
            }
            if (x > start) {
                runs_.push_back({static_cast<uint16_t>(start), static_cast<uint16_t>(x - start)});
            }
        }
    }
    rowRuns_[static_cast<size_t>(height_)] = static_cast<uint32_t>(runs_.size());
}

void CopyKeyed(Surface& surface, Point topLeft, const KeyedImage& image)
{
    const Rect& clip = surface.Clip();
    const int top = std::max(topLeft.y, clip.top);
    const int bottom = std::min(topLeft.y + image.Height(), clip.bottom);
    const int minX = clip.left - topLeft.x;
    const int maxX = clip.right - topLeft.x;
    for (int y = top; y < bottom; ++y) {
        const int row = y - topLeft.y;
        const uint32_t* from = image.Row(row);
        uint32_t* to = surface.Row(y);
        for (const KeyedImage::Run* run = image.RunsBegin(row); run != image.RunsEnd(row); ++run) {
            const int a = std::max<int>(run->start, minX);
            const int b = std::min<int>(run->start + run->length, maxX);
            if (b - a > 8) {
                std::memcpy(to + (topLeft.x + a), from + a, static_cast<size_t>(b - a) * sizeof(uint32_t));
            } else {
                // Zoomed out, runs are a few pixels long: a call would cost more than the copy.
                for (int x = a; x < b; ++x) {
                    to[topLeft.x + x] = from[x];
                }
            }
        }
    }
}

}  // namespace tessark

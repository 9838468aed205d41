#pragma once

#include <cstdint>
#include <vector>

#include "platform/Surface.h"

namespace tessark {

// An image prepared for colour-keyed copies: its pixels and, per row, the runs of pixels that
// are not the key. Copying it moves whole runs and never looks at a key pixel, which is what
// makes drawing thousands of sprites a frame cheap.
class KeyedImage {
public:
    struct Run {
        uint16_t start;
        uint16_t length;
    };

    // The source as it is, or scaled to width x height the way Surface::StretchCopy scales.
    void Build(const ImageView& source, uint32_t keyPixel);
    void BuildScaled(const ImageView& source, int width, int height, uint32_t keyPixel);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasOpaquePixels() const { return !runs_.empty(); }
    // The heap memory held, for caches that keep many.
    size_t MemoryBytes() const
    {
        return pixels_.capacity() * sizeof(uint32_t) + runs_.capacity() * sizeof(Run) +
               rowRuns_.capacity() * sizeof(uint32_t) + static_cast<size_t>(scratch_.BytesPerLine()) * scratch_.Height();
    }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const Run* RunsBegin(int y) const { return runs_.data() + rowRuns_[static_cast<size_t>(y)]; }
    const Run* RunsEnd(int y) const { return runs_.data() + rowRuns_[static_cast<size_t>(y) + 1]; }

private:
    void FindRuns(uint32_t keyPixel);

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
    std::vector<Run> runs_;
    std::vector<uint32_t> rowRuns_;
    Surface scratch_;
};

// Copies the image's opaque pixels with its top-left corner at the pixel, inside the clip.
void CopyKeyed(Surface& surface, Point topLeft, const KeyedImage& image);

}  // namespace tessark

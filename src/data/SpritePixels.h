#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessark {

// The decoded pixels of a sprite, read-only and shared by copies: a sprite file may point many
// sprite ids at the same data, and each id then holds the one decoded copy instead of its own
// 4 KB. Changing pixels means assigning new ones.
class SpritePixels {
public:
    SpritePixels() = default;
    // Implicit, so that decoded pixels are assigned as they come.
    SpritePixels(std::vector<uint32_t> pixels)
        : pixels_(std::make_shared<const std::vector<uint32_t>>(std::move(pixels)))
    {
    }

    void assign(size_t count, uint32_t pixel) { *this = std::vector<uint32_t>(count, pixel); }
    void clear() { pixels_.reset(); }

    size_t size() const { return pixels_ ? pixels_->size() : 0; }
    bool empty() const { return size() == 0; }
    const uint32_t* data() const { return pixels_ ? pixels_->data() : nullptr; }
    uint32_t operator[](size_t index) const { return (*pixels_)[index]; }
    const uint32_t* begin() const { return data(); }
    const uint32_t* end() const { return data() + size(); }

    bool SharesWith(const SpritePixels& other) const { return pixels_ && pixels_ == other.pixels_; }
    bool operator==(const std::vector<uint32_t>& other) const
    {
        return pixels_ ? *pixels_ == other : other.empty();
    }

private:
    std::shared_ptr<const std::vector<uint32_t>> pixels_;
};

}  // namespace tessark

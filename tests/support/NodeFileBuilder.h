#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "support/ScratchDirectory.h"

namespace tessark::test {

// Assembles node-file bytes by hand. Markers go in raw; data bytes are escaped (0xFD before
// 0xFD, 0xFE, 0xFF) unless added with Raw. Starts with the 4-byte zero identifier.
class NodeFileBuilder {
public:
    explicit NodeFileBuilder(bool withIdentifier = true) : bytes_(withIdentifier ? 4 : 0, 0) {}

    // 0xFE and the type byte, raw; returns the node's handle (offset of its 0xFE).
    uint32_t Start(uint8_t type)
    {
        const uint32_t handle = Size();
        Raw({0xFE, type});
        return handle;
    }
    NodeFileBuilder& End() { return Raw({0xFF}); }
    NodeFileBuilder& Props(std::span<const uint8_t> bytes)
    {
        for (uint8_t byte : bytes) {
            if (byte >= 0xFD) {
                bytes_.push_back(0xFD);
            }
            bytes_.push_back(byte);
        }
        return *this;
    }
    NodeFileBuilder& Props(std::initializer_list<uint8_t> bytes) { return Props(std::span(bytes.begin(), bytes.size())); }
    NodeFileBuilder& U8(uint8_t value) { return Props({value}); }
    NodeFileBuilder& U16(uint16_t value) { return Props({static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)}); }
    NodeFileBuilder& U32(uint32_t value) { return U16(static_cast<uint16_t>(value)).U16(static_cast<uint16_t>(value >> 16)); }
    NodeFileBuilder& Text(std::string_view text)
    {
        return Props(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    NodeFileBuilder& Raw(std::initializer_list<uint8_t> bytes)
    {
        bytes_.insert(bytes_.end(), bytes);
        return *this;
    }

    uint32_t Size() const { return static_cast<uint32_t>(bytes_.size()); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

using NodeFileTestDir = ScratchDirectory;

}  // namespace tessark::test

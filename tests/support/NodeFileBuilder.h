#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/ScratchDirectory.h"

namespace tessark::test {

// Assembles node-file bytes by hand. Markers go in raw; data bytes are escaped (0xFD before
// 0xFD, 0xFE, 0xFF) unless added with Raw. Starts with the 4-byte zero identifier.
class NodeFileBuilder {
public:
    explicit NodeFileBuilder(bool withIdentifier = true);

    // 0xFE and the type byte, raw; returns the node's handle (offset of its 0xFE).
    uint32_t Start(uint8_t type);
    NodeFileBuilder& End();
    NodeFileBuilder& Props(std::span<const uint8_t> bytes);
    NodeFileBuilder& Props(std::initializer_list<uint8_t> bytes);
    NodeFileBuilder& U8(uint8_t value);
    NodeFileBuilder& U16(uint16_t value);
    NodeFileBuilder& U32(uint32_t value);
    NodeFileBuilder& Double(double value);
    NodeFileBuilder& Text(std::string_view text);
    NodeFileBuilder& Raw(std::initializer_list<uint8_t> bytes);

    uint32_t Size() const { return static_cast<uint32_t>(bytes_.size()); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

using NodeFileTestDir = ScratchDirectory;

}  // namespace tessark::test

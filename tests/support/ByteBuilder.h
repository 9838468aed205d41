#pragma once

#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "platform/LittleEndian.h"
#include "support/ScratchDirectory.h"

namespace tessark::test {

// Builds little-endian byte sequences for hand-made files: ByteBuilder().U32(7).U16(1).Bytes().
class ByteBuilder {
public:
    ByteBuilder& U8(uint8_t value)
    {
        AppendU8(bytes_, value);
        return *this;
    }
    ByteBuilder& U8s(std::initializer_list<uint8_t> values)
    {
        bytes_.insert(bytes_.end(), values);
        return *this;
    }
    ByteBuilder& U16(uint16_t value)
    {
        AppendU16(bytes_, value);
        return *this;
    }
    ByteBuilder& U32(uint32_t value)
    {
        AppendU32(bytes_, value);
        return *this;
    }
    ByteBuilder& Append(const std::vector<uint8_t>& more)
    {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
        return *this;
    }
    // Overwrites a u32 written earlier (for offsets known only later).
    ByteBuilder& PatchU32(size_t at, uint32_t value)
    {
        for (int i = 0; i < 4; ++i) {
            bytes_.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
        }
        return *this;
    }
    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace tessark::test

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessark {

// Writes the object archive form of things and tiles (clipboard and drag data): little-endian
// integers and strings with a length prefix (one byte below 255; else 0xFF and a u16 below
// 0xFFFE; else 0xFF, 0xFFFF and a u32), single-byte characters.
class ArchiveWriter {
public:
    void WriteU8(uint8_t value);
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteI32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }
    void WriteString(std::string_view text);

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> TakeBytes() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace tessark

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tessark {

// Why reading an archive stopped; the first failure sticks and every later read fails.
enum class ArchiveError {
    None,
    EndOfFile,  // the data ended inside a value or a string
    BadClass,   // a stored key names no item type, so the object cannot be created
    BadData,    // a value that no writer produces (for example a key that contradicts itself)
};

// Reads what ArchiveWriter writes. Strings also come in the 16-bit-character form (prefix
// 0xFF 0xFFFE, then a length prefix counting characters, then UTF-16 LE), converted to UTF-8.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ReadU8(uint8_t& value);
    bool ReadU16(uint16_t& value);
    bool ReadU32(uint32_t& value);
    bool ReadI32(int32_t& value);
    bool ReadString(std::string& text);

    // Records a failure found by the caller (the first one wins); returns false.
    bool Fail(ArchiveError error);
    bool Ok() const { return error_ == ArchiveError::None; }
    ArchiveError Error() const { return error_; }
    size_t Offset() const { return offset_; }
    size_t Remaining() const { return bytes_.size() - offset_; }

private:
    bool ReadU64(uint64_t& value);
    bool ReadLength(uint64_t& length, bool& wide);
    bool ReadWideCharacters(uint64_t count, std::string& text);

    std::span<const uint8_t> bytes_;
    size_t offset_ = 0;
    ArchiveError error_ = ArchiveError::None;
};

}  // namespace tessark

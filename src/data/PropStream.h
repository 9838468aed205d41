#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/LittleEndian.h"

namespace tessark {

// Reading cursor over a node's properties (little-endian values). A read that needs more bytes
// than remain fails without moving. Points into the loader's buffer: valid until the loader's
// next GetProps.
class PropStream {
public:
    PropStream() = default;
    PropStream(const uint8_t* data, size_t size) { Reset(data, size); }
    explicit PropStream(std::span<const uint8_t> bytes) { Reset(bytes.data(), bytes.size()); }

    void Reset(const uint8_t* data, size_t size)
    {
        position_ = data;
        end_ = data ? data + size : data;
    }
    void Clear() { position_ = end_ = nullptr; }

    size_t Remaining() const { return static_cast<size_t>(end_ - position_); }
    bool Empty() const { return position_ == end_; }
    const uint8_t* Position() const { return position_; }

    bool ReadU8(uint8_t& value)
    {
        if (Remaining() < 1) {
            return false;
        }
        value = *position_++;
        return true;
    }
    bool ReadU16(uint16_t& value)
    {
        if (Remaining() < 2) {
            return false;
        }
        value = LoadU16(position_);
        position_ += 2;
        return true;
    }
    bool ReadU32(uint32_t& value)
    {
        if (Remaining() < 4) {
            return false;
        }
        value = LoadU32(position_);
        position_ += 4;
        return true;
    }
    bool ReadU64(uint64_t& value)
    {
        if (Remaining() < 8) {
            return false;
        }
        value = LoadU64(position_);
        position_ += 8;
        return true;
    }
    // An IEEE 754 double stored little-endian.
    bool ReadDouble(double& value);
    // Copies exactly out.size() bytes.
    bool ReadBytes(std::span<uint8_t> out);
    bool Skip(size_t count);
    // A u16 length and that many bytes; the text is the bytes up to the first zero among them.
    bool ReadString(std::string& text);

private:
    const uint8_t* position_ = nullptr;
    const uint8_t* end_ = nullptr;
};

}  // namespace tessark
